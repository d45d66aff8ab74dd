#include "ui/win32/start.h"

#include <algorithm>

namespace ui::win32 {

POINT placeOnWorkArea(const RECT& window, const RECT& area, bool centred) {
    const auto place = [centred](LONG start, LONG end, LONG size, LONG now) {
        if (size >= end - start) {
            return start;
        }
        return centred ? start + (end - start - size) / 2 : std::clamp(now, start, end - size);
    };
    return {place(area.left, area.right, window.right - window.left, window.left),
            place(area.top, area.bottom, window.bottom - window.top, window.top)};
}

void keepOnWorkArea(HWND window, bool centred) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT outer{};
    GetWindowRect(window, &outer);
    const POINT at = placeOnWorkArea(outer, monitor.rcWork, centred);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace ui::win32
