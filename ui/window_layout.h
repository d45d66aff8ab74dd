#pragma once

#include "calc/value_tables.h"
#include "lang/captions.h"
#include "lang/language_texts.h"
#include "ui/view.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The calculator's window as every front-end builds it: each control's kind, container, caption,
// place, keyboard order, state at start and what a user's act on it raises, what each list offers
// at start, and the window's few rules (focus, list height, narrowed captions). A front-end reads
// this and nothing else for the layout and the binding; only fonts, pixels and toolkit calls are
// its own.
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

// What a user's act on a control makes the form do: the handler it runs. An option's element, its
// index in its control array, goes with it. Frames, row captions and the result box raise nothing.
enum class Event : std::uint8_t {
    None,
    ModelChosen, // Option2
    ModeChosen,  // Option1
    SystemChosen,
    QualityChosen,
    ResolutionChosen,
    SpeedChosen,
    DurationChosen,
    HddSizeChosen,
    Calculate,
    Clear,
};

struct ControlLayout {
    Control id;            // the control of this row, which is also the row's index
    std::string_view name; // the layout name: "Frame3", "Option2_1" for Option2(1), "Combo5"
    Kind kind;
    std::optional<Control> container; // the frame it lies in; none for the client area
    std::string_view caption;         // the caption at start; empty for a list or the result box
    Twips at;
    int tabIndex;         // 0 to 22, unique; frames and labels never take the focus
    bool enabled;         // at start
    bool visible;         // at start
    Event raises;         // what a click or a choice on it runs in the form
    std::int16_t element; // an option button's index in its control array, -1 elsewhere
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

// The layout is in twips, 15 to a pixel at 96 dots per inch; each front-end places its controls in
// pixels of that density, which its toolkit scales to the screen.
inline constexpr int kDesignDpi = 96;

// An open list shows this many entries, then scrolls.
inline constexpr int kVisibleEntries = 14;

// The Language menu and its items, the control array Language(0) to Language(4).
inline constexpr std::string_view kLanguageMenuName = "Language_Main";
inline constexpr std::string_view kLanguageItemsName = "Language";

// Every control, in the order of ui::Control; by container, each container's children in stacking
// order (a later one lies above an earlier one), every frame before its children.
// clang-format off
inline constexpr std::array<ControlLayout, kControlCount> kControls = [] {
    using enum Control;
    using enum Kind;
    using enum Event;
    using enum lang::Item;
    const auto t = [](lang::Item item) { return lang::kInitialCaptions[item]; };
    const auto model = [](std::size_t i) { return calc::kModelCaptions[i]; };
    constexpr std::optional<Control> client;
    return std::array<ControlLayout, kControlCount>{{
    // control  name         kind           in      caption              left   top   width height tab on     shown  raises            element
    {Frame3,    "Frame3",    Frame,         client, kModelFrameCaption,  {120,  120,  8175, 615},  18, true,  true,  None,             -1},
    {Option2_1, "Option2_1", OptionButton,  Frame3, model(0),            {120,  240,  1215, 255},  22, true,  true,  ModelChosen,      1},
    {Option2_3, "Option2_3", OptionButton,  Frame3, model(2),            {2760, 240,  1815, 255},  21, true,  true,  ModelChosen,      3},
    {Option2_2, "Option2_2", OptionButton,  Frame3, model(1),            {1560, 240,  855,  255},  20, true,  true,  ModelChosen,      2},
    {Frame2,    "Frame2",    Frame,         client, "",                  {120,  720,  8175, 615},  15, true,  true,  None,             -1},
    {Option1_1, "Option1_1", OptionButton,  Frame2, t(TimeOption),       {3240, 240,  4455, 255},  17, false, true,  ModeChosen,       1},
    {Option1_0, "Option1_0", OptionButton,  Frame2, t(CapacityOption),   {240,  240,  2655, 255},  16, false, true,  ModeChosen,       0},
    {Text1,     "Text1",     TextBox,       client, "",                  {4320, 1440, 3975, 3135}, 10, true,  true,  None,             -1},
    {Frame1,    "Frame1",    Frame,         client, "",                  {120,  1320, 4095, 3255}, 0,  true,  true,  None,             -1},
    {Combo5,    "Combo5",    DropDownList,  Frame1, "",                  {2400, 2280, 1575, 300},  13, false, true,  DurationChosen,   -1},
    {Clear_BTN, "Clear_BTN", CommandButton, Frame1, t(ClearButton),      {480,  2760, 1335, 375},  11, false, true,  Clear,            -1},
    {Combo1,    "Combo1",    DropDownList,  Frame1, "",                  {2400, 360,  1575, 300},  5,  false, true,  SystemChosen,     -1},
    {Combo2,    "Combo2",    DropDownList,  Frame1, "",                  {2400, 840,  1575, 300},  4,  false, true,  QualityChosen,    -1},
    {Combo3,    "Combo3",    DropDownList,  Frame1, "",                  {2400, 1320, 1575, 300},  3,  false, true,  ResolutionChosen, -1},
    {Combo4,    "Combo4",    DropDownList,  Frame1, "",                  {2400, 1800, 1575, 300},  2,  false, true,  SpeedChosen,      -1},
    {Count_BTN, "Count_BTN", CommandButton, Frame1, t(CalculateButton),  {2160, 2760, 1335, 375},  1,  true,  true,  Calculate,        -1},
    {Combo6,    "Combo6",    DropDownList,  Frame1, "",                  {2400, 2280, 1575, 300},  19, false, false, HddSizeChosen,    -1},
    {Label1_5,  "Label1_5",  Label,         Frame1, t(HddSizeLabel),     {120,  2280, 2175, 375},  14, false, false, None,             -1},
    {Label1_4,  "Label1_4",  Label,         Frame1, t(DurationLabel),    {120,  2280, 1935, 375},  12, false, true,  None,             -1},
    {Label1_0,  "Label1_0",  Label,         Frame1, t(VideoSystemLabel), {120,  360,  2175, 375},  9,  false, true,  None,             -1},
    {Label1_1,  "Label1_1",  Label,         Frame1, t(QualityLabel),     {120,  840,  2175, 375},  8,  false, true,  None,             -1},
    {Label1_2,  "Label1_2",  Label,         Frame1, t(ResolutionLabel),  {120,  1320, 2175, 375},  7,  false, true,  None,             -1},
    {Label1_3,  "Label1_3",  Label,         Frame1, t(SpeedLabel),       {120,  1800, 2175, 375},  6,  false, true,  None,             -1},
    }};
}();
// clang-format on

constexpr const ControlLayout& controlLayout(Control c) {
    return kControls[static_cast<std::size_t>(c)];
}

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

inline constexpr std::array<Control, kFocusableCount> kFocusOrder = [] {
    std::array<Control, kFocusableCount> order{};
    std::size_t next = 0;
    for (int tab = 0; tab < kControlCount; ++tab) {
        for (const ControlLayout& c : kControls) {
            if (c.tabIndex == tab && takesFocus(c.kind)) {
                order[next++] = c.id;
            }
        }
    }
    return order;
}();

// The control that has the focus as the window opens: the first in focus order a user can reach.
inline constexpr Control kStartFocus = [] {
    for (const Control c : kFocusOrder) {
        if (controlLayout(c).enabled && controlLayout(c).visible) {
            return c;
        }
    }
    return kFocusOrder[0];
}();

// A row caption wider than its label is drawn in a narrower cut of its font, as little narrower as
// it takes and no narrower than this share of the font's own width, where it stops being readable.
inline constexpr int kNarrowestCaptionPercent = 70;

// How wide a caption and its room are, in pixels, drawn in one cut of the font.
struct CaptionRoom {
    int text;
    int room;
};

// The cut of its font a row caption is drawn in. `own` is the font's own width and `step` the
// smallest change of it, in the toolkit's units (a stretch in percent, a character width in pixels);
// `measure(cut)` measures the caption in that cut, `own` being the plain font. A cut is about as much
// narrower as the caption is too wide; the steps after that first guess make up for the rounding of
// character widths and for fonts that have a condensed face of their own. A caption that does not
// fit even the narrowest cut is drawn in that.
template <class Measure>
constexpr int captionCut(int own, int step, Measure measure) {
    CaptionRoom m = measure(own);
    if (m.text <= m.room) {
        return own;
    }
    const int narrowest = std::max(1, own * kNarrowestCaptionPercent / 100);
    for (int cut = std::max(narrowest, own * m.room / std::max(m.text, 1));; cut -= step) {
        m = measure(cut);
        if (m.text <= m.room || cut - step < narrowest) {
            return cut;
        }
    }
}

// What a list offers at start: Combo3 the entries of the 4CH model in NTSC, Combo4 the 999 speeds.
std::size_t entryCount(Control list);
std::string entryText(Control list, std::size_t entry);

// Row i is control i under its own name; the tab indices are 0 to 22 without gaps; a control's
// container is a frame listed before it; an option raises a mode or model choice with its element,
// a list a choice, a button Calculate or Clear, and nothing else raises anything.
static_assert(
    [] {
        for (int i = 0; i < kControlCount; ++i) {
            const ControlLayout& c = kControls[static_cast<std::size_t>(i)];
            int tabs = 0;
            for (int j = 0; j < kControlCount; ++j) {
                const ControlLayout& other = kControls[static_cast<std::size_t>(j)];
                tabs += other.tabIndex == i;
                if (j != i && other.name == c.name) {
                    return false;
                }
            }
            if (c.id != static_cast<Control>(i) || tabs != 1) {
                return false;
            }
            if (c.container && (*c.container >= c.id || controlLayout(*c.container).kind != Kind::Frame)) {
                return false;
            }
            const bool option = c.raises == Event::ModelChosen || c.raises == Event::ModeChosen;
            const bool list = c.raises >= Event::SystemChosen && c.raises <= Event::HddSizeChosen;
            const bool button = c.raises == Event::Calculate || c.raises == Event::Clear;
            if ((c.kind == Kind::OptionButton) != option || (c.kind == Kind::DropDownList) != list ||
                (c.kind == Kind::CommandButton) != button || option != (c.element >= 0)) {
                return false;
            }
        }
        return true;
    }(),
    "row i is control i, tab indices 0 to 22, frames before their children, events fit the kinds");

} // namespace ui::layout

namespace ui {

// The layout name of a control, which is also its widget's objectName, its element's id and how
// tests and logs print it: "Option1_0" for Option1(0), "Combo3", "Count_BTN".
constexpr std::string_view controlName(Control c) {
    return layout::controlLayout(c).name;
}

} // namespace ui
