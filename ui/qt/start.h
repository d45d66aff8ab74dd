#pragma once

#include <QRect>
#include <QSize>

namespace ui::qt {

class Form1;

// The start-up sequence after the window exists: the load step, then the window shown centred
// on its screen with the focus on the layout's start focus control. The program and the start-up
// probe share it.
void start(Form1& window);

// Where a window of this size goes on a screen's available area: centred, and where it is
// larger, at the area's top-left corner.
QRect placeOnScreen(const QSize& size, const QRect& available);

} // namespace ui::qt
