#pragma once

#include <QFont>

namespace ui::qt {

// The font of every control but the row captions: a narrow sans serif that ships inside the
// program, so that every report line fits the result box on one line and every entry and
// caption fits its control, the same on every system. Loaded on first use.
const QFont& windowFont();

// Makes windowFont the application's default font, for the window, its lists' open popups and
// its message box alike; menus keep the system's menu font.
void useWindowFont();

// The row captions' font: the recorder software's Traditional Chinese Ming font at 9.75 points,
// as a family list so that each character is drawn by the first family that has it.
const QFont& captionFont();

} // namespace ui::qt
