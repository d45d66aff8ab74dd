#include "ui/win32/drop_down_list.h"

namespace ui::win32 {

void sizeDropDownList(HWND box, int width, int height) {
    // The height a list is given is the height it opens to; the closed list's is its entry field's.
    RECT field{};
    GetWindowRect(box, &field);
    const auto itemHeight = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    const int borders = static_cast<int>(field.bottom - field.top) - itemHeight;
    SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - borders);
    const auto entryHeight = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(box, nullptr, 0, 0, width, height + layout::kVisibleEntries * entryHeight + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ListChoices::isChoice(HWND owner, Control list, HWND box, int code) {
    if (code == CBN_CLOSEUP) {
        // Checked once every notification of the closing has been handled, in whatever order they came.
        PostMessageW(owner, kListClosed, static_cast<WPARAM>(list), 0);
        return false;
    }
    if (code == CBN_SELENDOK) {
        m_choosing = list;
        PostMessageW(owner, kChoiceDone, 0, 0);
    } else if (code != CBN_SELCHANGE || m_choosing == list || SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0)) {
        return false;
    }
    const auto entry = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (entry == CB_ERR) {
        return false;
    }
    m_handledEntry[static_cast<std::size_t>(list)] = entry;
    return true;
}

void ListChoices::listClosed(Control list, HWND box) const {
    // Leaving an open list without a choice (Escape, a click or Tab elsewhere) is a cancel: the list
    // shows the entry it showed before, the one the form holds. Wine leaves it on the entry the
    // arrow keys moved to, which the report would then quote with another entry's numbers.
    const int handled = m_handledEntry[static_cast<std::size_t>(list)];
    if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == 0 && SendMessageW(box, CB_GETCURSEL, 0, 0) != handled) {
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(handled), 0);
    }
}

} // namespace ui::win32
