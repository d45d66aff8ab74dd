#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Every control of the window, by its layout name, in the order of the window's description
// (ui/window_layout.h), which is indexed by it. The form reaches the mode options, the row
// captions, the lists and the two buttons; the model options, the frames and the result box are
// here so that every front-end and test names a control one way.
enum class Control : std::uint8_t {
    Frame3,
    Option2_1, // model 4CH
    Option2_3, // model 16CH
    Option2_2, // model 8CH
    Frame2,
    Option1_1, // time mode
    Option1_0, // capacity mode
    Text1,     // the result box
    Frame1,
    Combo5, // record duration
    Clear_BTN,
    Combo1, // video system
    Combo2, // quality
    Combo3, // resolution
    Combo4, // record speed
    Count_BTN,
    Combo6, // disk size
    Label1_5,
    Label1_4,
    Label1_0,
    Label1_1,
    Label1_2,
    Label1_3,
};

inline constexpr int kControlCount = 23;
static_assert(static_cast<int>(Control::Label1_3) + 1 == kControlCount, "one slot per control");

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
