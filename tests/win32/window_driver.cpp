#include "tests/win32/window_driver.h"

#include "ui/win32/text.h"

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
