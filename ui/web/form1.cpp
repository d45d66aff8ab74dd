#include "ui/web/form1.h"

#include "lang/language_table.h"
#include "lang/language_texts.h"
#include "ui/web/dom.h"
#include "ui/web/window_font.h"
#include "ui/window_layout.h"

#include <kolvex/version.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <string>
#include <utility>

namespace ui::web {

namespace {

// A CSS pixel is 1/96 inch, a pixel of the layout's own density.
int px(int twips) {
    return layout::toPixels(twips, layout::kDesignDpi);
}

// The page's lang attribute for each language of the table, by language index.
constexpr std::array<std::string_view, lang::kLanguageCount> kLanguageTags = {"en", "zh-Hant", "de", "fr", "nl"};

// A CSS font-family list: each family quoted, then the generic family for whatever they lack.
template <class Families>
std::string cssFamilies(const Families& families, std::string_view generic) {
    std::string list;
    for (const std::string_view family : families) {
        list += "\"" + std::string(family) + "\", ";
    }
    return list + std::string(generic);
}

std::string joinedLines(std::size_t count, auto text) {
    std::string lines;
    for (std::size_t i = 0; i < count; ++i) {
        lines += (i == 0 ? "" : "\n") + text(i);
    }
    return lines;
}

// The controls in reading order: the client area's by row and then from the left, each frame
// followed by its own children in the same order. Screen readers read them so, and a narrow
// screen lays them out in a column in this order.
std::array<std::size_t, layout::kControls.size()> readingOrder() {
    std::array<std::size_t, layout::kControls.size()> byPlace{};
    std::iota(byPlace.begin(), byPlace.end(), std::size_t{0});
    std::stable_sort(byPlace.begin(), byPlace.end(), [](std::size_t a, std::size_t b) {
        const layout::Twips& p = layout::kControls[a].at;
        const layout::Twips& q = layout::kControls[b].at;
        return std::pair(p.top, p.left) < std::pair(q.top, q.left);
    });
    std::array<std::size_t, layout::kControls.size()> order{};
    std::size_t next = 0;
    for (const std::size_t i : byPlace) {
        if (layout::kControls[i].container) {
            continue;
        }
        order[next++] = i;
        for (const std::size_t child : byPlace) {
            if (layout::kControls[child].container == layout::kControls[i].id) {
                order[next++] = child;
            }
        }
    }
    return order;
}

} // namespace

Form1::Form1() {
    buildWindow();
    buildMenu();
    buildControls();
    setResultName(initialResultBoxName());
    orderFocus();
    bindEvents();
    dom::createMessageBox();
}

void Form1::load() {
    m_form.onLoad();
    dom::showWindow(layout::kWindowFontFamily, windowFontData(), controlName(layout::kStartFocus));
}

void Form1::buildWindow() {
    dom::createWindow(std::string(layout::kTitleBeforeVersion) + std::string(kolvex::kVersion),
                      px(layout::kClientWidth), px(layout::kClientHeight));
    dom::setFonts(cssFamilies(std::array{layout::kWindowFontFamily}, "sans-serif"), layout::kWindowFontPoints,
                  cssFamilies(layout::kCaptionFontFamilies, "serif"), layout::kCaptionFontPoints);
}

void Form1::buildMenu() {
    dom::createMenu(
        layout::kLanguageMenuName, layout::kLanguageItemsName, layout::kLanguageMenuCaption,
        joinedLines(lang::kLanguageNames.size(), [](std::size_t i) { return std::string(lang::kLanguageNames[i]); }));
}

void Form1::buildControls() {
    for (const std::size_t i : readingOrder()) {
        const layout::ControlLayout& info = layout::kControls[i];
        createControl(info);
        // Each container's children keep their stacking order whatever order they were made in.
        dom::place(info.name, px(info.at.left), px(info.at.top), px(info.at.width), px(info.at.height),
                   static_cast<int>(i));
        if (info.kind != layout::Kind::Frame) {
            dom::setEnabled(info.name, info.enabled);
        }
        dom::setVisible(info.name, info.visible);
    }
    fitRowCaptions();
}

void Form1::createControl(const layout::ControlLayout& info) {
    const std::string_view container = info.container ? controlName(*info.container) : dom::kClientArea;
    switch (info.kind) {
    case layout::Kind::Frame:
        return dom::createFrame(info.name, container, info.caption);
    case layout::Kind::OptionButton:
        // Each frame holds one control array of options, which its name groups.
        return dom::createOption(info.name, container, container, info.element, info.caption);
    case layout::Kind::DropDownList: {
        const Control list = info.id;
        return dom::createList(info.name, container, joinedLines(layout::entryCount(list), [list](std::size_t entry) {
                                   return layout::entryText(list, entry);
                               }));
    }
    case layout::Kind::Label:
        // A screen reader names each list by its row caption.
        return dom::createLabel(info.name, container, controlName(*layout::listOfRowCaption(info.id)), info.caption);
    case layout::Kind::CommandButton:
        return dom::createButton(info.name, container, info.caption);
    case layout::Kind::TextBox:
        return dom::createTextBox(info.name, container);
    }
}

void Form1::orderFocus() {
    // Focus moves in the order of the controls' tab indices; frames and labels take no focus.
    int index = 0;
    for (const Control c : layout::kFocusOrder) {
        dom::setTabIndex(controlName(c), ++index);
    }
}

void Form1::bindEvents() {
    for (const layout::ControlLayout& info : layout::kControls) {
        if (info.raises != layout::Event::None) {
            dom::bindEvent(info.name, static_cast<int>(info.id), 0);
        }
    }
    dom::bindArray(layout::kLanguageItemsName, static_cast<int>(lang::kLanguageNames.size()), kLanguageItemEvent);
}

void Form1::dispatch(int event, int element) {
    if (event == kLanguageItemEvent) {
        m_form.languageItemChosen(element);
        // The page's language follows the texts the form has just put up.
        return dom::setLanguage(kLanguageTags[lang::languageRow(m_form.settings().LanguageIndex)]);
    }
    if (event < 0 || event >= kControlCount) {
        return;
    }
    const auto c = static_cast<Control>(event);
    switch (layout::controlLayout(c).kind) {
    case layout::Kind::OptionButton:
        return m_form.optionClicked(c);
    case layout::Kind::DropDownList:
        return m_form.listChosen(c);
    case layout::Kind::CommandButton:
        return m_form.buttonClicked(c);
    default:
        return;
    }
}

void Form1::fitRowCaptions() {
    for (const layout::ControlLayout& info : layout::kControls) {
        if (info.kind == layout::Kind::Label) {
            dom::fitCaption(info.name, layout::kNarrowestCaptionPercent);
        }
    }
}

void Form1::setControlEnabled(Control c, bool enabled) {
    dom::setEnabled(controlName(c), enabled);
}

void Form1::setControlVisible(Control c, bool visible) {
    dom::setVisible(controlName(c), visible);
}

void Form1::setCaption(Control c, std::string_view caption) {
    dom::setCaption(controlName(c), caption);
    if (layout::controlLayout(c).kind == layout::Kind::Label) {
        dom::fitCaption(controlName(c), layout::kNarrowestCaptionPercent);
    }
}

int Form1::selectedIndex(Control list) const {
    return dom::selectedIndex(controlName(list));
}

std::string Form1::selectedText(Control list) const {
    return dom::selectedText(controlName(list));
}

void Form1::setEntryText(Control list, int entry, std::string_view text) {
    dom::setEntryText(controlName(list), entry, text);
}

void Form1::setResultText(std::string_view text) {
    dom::setText(controlName(Control::Text1), text);
}

void Form1::setResultName(std::string_view name) {
    dom::setAccessibleName(controlName(Control::Text1), name);
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    // A page cannot wait for the user inside a handler; the dialog is modal to the page instead,
    // and the form does nothing after the message anyway.
    dom::showMessage(title, text);
}

std::string Form1::decimalSeparator() const {
    return dom::decimalSeparator();
}

} // namespace ui::web
