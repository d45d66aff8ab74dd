#include "ui/qt/program.h"

#include "ui/command_line.h"
#include "ui/qt/form1.h"
#include "ui/qt/scale_factor.h"
#include "ui/qt/start.h"
#include "ui/qt/window_system.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace ui::qt {

int runProgram(int argc, char* argv[], const std::function<void(Form1&)>& started) {
    const std::string_view startedAs = argc > 0 ? argv[0] : "";
    const std::string_view program = programName(kQtCommandLine, startedAs);
    if (const ProgramStart asked = readCommandLine(kQtCommandLine, startedAs, {argv + std::min(argc, 1), argv + argc});
        asked.action == ProgramStart::Action::Print) {
        std::fputs(asked.text.c_str(), stdout);
        return asked.exitCode;
    }
    if (const auto warning = dropUnusableScaleFactor(program)) {
        std::fprintf(stderr, "%s\n", warning->c_str());
    }

    ToolkitArguments arguments(argc, argv);
    WindowSystemGuard windowSystem(program);
    QApplication app(arguments.count(), arguments.values());
    std::vector<std::string> leftOver;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        leftOver.push_back(argument.toStdString());
    }
    if (const ProgramStart left = readLeftOver(kQtCommandLine, startedAs, leftOver);
        left.action == ProgramStart::Action::UsageError) {
        std::fputs(left.text.c_str(), stderr);
        return left.exitCode;
    }
    Form1 window;
    start(window);
    windowSystem.windowShown();
    if (started) {
        started(window);
    }
    return QApplication::exec();
}

} // namespace ui::qt
