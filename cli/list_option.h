#pragma once

#include "cli/query.h"

#include <array>
#include <string_view>

namespace CLI {
class App;
}

// The list options and --format. Each list option takes items separated by commas, matched against
// the texts the window's list shows, in any case and with blanks around them ignored; the chosen
// entries land in the query in the order given without repeats, and "all" stands for every entry.
// An item no entry matches is a usage error that names the option and the value and lists the
// accepted values.
namespace cli {

// The codes --language takes, by language index.
inline constexpr std::array<std::string_view, 5> kLanguageCodes = {"en", "zh", "de", "fr", "nl"};

// Once the whole line is read, a resolution text must be an entry for at least one chosen model and
// video system; nothing to check while either is not given.
void addListOptions(CLI::App& app, Query& query);

} // namespace cli
