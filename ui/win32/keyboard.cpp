#include "ui/win32/keyboard.h"

#include "ui/captioned_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace ui::win32 {
namespace {

using layout::ControlLayout;
using layout::Kind;

bool continuesOptionRow(const ControlLayout& info) {
    if (info.kind != Kind::OptionButton) {
        return false;
    }
    const auto at = std::find(layout::kFocusOrder.begin(), layout::kFocusOrder.end(), info.id);
    if (at == layout::kFocusOrder.begin()) {
        return false;
    }
    const ControlLayout& before = layout::controlLayout(*(at - 1));
    return before.kind == Kind::OptionButton && before.container == info.container;
}

// The row caption that names a list, if it has one.
std::optional<Control> rowCaptionOf(Control list) {
    for (const auto& [c, item] : kCaptionedControls) {
        if (layout::listOfRowCaption(c) == list) {
            return c;
        }
    }
    return std::nullopt;
}

LRESULT CALLBACK resultBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, &resultBoxProc, 0);
    }
    const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    if (message == WM_GETDLGCODE && key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_ESCAPE) {
        return result & ~DLGC_WANTALLKEYS;
    }
    return result;
}

} // namespace

DWORD keyboardStyle(Control c) {
    const ControlLayout& info = layout::controlLayout(c);
    if (continuesOptionRow(info)) {
        return 0;
    }
    return WS_GROUP | (layout::takesFocus(info.kind) ? WS_TABSTOP : 0);
}

void orderForKeyboard(const ControlWindows& controls) {
    const auto window = [&controls](Control c) { return controls[static_cast<std::size_t>(c)]; };
    std::vector<HWND> order;
    for (const Control c : layout::kFocusOrder) {
        if (layout::controlLayout(c).kind == Kind::DropDownList) {
            if (const auto caption = rowCaptionOf(c)) {
                order.push_back(window(*caption));
            }
        }
        order.push_back(window(c));
    }
    for (HWND control : controls) {
        if (std::find(order.begin(), order.end(), control) == order.end()) {
            order.push_back(control);
        }
    }
    HWND after = HWND_TOP;
    for (HWND control : order) {
        SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = control;
    }
}

void leaveEscapeToWindow(HWND box) {
    SetWindowSubclass(box, &resultBoxProc, 0, 0);
}

void moveFocusOffIf(HWND dialog, HWND control) {
    if (GetFocus() == control) {
        SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
    }
}

} // namespace ui::win32
