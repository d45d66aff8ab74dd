#pragma once

#include <string>
#include <string_view>

namespace ui {

// What the program does with its command line: open the window, or print and end. The toolkit's
// own options (-platform, -style, -display, ...) are accepted and left for it to act on.
struct CommandLine {
    enum class Action { OpenWindow, Print, UsageError };
    Action action = Action::OpenWindow;
    std::string text; // the help or version text for stdout, or the usage error line for stderr
    int exitCode = 0; // 0 after printing, 2 after a usage error
};

// The program's name as it was started, the first word of its messages.
std::string_view programName(int argc, char* argv[]);

// Reads the arguments before any display is opened, so that --help and --version work anywhere.
CommandLine readCommandLine(int argc, char* argv[]);

// An argument as it may be quoted in a one-line message: long ones are cut.
std::string quotable(std::string_view argument);

} // namespace ui
