#pragma once

#include <windows.h>

namespace ui::win32 {

// Where a window of this size goes on a monitor's work area: centred, or, when `centred` is
// false, only moved onto it where it sticks out; where it is larger, at the area's top-left
// corner, so that the title bar stays reachable.
POINT placeOnWorkArea(const RECT& window, const RECT& area, bool centred);

// Moves `window` to its place on the work area of its monitor.
void keepOnWorkArea(HWND window, bool centred);

} // namespace ui::win32
