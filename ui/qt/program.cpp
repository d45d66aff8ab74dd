#include "ui/qt/program.h"

#include "ui/qt/command_line.h"
#include "ui/qt/font_config_preload.h"
#include "ui/qt/form1.h"
#include "ui/qt/scale_factor.h"
#include "ui/qt/start.h"
#include "ui/qt/window_system.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

namespace ui {

int runProgram(int argc, char* argv[], const std::function<void(Form1&)>& started) {
    const std::string_view program = programName(argc, argv);
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.action == CommandLine::Action::Print) {
        std::fputs(commandLine.text.c_str(), stdout);
        return commandLine.exitCode;
    }
    if (commandLine.action == CommandLine::Action::UsageError) {
        std::fprintf(stderr, "%s\n", commandLine.text.c_str());
        return commandLine.exitCode;
    }
    if (lacksDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", noDisplayMessage(program).c_str());
        return 1;
    }
    if (const auto warning = dropUnusableScaleFactor(program)) {
        std::fprintf(stderr, "%s\n", warning->c_str());
    }

    WindowSystemGuard windowSystem(argc, argv, program); // may amend QT_QPA_PLATFORM
    FontConfigPreload fontConfig;
    QApplication app(argc, argv);
    windowSystem.opened();
    fontConfig.wait(); // the window asks for its fonts from here on
    Form1 window;
    start(window);
    if (started) {
        started(window);
    }
    return QApplication::exec();
}

} // namespace ui
