#include "calc/selection.h"

#include "calc/value_tables.h"

#include <cstddef>

namespace calc {
namespace {

template <class Table>
bool hasRow(const Table& table, int entry) {
    return entry >= 0 && static_cast<std::size_t>(entry) < table.size();
}

} // namespace

void chooseModel(RecordSettings& s, std::int16_t element) {
    s.ModelIndex = element;
    s.ModelChosen = true;
}

void chooseMode(RecordSettings& s, std::int16_t element) {
    s.CapacityMode = element == 0 ? kTrue16 : kFalse16;
}

void chooseVideoSystem(RecordSettings& s, int entry) {
    if (hasRow(kVideoSystemEntries, entry)) {
        s.VideoSystem = static_cast<std::int16_t>(entry);
    }
    s.SystemChosen = true;
}

void chooseQuality(RecordSettings& s, int entry) {
    const auto& sizes = kFieldSizeK[systemRow(s.VideoSystem)];
    if (hasRow(sizes, entry)) {
        s.FieldSizeK = sizes[static_cast<std::size_t>(entry)];
    }
    s.QualityChosen = true;
}

void chooseResolution(RecordSettings& s, int entry) {
    const ResolutionRow& row = resolutionRow(s.ModelIndex, s.VideoSystem);
    if (hasRow(row, entry)) {
        s.FieldRate = row[static_cast<std::size_t>(entry)].fieldRate;
        s.ImageRate = row[static_cast<std::size_t>(entry)].imageRate;
    }
    s.ResolutionChosen = true;
}

FixedPoint speedFactorOf(int entry) {
    const auto n = static_cast<std::int16_t>(entry + 1); // at most 999, far from the 16-bit limit
    return FixedPoint::fromDouble(1.0 / static_cast<double>(n));
}

void chooseSpeed(RecordSettings& s, int entry) {
    // Only a real entry has a divisor; anything else would divide by zero or below.
    if (entry >= 0 && static_cast<std::size_t>(entry) < kSpeedEntryCount) {
        s.SpeedFactor = speedFactorOf(entry);
    }
    s.SpeedChosen = true;
}

void chooseDuration(RecordSettings& s, int entry) {
    if (hasRow(kRecordHours, entry)) {
        s.RecordHours = kRecordHours[static_cast<std::size_t>(entry)].hours;
    }
    s.DurationChosen = true;
}

void chooseHddSize(RecordSettings& s, int entry) {
    if (hasRow(kHddSizes, entry)) {
        s.HddSizeGB = kHddSizes[static_cast<std::size_t>(entry)].gigabytes;
    }
    s.HddChosen = true;
}

} // namespace calc
