#pragma once

#include "ui/view.h"
#include "ui/window_layout.h"

#include <windows.h>

#include <array>
#include <optional>

namespace ui::win32 {

// Posted to the window by ListChoices: a choice from an open list has been handled; an open list
// has closed (wParam: the list's Control).
inline constexpr UINT kChoiceDone = WM_APP + 1;
inline constexpr UINT kListClosed = WM_APP + 2;

// A select-only list `height` pixels tall when closed, as its place is, that opens to
// layout::kVisibleEntries entries and then scrolls.
void sizeDropDownList(HWND box, int width, int height);

// Tells the lists' choices apart from their other notifications. A choice is an entry taken from
// the open list (the same entry again included), or a step with the keys or the wheel on the closed
// list; walking the open list chooses nothing, and leaving it without a choice puts back the entry
// of the last choice, the one the form holds.
class ListChoices {
public:
    // A notification `code` from `list`, whose window is `box`: true when it is a choice the list's
    // handler is to run for. Posts kChoiceDone and kListClosed to `owner`.
    bool isChoice(HWND owner, Control list, HWND box, int code);
    // kChoiceDone: the choice is over, and the list's next "selection changed" is a choice again.
    void choiceDone() { m_choosing.reset(); }
    // kListClosed: every notification of the closing has been handled.
    void listClosed(Control list, HWND box) const;

private:
    // A choice from an open list sends its "selection ended" before or after its "selection
    // changed"; the one list whose choice has been handled until the posted end of that choice.
    std::optional<Control> m_choosing;
    // By list, the entry its handler last ran for; -1 = none yet.
    std::array<int, layout::kControls.size()> m_handledEntry = [] {
        std::array<int, layout::kControls.size()> none{};
        none.fill(-1);
        return none;
    }();
};

} // namespace ui::win32
