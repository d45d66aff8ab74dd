#pragma once

#include "calc/fixed_point.h"
#include "lang/language_table.h"

#include <cstdint>

namespace calc {

// Whether an item was chosen. Only ever set to true and only ever asked whether it is true,
// so "never set" and "false" need not be told apart.
using ChosenFlag = bool;

// 16-bit booleans keep the window's encoding: -1 (all bits set) is true, 0 is false.
inline constexpr std::int16_t kTrue16 = -1;
inline constexpr std::int16_t kFalse16 = 0;

// What the user has chosen, as the numbers the calculation needs, plus its results.
// Fields are only ever overwritten, never reset; nothing here is saved between runs.
struct RecordSettings {
    std::int16_t ModelIndex = 0;  // 1 "4CH", 2 "8CH", 3 "16CH"; 0 = none chosen yet
    std::int16_t VideoSystem = 0; // 0 NTSC, anything else PAL
    std::int16_t FieldSizeK = 0;  // K per full-size field
    std::int16_t FieldRate = 0;   // full-size fields per second
    FixedPoint SpeedFactor;       // 1/n of the full rate
    std::int16_t RecordHours = 0;
    std::int16_t HddSizeGB = 0;
    FixedPoint RecordSizeGB;
    FixedPoint RecordTimeHours;
    FixedPoint RecordTimeDays;
    std::int16_t ImageRate = 0; // pictures per second of the resolution entry
    ChosenFlag ModelChosen = false;
    ChosenFlag SystemChosen = false;
    ChosenFlag QualityChosen = false;
    ChosenFlag ResolutionChosen = false;
    ChosenFlag SpeedChosen = false;
    ChosenFlag DurationChosen = false;
    ChosenFlag HddChosen = false;
    std::int16_t CapacityMode = kFalse16; // -1 = capacity from a duration, 0 = time from a disk size
    std::int16_t LanguageIndex = 0;       // 0 English .. 4 Dutch
    lang::LanguageTable LanguageTable;
};

} // namespace calc
