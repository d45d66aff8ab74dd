#pragma once

#include "cli/query.h"

#include <cstdio>
#include <string_view>

namespace cli {

// Works out what the query asks for and writes it to `out` as it goes; the missing-item messages
// of text reports go to `err`. Returns the exit status: 3 when a text report or the only
// combination had nothing to report, 1 when the output could not be written, else 0.
int run(const Query& query, std::FILE* out, std::FILE* err, std::string_view decimalSeparator);

} // namespace cli
