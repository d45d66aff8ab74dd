#pragma once

#include "cli/query.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The values of the list options. Each takes the option's items as given (already split at
// commas), matches them against the texts the window's list shows, ignoring case and blanks around
// them, and returns the chosen entries in the order given without repeats; "all" stands for every
// entry. An item no entry matches throws a UsageError that names the option and the value and
// lists the accepted values.
namespace cli {

// The codes --language takes, by language index.
inline constexpr std::array<std::string_view, 5> kLanguageCodes = {"en", "zh", "de", "fr", "nl"};

std::vector<std::int16_t> parseModels(const std::vector<std::string>& items);
std::vector<int> parseSystems(const std::vector<std::string>& items);
std::vector<int> parseQualities(const std::vector<std::string>& items);
std::vector<ResolutionItem> parseResolutions(const std::vector<std::string>& items);
std::vector<int> parseSpeeds(const std::vector<std::string>& items); // "1/n", "1/a..1/b"
std::vector<int> parseDurations(const std::vector<std::string>& items);
std::vector<int> parseHddSizes(const std::vector<std::string>& items);
std::vector<std::int16_t> parseLanguages(const std::vector<std::string>& items);
Format parseFormat(const std::string& value);

// A resolution text is an entry of some models and video systems only: every text item must be an
// entry for at least one chosen model and video system. Nothing to check while either is not given.
void checkResolutionTexts(const Query& query);

} // namespace cli
