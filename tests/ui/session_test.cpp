#include "tests/ui/fake_driver.h"
#include "tests/ui/random_sessions.h"
#include "tests/ui/session_model.h"

#include <gtest/gtest.h>

#include <functional>

namespace ui::session {
namespace {

TEST(SessionTest, RandomSessionsKeepEveryProperty) {
    FakeDriver driver;
    // The generator must reach complete settings often enough for the report checks to bite.
    checkRandomSessions(driver, 5000, 1000, "sessions");
}

struct BrokenBinding {
    const char* name;
    std::function<bool(const Action&)> unbound;
    std::string property;
    std::size_t maxActions; // the shortest session that shows the fault, as a user would need it
    std::string lastAction;
};

TEST(SessionTest, ABrokenBindingFailsWithAShortSession) {
    const BrokenBinding cases[] = {
        {"Language menu not bound", [](const Action& a) { return a.kind == Kind::Language; },
         "captions follow the language", 1, "Language"},
        {"Combo3 choice not bound", [](const Action& a) { return a.kind == Kind::Choose && a.list == Control::Combo3; },
         "the record holds the value of every selected entry", 5, "choose Combo3"},
        {"Clear not bound", [](const Action& a) { return a.kind == Kind::Clear; }, "Clear empties the result box", 9,
         "Clear"},
    };
    for (const BrokenBinding& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDriver driver(c.unbound);
        const RunSummary summary = runSessions(driver, {1, 500});
        ASSERT_TRUE(summary.failure);
        const SessionFailure& f = *summary.failure;
        EXPECT_EQ(f.failure.property, c.property) << f.report();
        EXPECT_LE(f.shortened.size(), c.maxActions) << f.report();
        ASSERT_FALSE(f.shortened.empty());
        EXPECT_EQ(describe(f.shortened.back()).rfind(c.lastAction, 0), 0U) << f.report();
        const SessionRun again = replay(driver, f.shortened);
        ASSERT_TRUE(again.failure) << "the shortened session must fail on its own";
        EXPECT_EQ(again.failure->property, c.property);
    }
}

} // namespace
} // namespace ui::session
