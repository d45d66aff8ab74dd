#pragma once

#include "calc/value_tables.h"
#include "lang/captions.h"
#include "lang/language_texts.h"
#include "ui/view.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The calculator's window as every front-end builds it: each control's kind, container, caption,
// place, keyboard order and state at start, and what each list offers at start. A front-end reads
// this table and nothing else for the layout; only fonts and pixels are its own.
namespace ui::layout {

// Twips, 1/1440 inch, 15 to a pixel at 96 dots per inch; Left and Top from the top-left corner of
// the container: the client area, or the frame's own corner for a control inside a frame.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kTwipsPerInch = 1440;

// The size in pixels at `dpi` dots per inch, rounded down as the layout's own 15-twip pixels are.
constexpr int toPixels(int twips, int dpi) {
    return twips * dpi / kTwipsPerInch;
}

enum class Kind : std::uint8_t { Frame, OptionButton, DropDownList, Label, CommandButton, TextBox };

struct ControlLayout {
    std::string_view name; // the layout name: "Frame3", "Option2_1" for Option2(1), "Combo5"
    Kind kind;
    std::string_view container; // empty for the client area, else the frame's name
    std::string_view caption;   // the caption at start; empty for a list or the result box
    Twips at;
    int tabIndex;                                  // 0 to 22, unique; frames and labels never take the focus
    bool enabled;                                  // at start
    bool visible;                                  // at start
    std::int16_t element = -1;                     // an option button's index in its control array, -1 elsewhere
    std::optional<Control> control = std::nullopt; // the control the form reaches, if any
};

// The window.
inline constexpr std::string_view kTitleBeforeVersion = "Kolvex DVR Record time calculator Ver ";
inline constexpr int kClientWidth = 8385;
inline constexpr int kClientHeight = 4665;
inline constexpr std::string_view kLanguageMenuCaption = "&Language";
inline constexpr std::string_view kModelFrameCaption = "DVR MODEL";

// The window's default font, a narrow sans serif at 8 points in which every report line fits the
// result box on one line, and the row captions' Ming font at 9.75 points. The caption font is the
// Ming font under its own name and the names it has elsewhere; then a proportional serif for the
// Latin letters, like the Ming font's own; then the free Ming fonts for the Chinese characters.
inline constexpr std::string_view kWindowFontFamily = "Roboto Condensed";
inline constexpr double kWindowFontPoints = 8.0;
inline constexpr double kCaptionFontPoints = 9.75;
inline constexpr std::array<std::string_view, 11> kCaptionFontFamilies = {
    "新細明體",     "PMingLiU",     "MingLiU",        "Times New Roman", "Liberation Serif",  "Tinos",
    "Nimbus Roman", "DejaVu Serif", "AR PL UMing TW", "AR PL New Sung",  "Noto Serif CJK TC",
};

// For a text the window font has no glyphs for (the Chinese captions, report and message): the
// Ming font where the system has it, then the Chinese UI fonts of Windows, then the free Ming
// fonts. A toolkit that fills missing characters in from other fonts needs none of this; a font the
// program loads itself is filled in by no one, so a front-end that does not should choose from here.
inline constexpr std::array<std::string_view, 9> kChineseFontFamilies = {
    "新細明體",           "PMingLiU",       "MingLiU",        "Microsoft JhengHei UI", "Microsoft JhengHei",
    "Microsoft YaHei UI", "AR PL UMing TW", "AR PL New Sung", "Noto Sans CJK TC",
};

namespace detail {
constexpr std::string_view caption(lang::Item item) {
    return lang::kInitialCaptions[item];
}
} // namespace detail

// By container, each container's children in stacking order (a later one lies above an earlier
// one); every frame comes before its children.
inline constexpr std::array<ControlLayout, 23> kControls = {{
    {"Frame3", Kind::Frame, "", kModelFrameCaption, {120, 120, 8175, 615}, 18, true, true},
    {"Option2_1", Kind::OptionButton, "Frame3", calc::kModelCaptions[0], {120, 240, 1215, 255}, 22, true, true, 1},
    {"Option2_3", Kind::OptionButton, "Frame3", calc::kModelCaptions[2], {2760, 240, 1815, 255}, 21, true, true, 3},
    {"Option2_2", Kind::OptionButton, "Frame3", calc::kModelCaptions[1], {1560, 240, 855, 255}, 20, true, true, 2},
    {"Frame2", Kind::Frame, "", "", {120, 720, 8175, 615}, 15, true, true},
    {"Option1_1",
     Kind::OptionButton,
     "Frame2",
     detail::caption(lang::TimeOption),
     {3240, 240, 4455, 255},
     17,
     false,
     true,
     1,
     Control::Option1_1},
    {"Option1_0",
     Kind::OptionButton,
     "Frame2",
     detail::caption(lang::CapacityOption),
     {240, 240, 2655, 255},
     16,
     false,
     true,
     0,
     Control::Option1_0},
    {"Text1", Kind::TextBox, "", "", {4320, 1440, 3975, 3135}, 10, true, true},
    {"Frame1", Kind::Frame, "", "", {120, 1320, 4095, 3255}, 0, true, true},
    {"Combo5", Kind::DropDownList, "Frame1", "", {2400, 2280, 1575, 300}, 13, false, true, -1, Control::Combo5},
    {"Clear_BTN",
     Kind::CommandButton,
     "Frame1",
     detail::caption(lang::ClearButton),
     {480, 2760, 1335, 375},
     11,
     false,
     true,
     -1,
     Control::Clear_BTN},
    {"Combo1", Kind::DropDownList, "Frame1", "", {2400, 360, 1575, 300}, 5, false, true, -1, Control::Combo1},
    {"Combo2", Kind::DropDownList, "Frame1", "", {2400, 840, 1575, 300}, 4, false, true, -1, Control::Combo2},
    {"Combo3", Kind::DropDownList, "Frame1", "", {2400, 1320, 1575, 300}, 3, false, true, -1, Control::Combo3},
    {"Combo4", Kind::DropDownList, "Frame1", "", {2400, 1800, 1575, 300}, 2, false, true, -1, Control::Combo4},
    {"Count_BTN",
     Kind::CommandButton,
     "Frame1",
     detail::caption(lang::CalculateButton),
     {2160, 2760, 1335, 375},
     1,
     true,
     true,
     -1,
     Control::Count_BTN},
    {"Combo6", Kind::DropDownList, "Frame1", "", {2400, 2280, 1575, 300}, 19, false, false, -1, Control::Combo6},
    {"Label1_5",
     Kind::Label,
     "Frame1",
     detail::caption(lang::HddSizeLabel),
     {120, 2280, 2175, 375},
     14,
     false,
     false,
     -1,
     Control::Label1_5},
    {"Label1_4",
     Kind::Label,
     "Frame1",
     detail::caption(lang::DurationLabel),
     {120, 2280, 1935, 375},
     12,
     false,
     true,
     -1,
     Control::Label1_4},
    {"Label1_0",
     Kind::Label,
     "Frame1",
     detail::caption(lang::VideoSystemLabel),
     {120, 360, 2175, 375},
     9,
     false,
     true,
     -1,
     Control::Label1_0},
    {"Label1_1",
     Kind::Label,
     "Frame1",
     detail::caption(lang::QualityLabel),
     {120, 840, 2175, 375},
     8,
     false,
     true,
     -1,
     Control::Label1_1},
    {"Label1_2",
     Kind::Label,
     "Frame1",
     detail::caption(lang::ResolutionLabel),
     {120, 1320, 2175, 375},
     7,
     false,
     true,
     -1,
     Control::Label1_2},
    {"Label1_3",
     Kind::Label,
     "Frame1",
     detail::caption(lang::SpeedLabel),
     {120, 1800, 2175, 375},
     6,
     false,
     true,
     -1,
     Control::Label1_3},
}};

// The list a row caption names for a screen reader, by the row caption's control.
constexpr std::optional<Control> listOfRowCaption(Control label) {
    switch (label) {
    case Control::Label1_0:
        return Control::Combo1;
    case Control::Label1_1:
        return Control::Combo2;
    case Control::Label1_2:
        return Control::Combo3;
    case Control::Label1_3:
        return Control::Combo4;
    case Control::Label1_4:
        return Control::Combo5;
    case Control::Label1_5:
        return Control::Combo6;
    default:
        return std::nullopt;
    }
}

// The entry of kControls named `name`; the name must be there.
constexpr const ControlLayout& controlNamed(std::string_view name) {
    for (const ControlLayout& c : kControls) {
        if (c.name == name) {
            return c;
        }
    }
    return kControls[0]; // not reached for a name of the table; a constant evaluation fails earlier
}

constexpr const ControlLayout& controlLayout(Control c) {
    return controlNamed(controlName(c));
}

constexpr bool takesFocus(Kind kind) {
    return kind != Kind::Frame && kind != Kind::Label;
}

// The controls that can take the focus, in the order of their tab indices.
inline constexpr std::size_t kFocusableCount = [] {
    std::size_t n = 0;
    for (const ControlLayout& c : kControls) {
        n += takesFocus(c.kind) ? 1 : 0;
    }
    return n;
}();

inline constexpr std::array<std::string_view, kFocusableCount> kFocusOrder = [] {
    std::array<std::string_view, kFocusableCount> order{};
    std::size_t next = 0;
    for (int tab = 0; tab < static_cast<int>(kControls.size()); ++tab) {
        for (const ControlLayout& c : kControls) {
            if (c.tabIndex == tab && takesFocus(c.kind)) {
                order[next++] = c.name;
            }
        }
    }
    return order;
}();

// What a list offers at start: Combo3 the entries of the 4CH model in NTSC, Combo4 the 999 speeds.
std::size_t entryCount(Control list);
std::string entryText(Control list, std::size_t entry);

// Every control the form reaches is in the table, under its own name, exactly once; the tab
// indices are 0 to 22 without gaps; a control's container is a frame listed before it.
static_assert(
    [] {
        for (int i = 0; i < kControlCount; ++i) {
            int found = 0;
            for (const ControlLayout& c : kControls) {
                found += c.control == static_cast<Control>(i) && c.name == controlName(static_cast<Control>(i));
            }
            if (found != 1) {
                return false;
            }
        }
        for (int tab = 0; tab < static_cast<int>(kControls.size()); ++tab) {
            int found = 0;
            for (const ControlLayout& c : kControls) {
                found += c.tabIndex == tab;
            }
            if (found != 1) {
                return false;
            }
        }
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            if (kControls[i].container.empty()) {
                continue;
            }
            bool before = false;
            for (std::size_t j = 0; j < i; ++j) {
                before = before || (kControls[j].name == kControls[i].container && kControls[j].kind == Kind::Frame);
            }
            if (!before) {
                return false;
            }
        }
        return true;
    }(),
    "each control once, tab indices 0 to 22, frames before their children");

} // namespace ui::layout
