#include "ui/window_layout.h"

namespace ui::layout {

std::size_t entryCount(Control list) {
    switch (list) {
    case Control::Combo1:
        return calc::kVideoSystemEntries.size();
    case Control::Combo2:
        return calc::kQualityEntries.size();
    case Control::Combo3:
        return calc::resolutionRow(1, 0).size();
    case Control::Combo4:
        return calc::kSpeedEntryCount;
    case Control::Combo5:
        return calc::kRecordHours.size();
    case Control::Combo6:
        return calc::kHddSizes.size();
    default:
        return 0;
    }
}

std::string entryText(Control list, std::size_t entry) {
    if (entry >= entryCount(list)) {
        return {};
    }
    switch (list) {
    case Control::Combo1:
        return std::string(calc::kVideoSystemEntries[entry]);
    case Control::Combo2:
        return std::string(calc::kQualityEntries[entry]);
    case Control::Combo3: // until the first video system choice, those of the 4CH model in NTSC
        return std::string(calc::resolutionRow(1, 0)[entry].text);
    case Control::Combo4:
        return calc::speedEntryText(entry);
    case Control::Combo5:
        return std::string(calc::kRecordHours[entry].text);
    case Control::Combo6:
        return std::string(calc::kHddSizes[entry].text);
    default:
        return {};
    }
}

} // namespace ui::layout
