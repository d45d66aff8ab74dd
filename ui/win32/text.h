#pragma once

#include <string>
#include <string_view>

// The window keeps every text in UTF-8, as the form hands it over; the Windows API takes UTF-16.
// These two are the only places where one becomes the other.
namespace ui::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace ui::win32
