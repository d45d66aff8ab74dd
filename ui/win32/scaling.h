#pragma once

#include "ui/view.h"

#include <windows.h>

namespace ui::win32 {

// A control's place in the window's client area, in pixels at `dpi`: its own place in twips plus
// its frame's, since every control is a child of the window itself.
RECT placeAt(Control c, int dpi);

// Sizes `window` so that its client area is the window's at `dpi`. Measured rather than worked
// out from the frame the system says it draws, which is not right everywhere at every density.
void fitClientArea(HWND window, int dpi);

} // namespace ui::win32
