#pragma once

#include <string>
#include <vector>

namespace cli::testing {

struct ProgramRun {
    int exitStatus = -1; // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// Runs the built kolvex-calc with these arguments under the regional settings `locale`
// (LC_ALL), everything else of the environment as it is, and collects what it wrote.
ProgramRun runCalc(const std::vector<std::string>& args, const std::string& locale = "C.UTF-8");

} // namespace cli::testing
