#include "ui/win32/scaling.h"

#include "ui/window_layout.h"

namespace ui::win32 {

RECT placeAt(Control c, int dpi) {
    const auto px = [dpi](int twips) { return layout::toPixels(twips, dpi); };
    const layout::ControlLayout& info = layout::controlLayout(c);
    int left = px(info.at.left);
    int top = px(info.at.top);
    if (info.container) {
        const layout::ControlLayout& frame = layout::controlLayout(*info.container);
        left += px(frame.at.left);
        top += px(frame.at.top);
    }
    return {left, top, left + px(info.at.width), top + px(info.at.height)};
}

void fitClientArea(HWND window, int dpi) {
    const int width = layout::toPixels(layout::kClientWidth, dpi);
    const int height = layout::toPixels(layout::kClientHeight, dpi);
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT client{};
        RECT outer{};
        GetClientRect(window, &client);
        GetWindowRect(window, &outer);
        const int dx = width - static_cast<int>(client.right);
        const int dy = height - static_cast<int>(client.bottom);
        if (dx == 0 && dy == 0) {
            return;
        }
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace ui::win32
