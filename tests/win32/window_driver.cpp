#include "tests/win32/window_driver.h"

#include "tests/ui/session_model.h"
#include "ui/win32/text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kolvex_test {

void pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void pumpAsProgram(const ui::win32::Form1& window) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(window.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

std::string textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return ui::win32::narrow(text);
}

std::string entryOf(const ui::win32::Form1& window, ui::Control list, int entry) {
    HWND box = window.control(list);
    const auto at = static_cast<WPARAM>(entry);
    std::wstring text(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXTLEN, at, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(text.data()))));
    return ui::win32::narrow(text);
}

std::string regionalDecimalSeparator() {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return ui::win32::narrow(std::wstring_view(separator, static_cast<std::size_t>(std::max(length - 1, 0))));
}

void click(HWND button) {
    SCOPED_TRACE("the click on \"" + textOf(button) + "\"");
    SendMessageW(button, BM_CLICK, 0, 0);
    pumpMessages();
}

void choose(const ui::win32::Form1& window, ui::Control list, int entry) {
    SCOPED_TRACE("the choice of " + entryOf(window, list, entry) + " in " + std::string(ui::controlName(list)));
    HWND box = window.control(list);
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(box));
    pumpMessages();
}

void chooseLanguage(const ui::win32::Form1& window, int index) {
    HMENU languages = GetSubMenu(GetMenu(window.handle()), 0);
    SendMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(languages, index), 0), 0);
    pumpMessages();
}

void setUp(const ui::win32::Form1& window, const ui::testing::ReportChoice& c) {
    using ui::Control;
    click(window.control(*ui::session::optionOf(ui::session::Kind::Model, c.model)));
    click(window.control(*ui::session::optionOf(ui::session::Kind::Mode, c.mode)));
    choose(window, Control::Combo1, c.system);
    choose(window, Control::Combo2, c.quality);
    choose(window, Control::Combo3, c.resolution);
    choose(window, Control::Combo4, c.speed);
    choose(window, c.mode == 0 ? Control::Combo5 : Control::Combo6, c.last);
}

void press(const ui::win32::Form1& window, UINT key) {
    HWND focus = GetFocus();
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, key, 1 | scan);
    PostMessageW(focus, WM_KEYUP, key, 1 | scan | (LPARAM{3} << 30));
    pumpAsProgram(window);
}

void clickAt(const ui::win32::Form1& window, HWND control, std::optional<POINT> at) {
    RECT client{};
    GetClientRect(control, &client);
    const POINT p = at.value_or(POINT{client.right / 2, client.bottom / 2});
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    pumpAsProgram(window);
}

HWND openListOf(HWND list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(list, &info);
    return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0 ? info.hwndList : nullptr;
}

OpenWindow::OpenWindow() {
    form.load();
    form.show();
    pumpMessages();
}

OpenWindow::~OpenWindow() {
    DestroyWindow(form.handle());
    pumpMessages();
}

} // namespace kolvex_test
