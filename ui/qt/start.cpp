#include "ui/qt/start.h"

#include "ui/qt/form1.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace ui {
namespace {

// The window has one size. A maximise request (a title bar the toolkit draws itself offers one
// on Wayland, also by a double click) is answered at once with the normal state, before the
// compositor's reply to it is taken: a Wayland compositor ends a program whose window keeps
// another size than the one it was told to take.
void keepNormalState(QWindow& window) {
    QObject::connect(&window, &QWindow::windowStateChanged, &window, [&window](Qt::WindowState state) {
        if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen) {
            window.setWindowStates(window.windowStates() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        }
    });
}

} // namespace

QRect placeOnScreen(const QSize& size, const QRect& available) {
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available);
    // A window larger than the screen keeps its top-left corner, and with it the menu bar and the
    // model row, on the screen.
    placed.moveTopLeft(QPoint(std::max(placed.left(), available.left()), std::max(placed.top(), available.top())));
    return placed;
}

void start(Form1& window) {
    // The desktop entry the window belongs to: the Wayland app id that finds its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KOLVEX_APP_ID));
    window.load();
    // The frame's size is not known before the window is shown, so it is the client area that is
    // centred (move() would place the frame's corner).
    window.setGeometry(placeOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    keepNormalState(*window.windowHandle());
}

} // namespace ui
