#pragma once

#include "tests/ui/session_model.h"
#include "ui/form.h"
#include "ui/view.h"
#include "ui/window_layout.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::testing {

struct Message {
    std::string title;
    std::string text;
    bool operator==(const Message&) const = default;
};

// The window as it opens, kept in memory. Every call of the form is logged as one line:
// "enable Option1_0", "hide Combo6", "caption Clear_BTN=Loschen", "entry Combo3[1]=240IPS@360*240",
// "read Combo3.index", "read Combo1.text", "read separator", "result=<text>", "message <title>: <text>".
class FakeView : public View {
public:
    FakeView();

    void setControlEnabled(Control c, bool enabled) override;
    void setControlVisible(Control c, bool visible) override;
    void setCaption(Control c, std::string_view caption) override;
    int selectedIndex(Control list) const override;
    std::string selectedText(Control list) const override;
    void setEntryText(Control list, int entry, std::string_view text) override;
    void setResultText(std::string_view text) override;
    void setResultName(std::string_view name) override;
    void showMessage(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() const override;

    // The user picks an entry; the caller then runs the list's handler, as the window's binding does.
    void choose(Control list, int entry) { m_selected[slot(list)] = entry; }
    void setDecimalSeparator(std::string separator) { m_separator = std::move(separator); }

    bool enabled(Control c) const { return m_controls[index(c)].enabled; }
    bool visible(Control c) const { return m_controls[index(c)].visible; }
    const std::string& caption(Control c) const { return m_controls[index(c)].caption; }
    const std::vector<std::string>& entries(Control list) const { return m_entries[slot(list)]; }
    int selection(Control list) const { return m_selected[slot(list)]; }
    const std::string& resultText() const { return m_result; }
    const std::string& resultName() const { return m_resultName; }
    const std::vector<Message>& messages() const { return m_messages; }

    const std::vector<std::string>& log() const { return m_log; }
    std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }

private:
    struct State {
        bool enabled = false;
        bool visible = true;
        std::string caption;
    };
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }
    static std::size_t slot(Control list); // 0 for Combo1 .. 5 for Combo6

    std::array<State, kControlCount> m_controls;
    std::array<std::vector<std::string>, 6> m_entries;
    std::array<int, 6> m_selected{-1, -1, -1, -1, -1, -1};
    std::string m_result;
    std::string m_resultName;
    std::vector<Message> m_messages;
    std::string m_separator = ".";
    mutable std::vector<std::string> m_log;
};

// The form bound to a fake view the way the window binds it. A user reaches only enabled and
// visible controls; a step that asks for another one fails the test.
struct FakeWindow {
    FakeView view;
    Form form{view};

    FakeWindow() { form.onLoad(); }

    void clickModel(std::int16_t element); // Option2(element)
    void clickMode(std::int16_t element);  // Option1(element)
    void choose(Control list, int entry);
    void choose(Control list, std::string_view text);
    void calculate() { form.buttonClicked(Control::Count_BTN); }
    void clear();
    void language(std::int16_t index) { form.languageItemChosen(index); }

private:
    // The option of a model or mode action, as a user clicks it.
    void click(session::Kind kind, std::int16_t element);
};

} // namespace ui::testing
