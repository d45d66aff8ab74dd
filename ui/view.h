#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// The controls a handler reaches, by their layout names. Option2, the frames and the menu are
// never changed by a handler, so they are not here.
enum class Control : std::uint8_t {
    Option1_0, // capacity mode
    Option1_1, // time mode
    Label1_0,
    Label1_1,
    Label1_2,
    Label1_3,
    Label1_4,
    Label1_5,
    Combo1, // video system
    Combo2, // quality
    Combo3, // resolution
    Combo4, // record speed
    Combo5, // record duration
    Combo6, // disk size
    Clear_BTN,
    Count_BTN,
};

inline constexpr int kControlCount = 16;
static_assert(static_cast<int>(Control::Count_BTN) + 1 == kControlCount, "one slot per control");

// The layout name of a control, which is also its widget's objectName and how tests and logs print
// it: "Option1_0" for Option1(0), "Combo3", "Count_BTN". A control left out here does not compile.
constexpr std::string_view controlName(Control c) {
    switch (c) {
    case Control::Option1_0:
        return "Option1_0";
    case Control::Option1_1:
        return "Option1_1";
    case Control::Label1_0:
        return "Label1_0";
    case Control::Label1_1:
        return "Label1_1";
    case Control::Label1_2:
        return "Label1_2";
    case Control::Label1_3:
        return "Label1_3";
    case Control::Label1_4:
        return "Label1_4";
    case Control::Label1_5:
        return "Label1_5";
    case Control::Combo1:
        return "Combo1";
    case Control::Combo2:
        return "Combo2";
    case Control::Combo3:
        return "Combo3";
    case Control::Combo4:
        return "Combo4";
    case Control::Combo5:
        return "Combo5";
    case Control::Combo6:
        return "Combo6";
    case Control::Clear_BTN:
        return "Clear_BTN";
    case Control::Count_BTN:
        return "Count_BTN";
    }
    return {};
}
static_assert(
    [] {
        for (int a = 0; a < kControlCount; ++a) {
            for (int b = a + 1; b < kControlCount; ++b) {
                if (controlName(static_cast<Control>(a)) == controlName(static_cast<Control>(b))) {
                    return false;
                }
            }
        }
        return true;
    }(),
    "every control has a name of its own");

// The six lists, Combo1 to Combo6, in the order of their rows.
inline constexpr std::array<Control, 6> kLists = {Control::Combo1, Control::Combo2, Control::Combo3,
                                                  Control::Combo4, Control::Combo5, Control::Combo6};

// What the form does to the window's controls, and nothing more. The form owns every piece of
// state; an implementation only carries the calls out on real (or recorded) controls.
class View {
public:
    virtual ~View() = default;

    // Named apart from QWidget's setEnabled and setVisible, which a window implementing this view
    // also has.
    virtual void setControlEnabled(Control c, bool enabled) = 0;
    virtual void setControlVisible(Control c, bool visible) = 0;
    virtual void setCaption(Control c, std::string_view caption) = 0;

    // Lists: the selected position (-1 when none), its text (empty when none), and rewriting one
    // entry's text in place without touching the selection or raising a choice.
    virtual int selectedIndex(Control list) const = 0;
    virtual std::string selectedText(Control list) const = 0;
    virtual void setEntryText(Control list, int entry, std::string_view text) = 0;

    virtual void setResultText(std::string_view text) = 0;

    // The name a screen reader announces for the result box; it has no caption of its own.
    virtual void setResultName(std::string_view name) = 0;

    // Modal: returns when the user has closed it. OK button only, no icon.
    virtual void showMessage(std::string_view title, std::string_view text) = 0;

    // The decimal separator of the user's regional settings, as UTF-8.
    virtual std::string decimalSeparator() const = 0;
};

} // namespace ui
