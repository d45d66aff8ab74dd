#pragma once

#include "tests/ui/fake_view.h"
#include "tests/ui/session_model.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace ui::session {

// The form behind a fake view, worked as the window's binding works it. `unbound` names actions
// whose event never reaches the form: to prove that the checks notice a broken binding, or to
// follow a toolkit that raises no event for them.
class FakeDriver : public Driver {
public:
    explicit FakeDriver(std::function<bool(const Action&)> unbound = {}) : m_unbound(std::move(unbound)) {}

    void restart() override { m_window = std::make_unique<testing::FakeWindow>(); }
    void apply(const Action& a) override;

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

} // namespace ui::session
