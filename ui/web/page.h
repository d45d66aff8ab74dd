#pragma once

#include "ui/form.h"
#include "ui/view.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

namespace layout {
struct ControlLayout;
}

namespace web {

// An event on a control, as the page's script reports it, with the element's index for an option
// button or a Language item.
enum class Event : std::uint8_t {
    ModelChosen,
    ModeChosen,
    VideoSystemChosen,
    QualityChosen,
    ResolutionChosen,
    SpeedChosen,
    DurationChosen,
    HddSizeChosen,
    CalculateClicked,
    ClearClicked,
    LanguageChosen,
};

// The calculator's window as a page: every control built from the shared layout, each event
// passed to exactly one handler of the form, and the form's View calls carried out on the
// page's elements. It keeps no state of its own; the elements and the form hold it all.
//
// Element ids are the layout names: Option2(1) is "Option2_1", the menu item Language(3) is
// "Language_3".
class Page final : public View {
public:
    Page();

    // The load step, then the window is shown.
    void load();
    void dispatch(Event event, int element);
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

} // namespace web
} // namespace ui
