#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

// The reports with the widest lines, for the checks that every report line fits the result box on
// one line: one combination of list entries per line position, found by going through them all.
namespace ui::testing {

// One combination of list entries, by position, in one mode (0 capacity, 1 time).
struct ReportChoice {
    std::int16_t model = 1;
    int mode = 0;
    int system = 0;
    int quality = 0;
    int resolution = 0;
    int speed = 0;
    int last = 0; // duration or disk size
};

// The report the window shows for the combination, in a language and with a decimal separator.
std::string reportOf(const ReportChoice& c, std::int16_t language, std::string_view separator);

// The advance of each ASCII character in the result box's font; English reports are all ASCII.
using Advances = std::array<double, 128>;

// By line position, the combination whose English report line is widest there. A line is a fixed
// label and the values, so the same combination has the widest line there in every language.
std::map<int, ReportChoice> widestChoices(int mode, const Advances& advance);

} // namespace ui::testing
