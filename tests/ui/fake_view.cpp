#include "tests/ui/fake_view.h"

#include "calc/value_tables.h"
#include "lang/captions.h"
#include "ui/captioned_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ui::testing {
namespace {

std::string name(Control c) {
    return std::string(controlName(c));
}

// A user can only act on what is enabled and shown.
bool reachable(const FakeView& view, Control c) {
    const bool ok = view.enabled(c) && view.visible(c);
    EXPECT_TRUE(ok) << "a user cannot reach " << name(c) << " now";
    return ok;
}

} // namespace

std::size_t FakeView::slot(Control list) {
    const auto it = std::find(kLists.begin(), kLists.end(), list);
    EXPECT_NE(it, kLists.end()) << name(list) << " is not a list";
    return it == kLists.end() ? 0 : static_cast<std::size_t>(it - kLists.begin());
}

FakeView::FakeView() {
    for (const auto& [control, item] : kCaptionedControls) {
        m_controls[index(control)].caption = lang::kInitialCaptions[item];
    }
    m_resultName = initialResultBoxName();
    m_controls[index(Control::Count_BTN)].enabled = true;
    m_controls[index(Control::Label1_5)].visible = false;
    m_controls[index(Control::Combo6)].visible = false;

    m_entries[0].assign(calc::kVideoSystemEntries.begin(), calc::kVideoSystemEntries.end());
    m_entries[1].assign(calc::kQualityEntries.begin(), calc::kQualityEntries.end());
    for (const auto& e : calc::resolutionRow(1, 0)) {
        m_entries[2].emplace_back(e.text);
    }
    for (std::size_t k = 0; k < calc::kSpeedEntryCount; ++k) {
        m_entries[3].push_back(calc::speedEntryText(k));
    }
    for (const auto& e : calc::kRecordHours) {
        m_entries[4].emplace_back(e.text);
    }
    for (const auto& e : calc::kHddSizes) {
        m_entries[5].emplace_back(e.text);
    }
}

void FakeView::setControlEnabled(Control c, bool enabled) {
    m_log.push_back((enabled ? "enable " : "disable ") + name(c));
    m_controls[index(c)].enabled = enabled;
}

void FakeView::setControlVisible(Control c, bool visible) {
    m_log.push_back((visible ? "show " : "hide ") + name(c));
    m_controls[index(c)].visible = visible;
}

void FakeView::setCaption(Control c, std::string_view caption) {
    m_log.push_back("caption " + name(c) + "=" + std::string(caption));
    m_controls[index(c)].caption = caption;
}

int FakeView::selectedIndex(Control list) const {
    m_log.push_back("read " + name(list) + ".index");
    return m_selected[slot(list)];
}

std::string FakeView::selectedText(Control list) const {
    m_log.push_back("read " + name(list) + ".text");
    const int e = m_selected[slot(list)];
    return e < 0 ? std::string() : m_entries[slot(list)][static_cast<std::size_t>(e)];
}

void FakeView::setEntryText(Control list, int entry, std::string_view text) {
    m_log.push_back("entry " + name(list) + "[" + std::to_string(entry) + "]=" + std::string(text));
    auto& entries = m_entries[slot(list)];
    ASSERT_TRUE(entry >= 0 && static_cast<std::size_t>(entry) < entries.size()) << "no entry " << entry;
    entries[static_cast<std::size_t>(entry)] = text;
}

void FakeView::setResultText(std::string_view text) {
    m_log.push_back("result=" + std::string(text));
    m_result = text;
}

void FakeView::setResultName(std::string_view name) {
    m_log.push_back("name Text1=" + std::string(name));
    m_resultName = name;
}

void FakeView::showMessage(std::string_view title, std::string_view text) {
    m_log.push_back("message " + std::string(title) + ": " + std::string(text));
    m_messages.push_back({std::string(title), std::string(text)});
}

std::string FakeView::decimalSeparator() const {
    m_log.emplace_back("read separator");
    return m_separator;
}

void FakeWindow::clickMode(std::int16_t element) {
    if (reachable(view, element == 0 ? Control::Option1_0 : Control::Option1_1)) {
        form.onModeChosen(element);
    }
}

void FakeWindow::clear() {
    if (reachable(view, Control::Clear_BTN)) {
        form.onClearClicked();
    }
}

void FakeWindow::choose(Control list, int entry) {
    const auto slot = std::find(kLists.begin(), kLists.end(), list) - kLists.begin();
    if (slot == std::ssize(kLists) || !reachable(view, list)) {
        ADD_FAILURE() << "cannot choose in " << name(list);
        return;
    }
    ASSERT_TRUE(entry >= 0 && static_cast<std::size_t>(entry) < view.entries(list).size()) << "no entry " << entry;
    view.choose(list, entry);
    void (Form::*const handlers[])() = {&Form::onVideoSystemChosen, &Form::onQualityChosen,  &Form::onResolutionChosen,
                                        &Form::onSpeedChosen,       &Form::onDurationChosen, &Form::onHddSizeChosen};
    (form.*handlers[slot])();
}

void FakeWindow::choose(Control list, std::string_view text) {
    const auto& entries = view.entries(list);
    const auto it = std::find(entries.begin(), entries.end(), text);
    ASSERT_NE(it, entries.end()) << name(list) << " has no entry \"" << text << "\"";
    choose(list, static_cast<int>(it - entries.begin()));
}

} // namespace ui::testing
