#include "tests/win32/message_box_closer.h"

#include "tests/win32/window_driver.h"
#include "ui/win32/text.h"
#include "ui/win32/window_font.h"

#include <gtest/gtest.h>

namespace kolvex_test {
namespace {

constexpr int kTextId = 0xFFFF;

thread_local MessageBoxCloser* t_closer = nullptr;

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

HWND openBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) {
            if (classOf(window) == L"#32770" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(out) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

void MessageBoxCloser::whileOpen(const std::function<void()>& action) {
    t_closer = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &MessageBoxCloser::onTimer);
    action();
    KillTimer(nullptr, timer);
    t_closer = nullptr;
}

void CALLBACK MessageBoxCloser::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (t_closer != nullptr) {
        t_closer->closeOpenBox();
    }
}

void MessageBoxCloser::closeOpenBox() {
    HWND box = openBox();
    if (box == nullptr) {
        return;
    }
    HWND text = GetDlgItem(box, kTextId);
    m_seen.push_back({textOf(box), textOf(text)});
    int buttons = 0;
    bool icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        buttons += classOf(child) == L"Button" ? 1 : 0;
        icon = icon || (classOf(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                        SendMessageW(child, STM_GETICON, 0, 0) != 0);
    }
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(textOf(GetDlgItem(box, IDOK)), "OK");
    EXPECT_FALSE(icon);
    EXPECT_EQ(GetWindow(box, GW_OWNER), m_window.handle());
    EXPECT_FALSE(IsWindowEnabled(m_window.handle())) << "the message box is not modal";
    const auto font = reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0));
    EXPECT_TRUE(ui::win32::holdsEveryGlyph(font, ui::win32::widen(m_seen.back().text)))
        << "the message box's font has no glyph for a character of \"" << m_seen.back().text << "\"";
    // The one line of the message fits its place: not wrapped, not cut.
    const std::wstring wide = ui::win32::widen(m_seen.back().text);
    HDC dc = GetDC(text);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(text, dc);
    RECT room{};
    GetClientRect(text, &room);
    EXPECT_LE(extent.cx, room.right) << "the message does not fit on one line";
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

UnexpectedMessageGuard::UnexpectedMessageGuard() : m_timer(SetTimer(nullptr, 0, 500, &onTimer)) {}

UnexpectedMessageGuard::~UnexpectedMessageGuard() {
    KillTimer(nullptr, m_timer);
}

void CALLBACK UnexpectedMessageGuard::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = openBox();
    if (t_closer != nullptr || box == nullptr) {
        return;
    }
    ADD_FAILURE() << "a message box the test does not expect is open: \"" << textOf(box) << "\", \""
                  << textOf(GetDlgItem(box, kTextId)) << "\"";
    SendMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace kolvex_test
