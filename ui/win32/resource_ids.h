#pragma once

// Numbers of the resources the window's resource script adds to the executable; read by the
// resource compiler too, so plain macros.
#define KOLVEX_WINDOW_ICON_RESOURCE 1   // the window's icon, with 16 and 32 pixel images
#define KOLVEX_WINDOW_FONT_RESOURCE 101 // the window font's TrueType file, as RCDATA
