#include "tests/ui/fake_view.h"

#include "tests/ui/session_model.h"
#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

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

// The window as its description has it at start.
FakeView::FakeView() {
    for (const layout::ControlLayout& row : layout::kControls) {
        m_controls[index(row.id)] = {row.enabled, row.visible, std::string(row.caption)};
    }
    m_resultName = initialResultBoxName();
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        for (std::size_t entry = 0; entry < layout::entryCount(kLists[i]); ++entry) {
            m_entries[i].push_back(layout::entryText(kLists[i], entry));
        }
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

void FakeWindow::clickModel(std::int16_t element) {
    click(session::Kind::Model, element);
}

void FakeWindow::clickMode(std::int16_t element) {
    click(session::Kind::Mode, element);
}

void FakeWindow::click(session::Kind kind, std::int16_t element) {
    const std::optional<Control> option = session::optionOf(kind, element);
    if (!option) {
        ADD_FAILURE() << "no option raises element " << element;
    } else if (reachable(view, *option)) {
        form.optionClicked(*option);
    }
}

void FakeWindow::clear() {
    if (reachable(view, Control::Clear_BTN)) {
        form.buttonClicked(Control::Clear_BTN);
    }
}

void FakeWindow::choose(Control list, int entry) {
    if (std::find(kLists.begin(), kLists.end(), list) == kLists.end() || !reachable(view, list)) {
        ADD_FAILURE() << "cannot choose in " << name(list);
        return;
    }
    ASSERT_TRUE(entry >= 0 && static_cast<std::size_t>(entry) < view.entries(list).size()) << "no entry " << entry;
    view.choose(list, entry);
    form.listChosen(list);
}

void FakeWindow::choose(Control list, std::string_view text) {
    const auto& entries = view.entries(list);
    const auto it = std::find(entries.begin(), entries.end(), text);
    ASSERT_NE(it, entries.end()) << name(list) << " has no entry \"" << text << "\"";
    choose(list, static_cast<int>(it - entries.begin()));
}

} // namespace ui::testing
