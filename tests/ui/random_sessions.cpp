#include "tests/ui/random_sessions.h"

#include <gtest/gtest.h>

#include <iostream>

namespace ui::session {

void checkRandomSessions(Driver& driver, int defaultCount, int enoughToBite, std::string_view what) {
    const RunConfig config = configFromEnvironment(defaultCount);
    const RunSummary summary = runSessions(driver, config);
    if (summary.failure) {
        FAIL() << summary.failure->report();
    }
    ::testing::Test::RecordProperty("sessions", summary.sessions);
    ::testing::Test::RecordProperty("actions", summary.actions);
    std::cout << summary.sessions << " " << what << " from seed " << config.firstSeed << ", " << summary.actions
              << " actions, " << summary.reports << " reports, " << summary.refusals << " refused calculations\n";
    if (config.count >= enoughToBite) {
        EXPECT_GT(summary.reports, config.count / 4);
        EXPECT_GT(summary.refusals, config.count / 4);
    }
}

} // namespace ui::session
