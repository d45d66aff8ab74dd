#pragma once

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// What a screen reader announces for a control that has no caption of its own (a list, the result
// box), set through the system's accessibility annotations. A label in front of a list names it
// too, but only as long as nothing else comes between them in the window's order.
void setAccessibleName(HWND control, std::wstring_view name);
// Drops the names again; a window's controls call it before they go.
void clearAccessibleName(HWND control);

} // namespace ui::win32
