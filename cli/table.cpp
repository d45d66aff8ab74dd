#include "cli/table.h"

#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cli {
namespace {

constexpr int kNotChosen = -1;

// A list's entries, or the single "not chosen" when the option was not given.
std::vector<int> entriesOrNone(const std::vector<int>& entries) {
    return entries.empty() ? std::vector<int>{kNotChosen} : entries;
}

// The quality list is filled from the video system: without one no quality can be chosen.
std::vector<int> qualityEntries(const Query& q, int system) {
    return system == kNotChosen ? std::vector<int>{kNotChosen} : entriesOrNone(q.qualities);
}

// The resolution entries the query picks for a model and video system, by position or by text.
std::vector<int> resolutionEntries(const Query& q, std::int16_t model, int system) {
    if (q.resolutions.empty() || model == 0 || system == kNotChosen) {
        return {kNotChosen};
    }
    const calc::ResolutionRow& row = calc::resolutionRow(model, static_cast<std::int16_t>(system));
    std::vector<int> out;
    for (const ResolutionItem& item : q.resolutions) {
        for (int e = 0; e < static_cast<int>(row.size()); ++e) {
            const bool match =
                item.position < 0 ? row[static_cast<std::size_t>(e)].text == item.text : item.position == e;
            if (match && std::find(out.begin(), out.end(), e) == out.end()) {
                out.push_back(e);
            }
        }
    }
    return out;
}

std::vector<std::int16_t> modelsOrNone(const Query& q) {
    return q.models.empty() ? std::vector<std::int16_t>{0} : q.models;
}

} // namespace

void walkTable(const Query& q, RowSink& sink) {
    calc::RecordSettings record;
    lang::runLoadStep(record);
    const bool capacity = q.mode == Mode::Capacity;
    calc::chooseMode(record, capacity ? 0 : 1);

    RowTexts texts;
    const std::vector<int> systems = entriesOrNone(q.systems);
    const std::vector<int> speeds = entriesOrNone(q.speeds);
    const std::vector<int> periods = entriesOrNone(q.periods);
    std::string speedText;
    for (const std::int16_t model : modelsOrNone(q)) {
        if (model != 0) {
            calc::chooseModel(record, model);
            texts.model = calc::kModelCaptions[static_cast<std::size_t>(model - 1)];
        }
        for (const int system : systems) {
            if (system != kNotChosen) {
                calc::chooseVideoSystem(record, system);
                texts.lists.videoSystem = calc::kVideoSystemEntries[static_cast<std::size_t>(system)];
            }
            const std::vector<int> qualities = qualityEntries(q, system);
            const std::vector<int> resolutions = resolutionEntries(q, model, system);
            for (const int quality : qualities) {
                if (quality != kNotChosen) {
                    calc::chooseQuality(record, quality);
                    texts.lists.quality = calc::kQualityEntries[static_cast<std::size_t>(quality)];
                }
                for (const int resolution : resolutions) {
                    if (resolution != kNotChosen) {
                        calc::chooseResolution(record, resolution);
                        texts.lists.resolution =
                            calc::resolutionRow(model, record.VideoSystem)[static_cast<std::size_t>(resolution)].text;
                    }
                    for (const int speed : speeds) {
                        if (speed != kNotChosen) {
                            calc::chooseSpeed(record, speed);
                            speedText = calc::speedEntryText(static_cast<std::size_t>(speed));
                            texts.lists.speed = speedText;
                        }
                        for (const int period : periods) {
                            if (period != kNotChosen && capacity) {
                                calc::chooseDuration(record, period);
                                texts.lists.duration = calc::kRecordHours[static_cast<std::size_t>(period)].text;
                            } else if (period != kNotChosen) {
                                calc::chooseHddSize(record, period);
                                texts.lists.hddSize = calc::kHddSizes[static_cast<std::size_t>(period)].text;
                            }
                            sink.row(texts, record);
                        }
                    }
                }
            }
        }
    }
}

std::uint64_t countCombinations(const Query& q) {
    std::uint64_t settings = 0;
    for (const std::int16_t model : modelsOrNone(q)) {
        for (const int system : entriesOrNone(q.systems)) {
            settings += qualityEntries(q, system).size() * resolutionEntries(q, model, system).size();
        }
    }
    return settings * entriesOrNone(q.speeds).size() * entriesOrNone(q.periods).size();
}

} // namespace cli
