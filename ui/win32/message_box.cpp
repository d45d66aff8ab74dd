#include "ui/win32/message_box.h"

#include <algorithm>
#include <string>

namespace ui::win32 {
namespace {

constexpr int kTextId = 0xFFFF; // the message box's text control

// The box being opened on this thread: what it says and where its font comes from.
struct Opening {
    HHOOK hook = nullptr;
    std::wstring text;
    WindowFonts* fonts = nullptr;
};
thread_local Opening t_opening;

// Moves a control of the box by (dx, dy) in the box's client coordinates.
void moveBy(HWND box, HWND control, int dx, int dy) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(control, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Gives the text control a font that has every character, and the box the room that font needs.
void useHoldingFont(HWND box) {
    HWND text = GetDlgItem(box, kTextId);
    if (text == nullptr) {
        return;
    }
    auto current = reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0));
    if (current == nullptr) {
        current = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    HFONT holding = t_opening.fonts->fontFor(current, t_opening.text);
    if (holding == current) {
        return;
    }
    RECT now{};
    GetClientRect(text, &now);
    HDC dc = GetDC(text);
    HGDIOBJ old = SelectObject(dc, holding);
    // The message is one line; measured as one, so that the box grows wider rather than wrapping it.
    RECT needed = now;
    DrawTextW(dc, t_opening.text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(text, dc);
    const int dx = std::max(0, static_cast<int>(needed.right - now.right));
    const int dy = std::max(0, static_cast<int>(needed.bottom - now.bottom));
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(holding), TRUE);
    if (dx == 0 && dy == 0) {
        return;
    }
    SetWindowPos(text, nullptr, 0, 0, now.right + dx, now.bottom + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(text, GW_HWNDFIRST); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != text) {
            moveBy(box, child, dx / 2, dy);
        }
    }
    RECT outer{};
    GetWindowRect(box, &outer);
    SetWindowPos(box, nullptr, outer.left - dx / 2, outer.top - dy / 2, outer.right - outer.left + dx,
                 outer.bottom - outer.top + dy, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK watchOpening(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = t_opening.hook;
    if (code == HCBT_ACTIVATE) {
        UnhookWindowsHookEx(hook);
        t_opening.hook = nullptr;
        useHoldingFont(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

void showMessageBox(HWND owner, std::wstring_view title, std::wstring_view text, WindowFonts& fonts) {
    t_opening.text = std::wstring(text);
    t_opening.fonts = &fonts;
    t_opening.hook = SetWindowsHookExW(WH_CBT, watchOpening, nullptr, GetCurrentThreadId());
    const std::wstring caption(title);
    MessageBoxW(owner, t_opening.text.c_str(), caption.c_str(), MB_OK);
    if (t_opening.hook != nullptr) {
        UnhookWindowsHookEx(t_opening.hook);
        t_opening.hook = nullptr;
    }
}

} // namespace ui::win32
