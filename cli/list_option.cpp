#include "cli/list_option.h"

#include "calc/value_tables.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace cli {
namespace {

using Texts = std::vector<std::string>;

const std::string kAll = "all";
constexpr std::string_view kSpeedsAccepted = "1/1 to 1/999, a range such as 1/1..1/30, all";

std::string trimmed(const std::string& item) {
    const auto first = item.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : item.substr(first, item.find_last_not_of(" \t") - first + 1);
}

std::string joined(const Texts& texts) {
    std::string out;
    for (const auto& text : texts) {
        out.append(out.empty() ? "" : ", ").append(text);
    }
    return out;
}

std::string unknownValue(const std::string& item, std::string_view accepted) {
    return "unknown value \"" + item + "\"; accepted: " + std::string(accepted);
}

template <class T>
void addOnce(std::vector<T>& out, const T& value) {
    if (std::find(out.begin(), out.end(), value) == out.end()) {
        out.push_back(value);
    }
}

template <class Table>
Texts textsOf(const Table& table) {
    Texts out;
    for (const auto& entry : table) {
        if constexpr (std::is_convertible_v<decltype(entry), std::string_view>) {
            out.emplace_back(entry);
        } else {
            out.emplace_back(entry.text);
        }
    }
    return out;
}

// Every resolution text of every model group and video system, once each.
std::vector<std::string_view> allResolutionTexts() {
    std::vector<std::string_view> out;
    for (const auto& group : calc::kResolutionEntries) {
        for (const auto& row : group) {
            for (const auto& entry : row) {
                addOnce(out, entry.text);
            }
        }
    }
    return out;
}

// An item becomes the text it is, one of `texts`, in any case; anything else is named with the
// texts accepted.
CLI::Validator oneOf(Texts texts) {
    const std::string accepted = joined(texts);
    const CLI::Validator member = CLI::IsMember(std::move(texts), CLI::ignore_case);
    return {[member, accepted](std::string& item) {
                item = trimmed(item);
                return member(item).empty() ? std::string() : unknownValue(item, accepted);
            },
            std::string()};
}

// The positions of the items in `texts`, all standing for each.
std::vector<int> positionsIn(const Texts& texts, const Texts& items) {
    std::vector<int> out;
    for (const auto& item : items) {
        const auto match = std::find(texts.begin(), texts.end(), item);
        if (match != texts.end()) {
            addOnce(out, static_cast<int>(match - texts.begin()));
        } else {
            for (int p = 0; p < static_cast<int>(texts.size()); ++p) {
                addOnce(out, p);
            }
        }
    }
    return out;
}

CLI::Option* addList(CLI::App& app, const std::string& name, const std::string& help,
                     std::function<void(const Texts&)> chosen, CLI::Validator item) {
    return app.add_option_function<Texts>(name, std::move(chosen), help)
        ->delimiter(',')
        ->type_name("LIST")
        ->take_all()
        ->transform(std::move(item));
}

// A list whose entries are `texts`; entry p lands in `into` as p + firstEntry.
template <class Entry>
CLI::Option* addEntries(CLI::App& app, const std::string& name, const std::string& help, Texts texts,
                        std::vector<Entry>& into, int firstEntry = 0) {
    Texts accepted = texts;
    accepted.push_back(kAll);
    const auto chosen = [texts, &into, firstEntry](const Texts& items) {
        for (const int p : positionsIn(texts, items)) {
            into.push_back(static_cast<Entry>(p + firstEntry));
        }
    };
    return addList(app, name, help, chosen, oneOf(std::move(accepted)));
}

// The first and last n of "1/n" or "1/a..1/b" when they name speed entries in that order.
std::optional<std::pair<int, int>> speedRange(std::string_view item) {
    const auto divisor = [](std::string_view text) -> std::optional<int> {
        int n = 0;
        const auto digits = text.substr(std::min<std::size_t>(2, text.size()));
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (!text.starts_with("1/") || digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            n < 1 || n > static_cast<int>(calc::kSpeedEntryCount)) {
            return std::nullopt;
        }
        return n;
    };
    const auto dots = item.find("..");
    const auto first = divisor(item.substr(0, dots));
    const auto last = dots == std::string_view::npos ? first : divisor(item.substr(dots + 2));
    if (!first || !last || *last < *first) {
        return std::nullopt;
    }
    return std::pair{*first, *last};
}

void addSpeeds(CLI::App& app, std::vector<int>& into) {
    const auto chosen = [&into](const Texts& items) {
        for (const auto& item : items) {
            const auto [first, last] = *speedRange(item);
            for (int n = first; n <= last; ++n) {
                addOnce(into, n - 1);
            }
        }
    };
    // all becomes the range of every entry.
    const auto valid = [](std::string& item) {
        item = trimmed(item);
        if (CLI::ignore_case(item) == kAll) {
            item = calc::speedEntryText(0) + ".." + calc::speedEntryText(calc::kSpeedEntryCount - 1);
        }
        return speedRange(item) ? std::string() : unknownValue(item, kSpeedsAccepted);
    };
    addList(app, "--speed", "1/1 to 1/999, or a range such as 1/1..1/30", chosen, CLI::Validator(valid, std::string()));
}

void addResolutions(CLI::App& app, std::vector<ResolutionItem>& into) {
    const std::vector<std::string_view> entries = allResolutionTexts();
    Texts accepted = {"1", "2", "3"};
    accepted.insert(accepted.end(), entries.begin(), entries.end());
    accepted.push_back(kAll);
    const auto resolutions = [entries, &into](const Texts& items) {
        for (const auto& item : items) {
            if (item == kAll) {
                for (int p = 0; p < 3; ++p) {
                    addOnce(into, ResolutionItem{p, {}});
                }
            } else if (item.size() == 1) {
                addOnce(into, ResolutionItem{item[0] - '1', {}});
            } else {
                addOnce(into, ResolutionItem{-1, *std::find(entries.begin(), entries.end(), item)});
            }
        }
    };
    addList(app, "--resolution",
            "an entry text of the model and system, such as 120IPS@720*240, or its position 1 to 3", resolutions,
            oneOf(std::move(accepted)));
}

void checkResolutionTexts(const Query& query) {
    if (query.models.empty() || query.systems.empty()) {
        return;
    }
    Texts offered;
    for (const auto model : query.models) {
        for (const int system : query.systems) {
            for (const auto& entry : calc::resolutionRow(model, static_cast<std::int16_t>(system))) {
                addOnce(offered, std::string(entry.text));
            }
        }
    }
    for (const auto& item : query.resolutions) {
        if (item.position < 0 && std::find(offered.begin(), offered.end(), item.text) == offered.end()) {
            throw CLI::ValidationError("--resolution", "\"" + std::string(item.text) +
                                                           "\" is no entry for the chosen model and video system; "
                                                           "accepted: 1, 2, 3, " +
                                                           joined(offered) + ", all");
        }
    }
}

} // namespace

void addListOptions(CLI::App& app, Query& query) {
    addEntries(app, "--model", "4CH, 8CH or 16CH", textsOf(calc::kModelCaptions), query.models, 1);
    addEntries(app, "--system", "NTSC or PAL", textsOf(calc::kVideoSystemEntries), query.systems);
    addEntries(app, "--quality", "HYPER, SUPER, HIGH, MIDDLE or LOW", textsOf(calc::kQualityEntries), query.qualities);
    addResolutions(app, query.resolutions);
    addSpeeds(app, query.speeds);
    CLI::Option* const duration =
        addEntries(app, "--duration", "capacity: the record duration, 1 Hour to 1 Month, such as \"1 Day\"",
                   textsOf(calc::kRecordHours), query.periods);
    duration->excludes(
        addEntries(app, "--hdd", "record time: the disk size, 80G to 750G", textsOf(calc::kHddSizes), query.periods));
    addEntries(app, "--language", "the report's language: en, zh, de, fr or nl (default en)", textsOf(kLanguageCodes),
               query.languages);
    const Texts formats = {"text", "csv", "json"};
    app.add_option_function<std::string>(
           "--format",
           [formats, &query](const std::string& name) {
               query.format = static_cast<Format>(std::find(formats.begin(), formats.end(), name) - formats.begin());
           },
           "text, csv or json (default: text for one combination, else csv)")
        ->type_name("FORMAT")
        ->transform(oneOf(formats));
    app.final_callback([&query, duration] {
        if (duration->count() > 0) {
            query.mode = Mode::Capacity;
        }
        checkResolutionTexts(query);
    });
}

} // namespace cli
