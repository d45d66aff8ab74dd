#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// What the program does with its command line: open the window, or tell something and end.
struct CommandLine {
    enum class Action { OpenWindow, Print, UsageError };
    Action action = Action::OpenWindow;
    std::string text; // the help or version text, or the one line naming a bad argument
    int exitCode = 0; // 0 after printing, 2 after a usage error
};

// The arguments after the program's name, in UTF-8.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// Shows a text where the user who started the program sees it: the standard output or error where
// they go to a file, a pipe or a console, else the console of the command prompt it was started
// from, else a message box, since a program started from Explorer has no console at all.
void tell(std::string_view text, bool isError);

} // namespace ui::win32
