#pragma once

#include "ui/form.h"
#include "ui/view.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui::testing {

// Position of a list among Combo1..Combo6 (0..5); a test that passes any other control fails.
std::size_t listSlot(Control list);
inline constexpr std::array<Control, 6> kLists = {Control::Combo1, Control::Combo2, Control::Combo3,
                                                  Control::Combo4, Control::Combo5, Control::Combo6};

struct Message {
    std::string title;
    std::string text;
    bool operator==(const Message&) const = default;
};

// A window as it opens, kept in memory. Every call the form makes is logged as one line:
// "enable Option1(0)", "hide Combo6", "caption Clear_BTN=Loschen", "entry Combo3[1]=240IPS@360*240",
// "read Combo3.index", "read Combo1.text", "read separator", "result=<text>", "message <title>: <text>".
class FakeView : public View {
public:
    FakeView();

    void setEnabled(Control c, bool enabled) override;
    void setVisible(Control c, bool visible) override;
    void setCaption(Control c, std::string_view caption) override;
    int selectedIndex(Control list) const override;
    std::string selectedText(Control list) const override;
    void setEntryText(Control list, int entry, std::string_view text) override;
    void setResultText(std::string_view text) override;
    void showMessage(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() const override;

    // The user picks an entry; the caller then runs the list's handler, as the window's binding does.
    void choose(Control list, int entry);
    // The entry that currently reads `text`, or -1.
    int entryOf(Control list, std::string_view text) const;

    void setDecimalSeparator(std::string separator) { m_separator = std::move(separator); }

    bool enabled(Control c) const { return m_state[index(c)].enabled; }
    bool visible(Control c) const { return m_state[index(c)].visible; }
    const std::string& caption(Control c) const { return m_state[index(c)].caption; }
    const std::vector<std::string>& entries(Control list) const { return m_entries[listSlot(list)]; }
    int selection(Control list) const { return m_selected[listSlot(list)]; }
    const std::string& resultText() const { return m_result; }
    const std::vector<Message>& messages() const { return m_messages; }

    const std::vector<std::string>& log() const { return m_log; }
    // The log so far, leaving it empty for the next step.
    std::vector<std::string> takeLog();

private:
    struct State {
        bool enabled = false;
        bool visible = true;
        std::string caption;
    };
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

    std::array<State, kControlCount> m_state;
    std::array<std::vector<std::string>, 6> m_entries;
    std::array<int, 6> m_selected;
    std::string m_result;
    std::vector<Message> m_messages;
    std::string m_separator = ".";
    mutable std::vector<std::string> m_log;
};

// The form bound to a fake view the way the window binds it: every user event runs its handler.
struct FakeWindow {
    FakeView view;
    Form form{view};

    FakeWindow() { form.onLoad(); }

    // A user reaches only enabled and visible controls; a step that asks for another one fails the test.
    void clickModel(std::int16_t element) { form.onModelChosen(element); }
    void clickMode(std::int16_t element);
    void choose(Control list, int entry);
    void choose(Control list, std::string_view text);
    void calculate() { form.onCalculateClicked(); }
    void clear();
    void language(std::int16_t index) { form.onLanguageChosen(index); }

private:
    bool reachable(Control c) const;
};

} // namespace ui::testing
