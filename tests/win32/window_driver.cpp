#include "tests/win32/window_driver.h"

#include "ui/win32/text.h"

#include <algorithm>

namespace kolvex_test {

void pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
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
    SendMessageW(button, BM_CLICK, 0, 0);
    pumpMessages();
}

void choose(const ui::win32::Form1& window, ui::Control list, int entry) {
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
