#include "cli/list_option.h"

#include "calc/value_tables.h"
#include "cli/usage_error.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <type_traits>

namespace cli {
namespace {

constexpr std::string_view kAll = "all";
constexpr std::string_view kSpeedsAccepted = "1/1 to 1/999, a range such as 1/1..1/30, all";

bool sameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trimmed(std::string_view item) {
    const auto first = item.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return item.substr(first, item.find_last_not_of(" \t") - first + 1);
}

std::string joined(const std::vector<std::string_view>& texts) {
    std::string out;
    for (const auto text : texts) {
        out.append(out.empty() ? "" : ", ").append(text);
    }
    return out;
}

[[noreturn]] void unknownValue(std::string_view option, std::string_view value, std::string_view accepted) {
    throw UsageError(std::string(option) + ": unknown value \"" + std::string(value) +
                     "\"; accepted: " + std::string(accepted));
}

template <class T>
void addOnce(std::vector<T>& out, const T& value) {
    if (std::find(out.begin(), out.end(), value) == out.end()) {
        out.push_back(value);
    }
}

// Entries of a list whose texts are `texts`, by position.
std::vector<int> entriesOf(std::string_view option, const std::vector<std::string>& items,
                           const std::vector<std::string_view>& texts) {
    std::vector<int> out;
    for (const auto& given : items) {
        const std::string_view item = trimmed(given);
        if (sameLetters(item, kAll)) {
            for (int e = 0; e < static_cast<int>(texts.size()); ++e) {
                addOnce(out, e);
            }
            continue;
        }
        const auto match = std::find_if(texts.begin(), texts.end(), [&](auto t) { return sameLetters(t, item); });
        if (match == texts.end()) {
            auto accepted = texts;
            accepted.push_back(kAll);
            unknownValue(option, item, joined(accepted));
        }
        addOnce(out, static_cast<int>(match - texts.begin()));
    }
    return out;
}

template <class Table>
std::vector<std::string_view> textsOf(const Table& table) {
    std::vector<std::string_view> out;
    for (const auto& entry : table) {
        if constexpr (std::is_convertible_v<decltype(entry), std::string_view>) {
            out.push_back(entry);
        } else {
            out.push_back(entry.text);
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

// n of "1/n" when it names a speed entry.
std::optional<int> speedDivisor(std::string_view text) {
    if (text.size() < 3 || text.substr(0, 2) != "1/") {
        return std::nullopt;
    }
    int n = 0;
    const auto digits = text.substr(2);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size() || n < 1 ||
        n > static_cast<int>(calc::kSpeedEntryCount)) {
        return std::nullopt;
    }
    return n;
}

} // namespace

std::vector<std::int16_t> parseModels(const std::vector<std::string>& items) {
    std::vector<std::int16_t> out;
    for (const int e : entriesOf("--model", items, textsOf(calc::kModelCaptions))) {
        out.push_back(static_cast<std::int16_t>(e + 1));
    }
    return out;
}

std::vector<int> parseSystems(const std::vector<std::string>& items) {
    return entriesOf("--system", items, textsOf(calc::kVideoSystemEntries));
}

std::vector<int> parseQualities(const std::vector<std::string>& items) {
    return entriesOf("--quality", items, textsOf(calc::kQualityEntries));
}

std::vector<ResolutionItem> parseResolutions(const std::vector<std::string>& items) {
    const std::vector<std::string_view> texts = allResolutionTexts();
    std::vector<ResolutionItem> out;
    for (const auto& given : items) {
        const std::string_view item = trimmed(given);
        if (sameLetters(item, kAll)) {
            for (int p = 0; p < 3; ++p) {
                addOnce(out, ResolutionItem{p, {}});
            }
        } else if (item == "1" || item == "2" || item == "3") {
            addOnce(out, ResolutionItem{item[0] - '1', {}});
        } else if (const auto t =
                       std::find_if(texts.begin(), texts.end(), [&](auto x) { return sameLetters(x, item); });
                   t != texts.end()) {
            addOnce(out, ResolutionItem{-1, *t});
        } else {
            unknownValue("--resolution", item, "1, 2, 3, " + joined(texts) + ", all");
        }
    }
    return out;
}

std::vector<int> parseSpeeds(const std::vector<std::string>& items) {
    std::vector<int> out;
    for (const auto& given : items) {
        const std::string_view item = trimmed(given);
        if (sameLetters(item, kAll)) {
            for (int e = 0; e < static_cast<int>(calc::kSpeedEntryCount); ++e) {
                addOnce(out, e);
            }
            continue;
        }
        const auto dots = item.find("..");
        const auto first = speedDivisor(item.substr(0, dots));
        const auto last = dots == std::string_view::npos ? first : speedDivisor(item.substr(dots + 2));
        if (!first || !last || *last < *first) {
            unknownValue("--speed", item, kSpeedsAccepted);
        }
        for (int n = *first; n <= *last; ++n) {
            addOnce(out, n - 1);
        }
    }
    return out;
}

std::vector<int> parseDurations(const std::vector<std::string>& items) {
    return entriesOf("--duration", items, textsOf(calc::kRecordHours));
}

std::vector<int> parseHddSizes(const std::vector<std::string>& items) {
    return entriesOf("--hdd", items, textsOf(calc::kHddSizes));
}

std::vector<std::int16_t> parseLanguages(const std::vector<std::string>& items) {
    std::vector<std::int16_t> out;
    for (const int e : entriesOf("--language", items, textsOf(kLanguageCodes))) {
        out.push_back(static_cast<std::int16_t>(e));
    }
    return out;
}

Format parseFormat(const std::string& value) {
    constexpr std::array<std::string_view, 3> kNames = {"text", "csv", "json"};
    const std::string_view item = trimmed(value);
    const auto match = std::find_if(kNames.begin(), kNames.end(), [&](auto n) { return sameLetters(n, item); });
    if (match == kNames.end()) {
        unknownValue("--format", item, "text, csv, json");
    }
    return static_cast<Format>(match - kNames.begin());
}

void checkResolutionTexts(const Query& query) {
    if (query.models.empty() || query.systems.empty()) {
        return;
    }
    std::vector<std::string_view> offered;
    for (const auto model : query.models) {
        for (const int system : query.systems) {
            for (const auto& entry : calc::resolutionRow(model, static_cast<std::int16_t>(system))) {
                addOnce(offered, entry.text);
            }
        }
    }
    for (const auto& item : query.resolutions) {
        if (item.position < 0 && std::find(offered.begin(), offered.end(), item.text) == offered.end()) {
            throw UsageError("--resolution: \"" + std::string(item.text) +
                             "\" is no entry for the chosen model and video system; accepted: 1, 2, 3, " +
                             joined(offered) + ", all");
        }
    }
}

} // namespace cli
