#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace ui {

// The frame the window manager will draw around the window, asked before the window is shown, so
// that the window can be placed with its frame where it belongs without moving once it is up.
// Known on X11 with a window manager that answers the request (_NET_REQUEST_FRAME_EXTENTS);
// nothing elsewhere, and nothing where no window manager runs.
std::optional<QMargins> expectedFrame(QWidget& window);

} // namespace ui
