// The randomized sessions the Qt window and the form run, on the real Win32 window: the same
// model of what a user sees, checked after every action against the real controls.
#include "tests/ui/random_sessions.h"
#include "tests/ui/session_model.h"
#include "tests/win32/message_box_closer.h"
#include "tests/win32/window_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ui::session {
namespace {

using kolvex_test::textOf;

// A fresh window for every session, as a user can only close one and open another.
class WindowDriver final : public Driver {
public:
    void restart() override {
        m_window.reset();
        m_window = std::make_unique<kolvex_test::OpenWindow>();
        m_closer = std::make_unique<kolvex_test::MessageBoxCloser>(form());
    }

    void apply(const Action& a) override {
        switch (a.kind) {
        case Kind::Model:
        case Kind::Mode:
            return kolvex_test::click(form().control(*optionOf(a.kind, a.index)));
        case Kind::Choose:
            return kolvex_test::choose(form(), a.list, a.index);
        case Kind::Calculate:
            return m_closer->whileOpen([this] { kolvex_test::click(form().control(Control::Count_BTN)); });
        case Kind::Clear:
            return kolvex_test::click(form().control(Control::Clear_BTN));
        case Kind::Language:
            return kolvex_test::chooseLanguage(form(), a.index);
        }
    }

    bool enabled(Control c) const override { return IsWindowEnabled(form().control(c)) != FALSE; }
    bool visible(Control c) const override { return IsWindowVisible(form().control(c)) != FALSE; }
    std::string caption(Control c) const override { return textOf(form().control(c)); }
    int entryCount(Control list) const override {
        return static_cast<int>(SendMessageW(form().control(list), CB_GETCOUNT, 0, 0));
    }
    std::string entryText(Control list, int entry) const override { return kolvex_test::entryOf(form(), list, entry); }
    int selectedIndex(Control list) const override {
        return static_cast<int>(SendMessageW(form().control(list), CB_GETCURSEL, 0, 0));
    }
    // The edit control keeps the text as it was set, CR LF line ends included.
    std::string resultText() const override { return textOf(form().control(Control::Text1)); }
    std::size_t messageCount() const override { return m_closer->seen().size(); }
    Message lastMessage() const override {
        const kolvex_test::SeenMessage& m = m_closer->seen().back();
        return {m.title, m.text};
    }
    std::string decimalSeparator() const override { return kolvex_test::regionalDecimalSeparator(); }
    const calc::RecordSettings* record() const override { return &form().form().settings(); }
    std::optional<bool> checked(Control option) const override {
        return SendMessageW(form().control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

private:
    const win32::Form1& form() const { return m_window->form; }

    std::unique_ptr<kolvex_test::OpenWindow> m_window;
    std::unique_ptr<kolvex_test::MessageBoxCloser> m_closer;
};

TEST(Win32WindowSessionTest, RandomSessionsOnTheRealWindowKeepEveryProperty) {
    WindowDriver driver;
    checkRandomSessions(driver, 300, 100, "sessions on the Win32 window");
}

} // namespace
} // namespace ui::session
