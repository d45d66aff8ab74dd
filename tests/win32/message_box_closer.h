#pragma once

#include "ui/win32/form1.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kolvex_test {

struct SeenMessage {
    std::string title;
    std::string text;
};

// Finds the message boxes the window opens while an action runs, from a timer of this thread
// that fires inside the box's own modal loop; notes what each says, checks that it is the
// window's modal box with one OK button, no icon and a font that has every character of its
// text, and presses OK as the user would.
class MessageBoxCloser {
public:
    explicit MessageBoxCloser(const ui::win32::Form1& window) : m_window(window) {}

    void whileOpen(const std::function<void()>& action);
    const std::vector<SeenMessage>& seen() const { return m_seen; }

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void closeOpenBox();

    const ui::win32::Form1& m_window;
    std::vector<SeenMessage> m_seen;
};

// While it lives, a message box that no MessageBoxCloser waits for fails the running test, with
// the steps it is in, and is closed, so that the test goes on rather than waiting in the box's own
// loop until the test run's time limit.
class UnexpectedMessageGuard {
public:
    UnexpectedMessageGuard();
    UnexpectedMessageGuard(const UnexpectedMessageGuard&) = delete;
    UnexpectedMessageGuard& operator=(const UnexpectedMessageGuard&) = delete;
    ~UnexpectedMessageGuard();

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR m_timer;
};

} // namespace kolvex_test
