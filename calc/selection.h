#pragma once

#include "calc/record_settings.h"

#include <cstdint>

// How each choice in the window fills the record. An entry is the 0-based position the list
// reports as selected, -1 when none is; a position with no row in its table leaves the value
// as it was, while the item's flag is set all the same.
namespace calc {

void chooseModel(RecordSettings& s, std::int16_t element); // Option2 element 1 to 3
void chooseMode(RecordSettings& s, std::int16_t element);  // Option1 element 0 or 1
void chooseVideoSystem(RecordSettings& s, int entry);      // Combo1
void chooseQuality(RecordSettings& s, int entry);          // Combo2
void chooseResolution(RecordSettings& s, int entry);       // Combo3
void chooseSpeed(RecordSettings& s, int entry);            // Combo4
void chooseDuration(RecordSettings& s, int entry);         // Combo5
void chooseHddSize(RecordSettings& s, int entry);          // Combo6

// The speed factor of entry "1/n", n = entry + 1: 1/n in double precision, rounded to four decimals.
FixedPoint speedFactorOf(int entry);

} // namespace calc
