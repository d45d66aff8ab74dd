#pragma once

#include "calc/record_settings.h"

#include <string>
#include <string_view>

namespace calc {

// The texts of the six lists as they show them: the selected entry, or empty when none is selected.
struct ListTexts {
    std::string_view videoSystem; // Combo1
    std::string_view quality;     // Combo2
    std::string_view resolution;  // Combo3
    std::string_view speed;       // Combo4
    std::string_view duration;    // Combo5
    std::string_view hddSize;     // Combo6
};

struct CalculationOutcome {
    bool reported = false; // false: an item is missing and nothing was changed
    std::string text;      // the report (CRLF lines) when reported, else the missing-item message
};

// The K recorded in one hour: speed factor x field rate x field size x 60 x 60, exact in fixed point.
FixedPoint hourlyAmount(const RecordSettings& s);

// Whether every item the current mode needs is chosen; the other mode's item is not looked at.
bool isComplete(const RecordSettings& s);

// Fields recorded per second as the speed line shows them: the picture rate over n.
double fieldsPerSecond(const RecordSettings& s);

// The arithmetic of Calculate without the report: when every item the mode needs is chosen and
// something is recorded per hour, stores the results of the current mode in the record and returns
// true; otherwise returns false and leaves the record untouched.
bool calculateResults(RecordSettings& s);

// Pressing Calculate: either the missing-item message in the current language with the record
// untouched, or the results of the current mode stored in the record and the report to show.
// A recording that would take nothing per hour (a quality or resolution marked chosen by a list
// refresh while nothing was selected in it) counts as missing too: there is nothing to report.
CalculationOutcome calculate(RecordSettings& s, const ListTexts& lists, std::string_view decimalSeparator);

} // namespace calc
