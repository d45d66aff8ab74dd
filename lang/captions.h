#pragma once

#include <array>
#include <string_view>

namespace lang {

// The ten English captions the window opens with, in language-item order 0 to 9. The window
// takes its initial captions from here and the English row of the language table copies them,
// so choosing "English" always restores exactly what the window first showed.
inline constexpr std::array<std::string_view, 10> kInitialCaptions = {
    "Recoding capacity", // Option1(0)
    "Recording time",    // Option1(1)
    "Video system",      // Label1(0)
    "Quality",           // Label1(1)
    "Resolution",        // Label1(2)
    "Record speed",      // Label1(3)
    "Record duration",   // Label1(4)
    "HDD size",          // Label1(5)
    "Clear",             // Clear_BTN
    "Calculate",         // Count_BTN
};

} // namespace lang
