#include "tests/ui/fake_view.h"
#include "tests/ui/random_sessions.h"
#include "tests/ui/session_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace ui::session {
namespace {

// The form behind a fake view, worked as the window's binding works it. `unbound` names actions
// whose event never reaches the form, to prove that the checks notice a broken binding.
class FakeDriver : public Driver {
public:
    explicit FakeDriver(std::function<bool(const Action&)> unbound = {}) : m_unbound(std::move(unbound)) {}

    void restart() override { m_window = std::make_unique<testing::FakeWindow>(); }

    void apply(const Action& a) override {
        if (m_unbound && m_unbound(a)) {
            if (a.kind == Kind::Choose) {
                m_window->view.choose(a.list, a.index); // the list still shows the user's choice
            }
            return;
        }
        testing::FakeWindow& w = *m_window;
        switch (a.kind) {
        case Kind::Model:
            return w.clickModel(static_cast<std::int16_t>(a.index));
        case Kind::Mode:
            return w.clickMode(static_cast<std::int16_t>(a.index));
        case Kind::Choose:
            return w.choose(a.list, a.index);
        case Kind::Calculate:
            return w.calculate();
        case Kind::Clear:
            return w.clear();
        case Kind::Language:
            return w.language(static_cast<std::int16_t>(a.index));
        }
    }

    bool enabled(Control c) const override { return view().enabled(c); }
    bool visible(Control c) const override { return view().visible(c); }
    std::string caption(Control c) const override { return view().caption(c); }
    int entryCount(Control list) const override { return static_cast<int>(view().entries(list).size()); }
    std::string entryText(Control list, int entry) const override {
        return view().entries(list).at(static_cast<std::size_t>(entry));
    }
    int selectedIndex(Control list) const override { return view().selection(list); }
    std::string resultText() const override { return view().resultText(); }
    std::size_t messageCount() const override { return view().messages().size(); }
    Message lastMessage() const override {
        const auto& m = view().messages().back();
        return {m.title, m.text};
    }
    std::string decimalSeparator() const override { return view().decimalSeparator(); }
    const calc::RecordSettings* record() const override { return &m_window->form.settings(); }

private:
    const testing::FakeView& view() const { return m_window->view; }

    std::function<bool(const Action&)> m_unbound;
    std::unique_ptr<testing::FakeWindow> m_window;
};

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
