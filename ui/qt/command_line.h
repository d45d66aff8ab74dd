#pragma once

#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The program's name as it was started, the first word of its messages.
std::string_view programName(int argc, char* argv[]);

// The help or the version text when the command line asks for it, read before any display is
// opened so that --help and --version work anywhere.
std::optional<std::string> helpOrVersion(int argc, char* argv[]);

// The command line as the toolkit reads it: it takes its options (-platform, -display, -style, ...)
// as "-name value", so one written "--name=value" is handed on in that form.
class ToolkitArguments {
public:
    ToolkitArguments(int argc, char* argv[]);
    ToolkitArguments(const ToolkitArguments&) = delete;
    ToolkitArguments& operator=(const ToolkitArguments&) = delete;

    int& count() { return m_count; }
    char** values() { return m_values.data(); }

private:
    std::vector<std::string> m_texts;
    std::vector<char*> m_values;
    int m_count = 0;
};

// The usage error line for what the toolkit left of the command line once it took its own
// options: every argument left but the program's name is one the program does not know.
std::optional<std::string> usageError(std::string_view program, const QStringList& leftOver);

// An argument as it may be quoted in a one-line message: long ones are cut.
std::string quotable(std::string_view argument);

} // namespace ui
