#include "ui/qt/program.h"

#include "ui/qt/command_line.h"
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
    if (const auto text = helpOrVersion(argc, argv)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    if (const auto warning = dropUnusableScaleFactor(program)) {
        std::fprintf(stderr, "%s\n", warning->c_str());
    }

    ToolkitArguments arguments(argc, argv);
    WindowSystemGuard windowSystem(program);
    QApplication app(arguments.count(), arguments.values());
    if (const auto error = usageError(program, QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 2;
    }
    Form1 window;
    start(window);
    windowSystem.windowShown();
    if (started) {
        started(window);
    }
    return QApplication::exec();
}

} // namespace ui
