#include "ui/qt/start.h"

#include "ui/qt/form1.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace ui::qt {
namespace {

// The window has one size, so it answers a request to maximise it (or make it full screen) with
// the normal state. On Wayland the toolkit's own title bar offers maximise (its button, a double
// click) and the compositor then requires the window to take the size it names, ending a program
// whose window keeps another: the window takes that size for the moment, its controls where they
// are, and its one size again once the compositor has answered the return to the normal state.
void keepNormalState(QWidget& widget) {
    QWindow* window = widget.windowHandle();
    const bool wayland = QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
    QObject::connect(window, &QWindow::windowStateChanged, window, [window, wayland](Qt::WindowState state) {
        if (state != Qt::WindowMaximized && state != Qt::WindowFullScreen) {
            return;
        }
        const auto returnToNormal = [window] {
            window->setWindowStates(window->windowStates() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        };
        if (!wayland) {
            returnToNormal();
            return;
        }
        // Asked for once the window has been drawn at the compositor's size: a request before
        // that would be taken for the state the compositor already has, and left unanswered.
        window->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QMetaObject::invokeMethod(window, returnToNormal, Qt::QueuedConnection);
    });
    const auto fixAgain = [window, &widget] {
        if (window->maximumSize() != widget.maximumSize() && window->size() == widget.maximumSize() &&
            (window->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen)) == 0) {
            window->setMaximumSize(widget.maximumSize());
        }
    };
    QObject::connect(window, &QWindow::widthChanged, window, fixAgain);
    QObject::connect(window, &QWindow::heightChanged, window, fixAgain);
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
    // Centred from the window's own size: the frame a window manager adds is not known before the
    // window is up. A window larger than the screen is placed by its frame's corner instead, which
    // keeps its title bar on the screen.
    const QRect available = window.screen()->availableGeometry();
    const QRect placed = placeOnScreen(window.size(), available);
    if (available.contains(placed)) {
        window.setGeometry(placed);
    } else {
        window.move(placed.topLeft());
    }
    window.show();
    keepNormalState(window);
}

} // namespace ui::qt
