#pragma once

#include "ui/win32/window_font.h"

#include <windows.h>

#include <string_view>

namespace ui::win32 {

// The missing-item message: the system's message box, modal to `owner`, with OK only and no
// icon. Where the system's message font lacks a character of `text` (Chinese under a Western
// font), the box draws its text in a font of `fonts` that has them, grown to fit it.
void showMessageBox(HWND owner, std::wstring_view title, std::wstring_view text, WindowFonts& fonts);

} // namespace ui::win32
