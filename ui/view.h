#pragma once

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

// The layout name of a control, as tests and logs print it: "Option1(0)", "Combo3", "Count_BTN".
std::string_view controlName(Control c);

// What the form does to the window's controls, and nothing more. The form owns every piece of
// state; an implementation only carries the calls out on real (or recorded) controls.
class View {
public:
    virtual ~View() = default;

    virtual void setEnabled(Control c, bool enabled) = 0;
    virtual void setVisible(Control c, bool visible) = 0;
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
