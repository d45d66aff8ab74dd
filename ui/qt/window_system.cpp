#include "ui/qt/window_system.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ui::qt {
namespace {

QtMessageHandler previousHandler = nullptr; // the toolkit's default one where none was installed
std::string startedAs;

// The line printed instead of the toolkit's abort: after its own ending, where no window system
// plugin opened, or after the message that says why the window cannot be opened.
std::string cannotOpenLine(bool noPlugin) {
    std::string line = startedAs;
    if (noPlugin && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        line += ": no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    } else {
        line += ": cannot open the window";
    }
    return line + "; to run it without a screen: xvfb-run " + startedAs + '\n';
}

void startUpHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        previousHandler(type, context, text);
        return;
    }
    // The toolkit's own ending where no window system plugin opens says only that, and that
    // reinstalling might help; the lines before it told which plugin and display failed. Any
    // other fatal message is the reason itself.
    const bool noPlugin = text.contains(QLatin1String("platform plugin"));
    if (!noPlugin) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, text)));
    }
    std::fputs(cannotOpenLine(noPlugin).c_str(), stderr);
    std::fflush(stderr);
    // The toolkit is half set up: end here, without running the destructors of a half-made
    // application object.
    std::_Exit(1);
}

} // namespace

WindowSystemGuard::WindowSystemGuard(std::string_view program) {
    startedAs = std::string(program);
    previousHandler = qInstallMessageHandler(startUpHandler);
}

WindowSystemGuard::~WindowSystemGuard() {
    windowShown();
}

void WindowSystemGuard::windowShown() {
    if (m_watching) {
        m_watching = false;
        qInstallMessageHandler(previousHandler);
    }
}

} // namespace ui::qt
