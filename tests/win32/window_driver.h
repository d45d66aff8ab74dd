#pragma once

#include "tests/ui/widest_reports.h"
#include "tests/win32/message_box_closer.h"
#include "ui/view.h"
#include "ui/win32/form1.h"

#include <windows.h>

#include <optional>
#include <string>

// Works the real Win32 window through its controls' own messages, as the system does for a user's
// clicks and choices, and reads back what the controls show.
namespace kolvex_test {

// Handles what is waiting in this thread's queue, the window's posted messages among them.
void pumpMessages();
// The same as the program's own loop does it: the dialog keyboard of `window` first.
void pumpAsProgram(const ui::win32::Form1& window);

std::string textOf(HWND window);
std::string entryOf(const ui::win32::Form1& window, ui::Control list, int entry);
// What the window uses too, read here on its own: the user's decimal separator.
std::string regionalDecimalSeparator();

// BM_CLICK: pressed and released, as the mouse does it.
void click(HWND button);
// The entry selected, then the notification a choice from the open list sends.
void choose(const ui::win32::Form1& window, ui::Control list, int entry);
// The item of the Language menu, by its place in the menu.
void chooseLanguage(const ui::win32::Form1& window, int index);

// The window set to `c` as a user does it, from the model down.
void setUp(const ui::win32::Form1& window, const ui::testing::ReportChoice& c);

// A key pressed and released where the system sends it, to the control with the focus, and
// handled by the program's loop.
void press(const ui::win32::Form1& window, UINT key);
// The left mouse button pressed and released at a point of `control`'s client area, the centre
// when none is given.
void clickAt(const ui::win32::Form1& window, HWND control, std::optional<POINT> at = std::nullopt);
// The open list of a drop-down list, while it is open.
HWND openListOf(HWND list);

// The window opened as the program opens it, its load step run.
struct OpenWindow {
    OpenWindow();
    ~OpenWindow();
    ui::win32::Form1 form{false};
    UnexpectedMessageGuard guard;
};

} // namespace kolvex_test
