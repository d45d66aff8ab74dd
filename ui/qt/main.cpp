#include "ui/qt/command_line.h"
#include "ui/qt/form1.h"
#include "ui/qt/scale_factor.h"
#include "ui/qt/start.h"
#include "ui/qt/window_system.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    const std::string program = argc > 0 ? argv[0] : "kolvex-calculator";
    const ui::CommandLine commandLine = ui::readCommandLine(argc, argv);
    if (commandLine.action == ui::CommandLine::Action::Print) {
        std::fputs(commandLine.text.c_str(), stdout);
        return commandLine.exitCode;
    }
    if (commandLine.action == ui::CommandLine::Action::UsageError) {
        std::fprintf(stderr, "%s\n", commandLine.text.c_str());
        return commandLine.exitCode;
    }
    if (ui::lacksDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", ui::noDisplayMessage(program).c_str());
        return 1;
    }
    if (const auto warning = ui::dropUnusableScaleFactor(program)) {
        std::fprintf(stderr, "%s\n", warning->c_str());
    }

    ui::WindowSystemGuard windowSystem(argc, argv, program);
    QApplication app(argc, argv);
    windowSystem.opened();
    ui::Form1 window;
    ui::start(window);
    return QApplication::exec();
}
