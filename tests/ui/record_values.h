#pragma once

#include "calc/record_settings.h"

#include <tuple>

namespace ui::testing {

// Every field of the record that a handler or a calculation may write, for comparing a record
// before and after a step. The language table and index are left out: only the load step and the
// Language menu write them.
inline auto recordValues(const calc::RecordSettings& s) {
    return std::tuple(s.ModelIndex, s.VideoSystem, s.FieldSizeK, s.FieldRate, s.SpeedFactor, s.RecordHours, s.HddSizeGB,
                      s.RecordSizeGB, s.RecordTimeHours, s.RecordTimeDays, s.ImageRate, s.ModelChosen, s.SystemChosen,
                      s.QualityChosen, s.ResolutionChosen, s.SpeedChosen, s.DurationChosen, s.HddChosen,
                      s.CapacityMode);
}

} // namespace ui::testing
