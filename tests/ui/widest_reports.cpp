#include "tests/ui/widest_reports.h"

#include "calc/calculation.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_table.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace ui::testing {

std::string reportOf(const ReportChoice& c, std::int16_t language, std::string_view separator) {
    static const std::vector<std::string> speeds = [] {
        std::vector<std::string> texts;
        for (std::size_t k = 0; k < calc::kSpeedEntryCount; ++k) {
            texts.push_back(calc::speedEntryText(k));
        }
        return texts;
    }();
    calc::RecordSettings s;
    lang::runLoadStep(s);
    s.LanguageIndex = language;
    calc::chooseModel(s, c.model);
    calc::chooseMode(s, static_cast<std::int16_t>(c.mode));
    calc::chooseVideoSystem(s, c.system);
    calc::chooseQuality(s, c.quality);
    calc::chooseResolution(s, c.resolution);
    calc::chooseSpeed(s, c.speed);
    const auto u = [](int i) { return static_cast<std::size_t>(i); };
    calc::ListTexts texts{calc::kVideoSystemEntries[u(c.system)],
                          calc::kQualityEntries[u(c.quality)],
                          calc::resolutionRow(c.model, static_cast<std::int16_t>(c.system))[u(c.resolution)].text,
                          speeds[u(c.speed)],
                          {},
                          {}};
    if (c.mode == 0) {
        calc::chooseDuration(s, c.last);
        texts.duration = calc::kRecordHours[u(c.last)].text;
    } else {
        calc::chooseHddSize(s, c.last);
        texts.hddSize = calc::kHddSizes[u(c.last)].text;
    }
    return calc::calculate(s, texts, separator).text;
}

std::map<int, ReportChoice> widestChoices(int mode, const Advances& advance) {
    // Widths are sums of character advances, quick enough to go through every combination.
    std::map<int, std::pair<double, ReportChoice>> widest;
    ReportChoice c;
    c.mode = mode;
    const int lastCount = static_cast<int>(mode == 0 ? calc::kRecordHours.size() : calc::kHddSizes.size());
    for (c.model = 1; c.model <= 3; ++c.model) {
        for (c.system = 0; c.system < 2; ++c.system) {
            for (c.quality = 0; c.quality < 5; ++c.quality) {
                for (c.resolution = 0; c.resolution < 3; ++c.resolution) {
                    for (c.speed = 0; c.speed < static_cast<int>(calc::kSpeedEntryCount); ++c.speed) {
                        for (c.last = 0; c.last < lastCount; ++c.last) {
                            int line = 0;
                            double width = 0;
                            for (const char ch : reportOf(c, 0, ".")) {
                                if (ch == '\n') {
                                    auto& best = widest[line++];
                                    best = width > best.first ? std::pair{width, c} : best;
                                    width = 0;
                                } else if (ch != '\r') {
                                    width += advance[static_cast<unsigned char>(ch) & 127];
                                }
                            }
                        }
                    }
                }
            }
        }
    }
    std::map<int, ReportChoice> choices;
    for (const auto& [line, best] : widest) {
        choices[line] = best.second;
    }
    return choices;
}

} // namespace ui::testing
