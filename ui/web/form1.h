#pragma once

#include "ui/form.h"
#include "ui/view.h"
#include "ui/window_layout.h"

#include <string>
#include <string_view>

namespace ui::web {

// What the page's script reports for a Language item, with the item's index; for any other
// control the event is the control's number, ui::Control.
inline constexpr int kLanguageItemEvent = kControlCount;

// The calculator's window as a page: every control built from the shared layout, each event
// passed to the form's entry point for its kind of control, and the form's View calls carried out on the
// page's elements. It keeps no state of its own; the elements and the form hold it all.
//
// Element ids are the layout names: Option2(1) is "Option2_1", the menu item Language(3) is
// "Language_3".
class Form1 final : public View {
public:
    Form1();

    // The load step, then the window is shown.
    void load();
    // An event on the control numbered `event`, or on Language item `element`.
    void dispatch(int event, int element);
    // The page switched between the desktop and the narrow layout: the row captions are fitted
    // to their new room.
    void layoutChanged() { fitRowCaptions(); }

    void setControlEnabled(Control c, bool enabled) override;
    void setControlVisible(Control c, bool visible) override;
    void setCaption(Control c, std::string_view caption) override;
    int selectedIndex(Control list) const override;
    std::string selectedText(Control list) const override;
    void setEntryText(Control list, int entry, std::string_view text) override;
    void setResultText(std::string_view text) override;
    void setResultName(std::string_view name) override;
    void showMessage(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    // The steps that build the page, in the order the constructor runs them.
    void buildWindow();
    void buildMenu();
    void buildControls();
    void orderFocus();
    void bindEvents();

    void createControl(const layout::ControlLayout& info);
    void fitRowCaptions();

    Form m_form{*this};
};

} // namespace ui::web
