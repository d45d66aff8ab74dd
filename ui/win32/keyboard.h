#pragma once

#include "ui/view.h"
#include "ui/window_layout.h"

#include <windows.h>

#include <array>

namespace ui::win32 {

// The window of each control, by Control.
using ControlWindows = std::array<HWND, layout::kControls.size()>;

// The styles that let the dialog keyboard reach a control: option buttons of one frame form one
// group, whose first in keyboard order is its tab stop; every other control starts a group of its
// own, a tab stop where it takes the focus.
DWORD keyboardStyle(Control c);

// The dialog keyboard walks the controls in the window's order, so that order is made the keyboard
// order; each list's row caption goes just before it, where screen readers look for a name. Frames
// go last and so lie below everything drawn inside them.
void orderForKeyboard(const ControlWindows& controls);

// A multi-line box takes Escape from the dialog keyboard and then closes the window it is in; the
// result box leaves Escape to the window, where it does nothing.
void leaveEscapeToWindow(HWND box);

// Focus never stays on a control that can no longer take it: it moves on as Tab would.
void moveFocusOffIf(HWND dialog, HWND control);

} // namespace ui::win32
