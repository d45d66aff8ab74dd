#include "tests/ui/fake_view.h"

#include "calc/value_tables.h"
#include "lang/captions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ui::testing {
namespace {

template <class Table, class Text>
std::vector<std::string> textsOf(const Table& table, Text text) {
    std::vector<std::string> out;
    for (const auto& row : table) {
        out.emplace_back(text(row));
    }
    return out;
}

std::string name(Control c) {
    return std::string(controlName(c));
}

} // namespace

std::size_t listSlot(Control list) {
    const auto it = std::find(kLists.begin(), kLists.end(), list);
    if (it == kLists.end()) {
        ADD_FAILURE() << name(list) << " is not a list";
        return 0;
    }
    return static_cast<std::size_t>(it - kLists.begin());
}

FakeView::FakeView() {
    // The captioned controls in language-item order; their English captions are the initial ones.
    constexpr std::array<Control, 10> kCaptioned = {
        Control::Option1_0, Control::Option1_1, Control::Label1_0, Control::Label1_1,  Control::Label1_2,
        Control::Label1_3,  Control::Label1_4,  Control::Label1_5, Control::Clear_BTN, Control::Count_BTN};
    for (std::size_t i = 0; i < kCaptioned.size(); ++i) {
        m_state[index(kCaptioned[i])].caption = lang::kInitialCaptions[i];
    }
    m_state[index(Control::Count_BTN)].enabled = true;
    m_state[index(Control::Label1_5)].visible = false;
    m_state[index(Control::Combo6)].visible = false;

    m_entries[0] = textsOf(calc::kVideoSystemEntries, [](std::string_view t) { return t; });
    m_entries[1] = textsOf(calc::kQualityEntries, [](std::string_view t) { return t; });
    m_entries[2] = textsOf(calc::resolutionRow(1, 0), [](const calc::ResolutionEntry& e) { return e.text; });
    for (std::size_t k = 0; k < calc::kSpeedEntryCount; ++k) {
        m_entries[3].push_back(calc::speedEntryText(k));
    }
    m_entries[4] = textsOf(calc::kRecordHours, [](const calc::HoursEntry& e) { return e.text; });
    m_entries[5] = textsOf(calc::kHddSizes, [](const calc::HddEntry& e) { return e.text; });
    m_selected.fill(-1);
}

void FakeView::setEnabled(Control c, bool enabled) {
    m_log.push_back((enabled ? "enable " : "disable ") + name(c));
    m_state[index(c)].enabled = enabled;
}

void FakeView::setVisible(Control c, bool visible) {
    m_log.push_back((visible ? "show " : "hide ") + name(c));
    m_state[index(c)].visible = visible;
}

void FakeView::setCaption(Control c, std::string_view caption) {
    m_log.push_back("caption " + name(c) + "=" + std::string(caption));
    m_state[index(c)].caption = caption;
}

int FakeView::selectedIndex(Control list) const {
    m_log.push_back("read " + name(list) + ".index");
    return m_selected[listSlot(list)];
}

std::string FakeView::selectedText(Control list) const {
    m_log.push_back("read " + name(list) + ".text");
    const std::size_t slot = listSlot(list);
    return m_selected[slot] < 0 ? std::string() : m_entries[slot][static_cast<std::size_t>(m_selected[slot])];
}

void FakeView::setEntryText(Control list, int entry, std::string_view text) {
    m_log.push_back("entry " + name(list) + "[" + std::to_string(entry) + "]=" + std::string(text));
    auto& entries = m_entries[listSlot(list)];
    if (entry < 0 || static_cast<std::size_t>(entry) >= entries.size()) {
        ADD_FAILURE() << "no entry " << entry << " in " << name(list);
        return;
    }
    entries[static_cast<std::size_t>(entry)] = text;
}

void FakeView::setResultText(std::string_view text) {
    m_log.push_back("result=" + std::string(text));
    m_result = text;
}

void FakeView::showMessage(std::string_view title, std::string_view text) {
    m_log.push_back("message " + std::string(title) + ": " + std::string(text));
    m_messages.push_back({std::string(title), std::string(text)});
}

std::string FakeView::decimalSeparator() const {
    m_log.emplace_back("read separator");
    return m_separator;
}

void FakeView::choose(Control list, int entry) {
    const std::size_t slot = listSlot(list);
    if (entry < 0 || static_cast<std::size_t>(entry) >= m_entries[slot].size()) {
        ADD_FAILURE() << "no entry " << entry << " to choose in " << name(list);
        return;
    }
    m_selected[slot] = entry;
}

int FakeView::entryOf(Control list, std::string_view text) const {
    const auto& entries = m_entries[listSlot(list)];
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

std::vector<std::string> FakeView::takeLog() {
    std::vector<std::string> out;
    out.swap(m_log);
    return out;
}

bool FakeWindow::reachable(Control c) const {
    if (view.enabled(c) && view.visible(c)) {
        return true;
    }
    ADD_FAILURE() << "a user cannot reach " << name(c) << " now";
    return false;
}

void FakeWindow::clickMode(std::int16_t element) {
    if (reachable(element == 0 ? Control::Option1_0 : Control::Option1_1)) {
        form.onModeChosen(element);
    }
}

void FakeWindow::clear() {
    if (reachable(Control::Clear_BTN)) {
        form.onClearClicked();
    }
}

void FakeWindow::choose(Control list, int entry) {
    if (!reachable(list)) {
        return;
    }
    view.choose(list, entry);
    switch (list) {
    case Control::Combo1:
        return form.onVideoSystemChosen();
    case Control::Combo2:
        return form.onQualityChosen();
    case Control::Combo3:
        return form.onResolutionChosen();
    case Control::Combo4:
        return form.onSpeedChosen();
    case Control::Combo5:
        return form.onDurationChosen();
    case Control::Combo6:
        return form.onHddSizeChosen();
    default:
        ADD_FAILURE() << name(list) << " is not a list";
    }
}

void FakeWindow::choose(Control list, std::string_view text) {
    const int entry = view.entryOf(list, text);
    if (entry < 0) {
        ADD_FAILURE() << name(list) << " has no entry \"" << text << "\"";
        return;
    }
    choose(list, entry);
}

} // namespace ui::testing
