#pragma once

#include "ui/view.h"
#include "ui/win32/form1.h"

#include <windows.h>

#include <string>

// Works the real Win32 window through its controls' own messages, as the system does for a user's
// clicks and choices, and reads back what the controls show.
namespace kolvex_test {

// Handles what is waiting in this thread's queue, the window's posted messages among them.
void pumpMessages();

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

// The window opened as the program opens it, its load step run.
struct OpenWindow {
    OpenWindow();
    ~OpenWindow();
    ui::win32::Form1 form{false};
};

} // namespace kolvex_test
