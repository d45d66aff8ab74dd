#pragma once

#include "cli/query.h"

#include <optional>
#include <string>

namespace cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNothingToReport = 3;

// Either a query to run, or a text to print and the status to exit with: the help and the
// version on standard output with 0, one line about a bad option or value on standard error with 2.
struct ParsedCommandLine {
    std::optional<Query> query;
    std::string message; // ends with a newline
    bool toStandardError = false;
    int exitStatus = kExitSuccess;
};

ParsedCommandLine parseCommandLine(int argc, const char* const* argv);

} // namespace cli
