#pragma once

#include "ui/view.h"
#include "ui/window_layout.h"

#include <QString>
#include <QWidget>

#include <string_view>

class QAbstractButton;
class QComboBox;

namespace ui::qt {
class Form1;
}

// Drives the calculator window the way a user does: mouse clicks on options and buttons, the
// keyboard in the lists, the Language menu. Shared by the window tests and the screenshot tool.
namespace kolvex_test {

// The window's title: its text is fixed, its version the project's.
QString expectedTitle();

// The caption a control shows: a frame's title, a button's or option's text, a label's text.
QString captionOf(const QWidget* w);

// Starts the window as the program does; true once it is on screen.
bool showWindow(ui::qt::Form1& window);

// Starts the window as the program does and makes it the active window; true once it is, so that
// the keyboard reaches it.
bool showActiveWindow(ui::qt::Form1& window);

// A control of the window by its layout name ("Combo4", "Option2_1", "Language_3").
template <class Widget = QWidget>
Widget* control(const QWidget& window, const QString& name) {
    return window.findChild<Widget*>(name);
}

// A control the form reaches; its layout name is its ui::controlName.
template <class Widget = QWidget>
Widget* control(const QWidget& window, ui::Control c) {
    const std::string_view name = ui::controlName(c);
    return control<Widget>(window, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// A mouse click on the option's round indicator, where a click always lands whatever the width
// of the caption.
void clickOption(const QWidget& window, const QString& name);

// A mouse click in the middle of a command button.
void clickButton(const QWidget& window, const QString& name);

// Moves the list's selection to the entry with the arrow keys, one entry at a time, as a user
// does with the list closed; every step is a choice of its own. False when the list does not
// get there (disabled, or no such entry).
bool chooseEntry(const QWidget& window, const QString& list, const QString& entry);

void chooseLanguage(const QWidget& window, int index);

// The typical use: 4CH, capacity, NTSC, HIGH, 60IPS@720*240, 1/10, 1 Day, then Calculate.
void runTypicalUse(const QWidget& window);

} // namespace kolvex_test
