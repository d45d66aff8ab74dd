#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The window program's command line, the same on every platform: help and version anywhere on the
// line print and end with status 0, the first one given answering; any other argument is a usage
// error, one line naming it, with status 2. What differs by platform is data: which spellings ask
// for help and version, the help's extra rows, how the program names itself, and whether a toolkit
// takes its own options before the rest is checked.
namespace ui {

// One row of the help's option list; a text of several lines goes on under its first.
struct HelpRow {
    std::string_view option;
    std::string_view text;
};

struct CommandLineConventions {
    std::span<const std::string_view> helpOptions;
    std::span<const std::string_view> versionOptions;
    std::span<const HelpRow> moreRows; // after the help and version rows
    std::string_view helpEnd;          // a last paragraph of the help, or empty
    bool namedAsStarted;               // messages name the program as it was started, else by its name
    bool toolkitOptionsFirst;          // the toolkit takes its options, then what it leaves is checked
};

// Qt's options (-platform, -style, ...) are its own; it also takes long ones with one dash.
extern const CommandLineConventions kQtCommandLine;
// Windows: /? asks for help; the program is named by its name, whatever path started it.
extern const CommandLineConventions kWindowsCommandLine;

// What the program does with its command line: open the window, or print a text and end.
struct ProgramStart {
    enum class Action { OpenWindow, Print, UsageError };
    Action action = Action::OpenWindow;
    std::string text; // the help, the version or the one line naming a bad argument; ends with a newline
    int exitCode = 0; // 0 after printing, 2 after a usage error
};

// The name the program's messages start with; `startedAs` is empty when not known.
std::string_view programName(const CommandLineConventions& conventions, std::string_view startedAs);

// The arguments after the program's name. Where the toolkit takes its options first, only the help
// and the version are answered here, and the arguments it leaves go to readLeftOver.
ProgramStart readCommandLine(const CommandLineConventions& conventions, std::string_view startedAs,
                             const std::vector<std::string>& arguments);
ProgramStart readLeftOver(const CommandLineConventions& conventions, std::string_view startedAs,
                          const std::vector<std::string>& leftOver);

// An argument as it may be quoted in a one-line message: long ones are cut.
std::string quotable(std::string_view argument);

// The command line as a toolkit reads it, program name first: it takes its options as "-name value",
// so one written "--name=value" is handed on in that form. Holds the texts for the toolkit's
// (int&, char**) pair.
class ToolkitArguments {
public:
    ToolkitArguments(int argc, const char* const* argv);
    ToolkitArguments(const ToolkitArguments&) = delete;
    ToolkitArguments& operator=(const ToolkitArguments&) = delete;

    int& count() { return m_count; }
    char** values() { return m_values.data(); }

private:
    std::vector<std::string> m_texts;
    std::vector<char*> m_values;
    int m_count = 0;
};

} // namespace ui
