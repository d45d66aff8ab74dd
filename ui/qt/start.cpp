#include "ui/qt/start.h"

#include "ui/qt/form1.h"

#include <QScreen>
#include <QStyle>
#include <QtGlobal>

namespace ui {

bool lacksDisplay() {
#if defined(Q_OS_LINUX)
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

std::string noDisplayMessage(std::string_view program) {
    std::string message(program);
    message += ": no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
               "to run it without a screen: xvfb-run ";
    message += program;
    return message;
}

void start(Form1& window) {
    window.load();
    const QRect available = window.screen()->availableGeometry();
    // The frame's size is not known before the window is shown, so it is the client area that is
    // centred (move() would place the frame's corner).
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), available));
    window.show();
}

} // namespace ui
