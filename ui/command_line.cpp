#include "ui/command_line.h"

#include <kolvex/version.h>

#include <algorithm>
#include <array>

namespace ui {
namespace {

constexpr std::string_view kProgramName = "kolvex-calculator";
constexpr std::size_t kLongestQuoted = 60;

constexpr std::string_view kDescription =
    "Kolvex DVR Record time calculator: how much hard disk a recording takes, or how long a hard disk\n"
    "lasts. Opens its window; it reads no files.\n";
constexpr std::array<HelpRow, 2> kHelpAndVersionRows = {{
    {"-h, --help", "Show this help and exit."},
    {"-v, --version", "Show the version and exit."},
}};

constexpr std::array<std::string_view, 3> kQtHelp = {"-h", "--help", "-help"};
constexpr std::array<std::string_view, 3> kQtVersion = {"-v", "--version", "-version"};
// The toolkit's options are its own to read; the most useful are listed.
constexpr std::array<HelpRow, 4> kQtRows = {{
    {"--platform <name>", "Window system plugin to use: xcb (X11), wayland,\noffscreen, ..."},
    {"--display <display>", "X11 display to open the window on."},
    {"--style <style>", "Widget style, for example Fusion."},
    {"--reverse", "Lay the window out from right to left."},
}};

constexpr std::array<std::string_view, 3> kWindowsHelp = {"-h", "--help", "/?"};
constexpr std::array<std::string_view, 2> kWindowsVersion = {"-v", "--version"};

// The option column as wide as the widest option and two blanks; continued texts under their first line.
std::string optionRows(std::span<const HelpRow> first, std::span<const HelpRow> more) {
    std::size_t width = 0;
    for (const auto rows : {first, more}) {
        for (const HelpRow& row : rows) {
            width = std::max(width, row.option.size());
        }
    }
    const std::string indent(2 + width + 2, ' ');
    std::string out;
    for (const auto rows : {first, more}) {
        for (const HelpRow& row : rows) {
            out += "  " + std::string(row.option) + std::string(width + 2 - row.option.size(), ' ');
            for (const char c : row.text) {
                if (c == '\n') {
                    out.append("\n").append(indent);
                } else {
                    out += c;
                }
            }
            out += '\n';
        }
    }
    return out;
}

std::string helpText(const CommandLineConventions& conventions, std::string_view program) {
    std::string text = "Usage: " + std::string(program) + " [options]\n" + std::string(kDescription) + "\nOptions:\n" +
                       optionRows(kHelpAndVersionRows, conventions.moreRows);
    if (!conventions.helpEnd.empty()) {
        text.append("\n").append(conventions.helpEnd);
    }
    return text;
}

bool isOneOf(std::string_view argument, std::span<const std::string_view> options) {
    return std::find(options.begin(), options.end(), argument) != options.end();
}

} // namespace

const CommandLineConventions kQtCommandLine = {kQtHelp, kQtVersion, kQtRows, {}, true, true};
const CommandLineConventions kWindowsCommandLine = {
    kWindowsHelp, kWindowsVersion,
    {},           "kolvex-calc.exe, beside it, works out the same reports on the command line.\n",
    false,        false};

std::string_view programName(const CommandLineConventions& conventions, std::string_view startedAs) {
    return conventions.namedAsStarted && !startedAs.empty() ? startedAs : kProgramName;
}

ProgramStart readCommandLine(const CommandLineConventions& conventions, std::string_view startedAs,
                             const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (isOneOf(argument, conventions.helpOptions)) {
            return {ProgramStart::Action::Print, helpText(conventions, programName(conventions, startedAs)), 0};
        }
        if (isOneOf(argument, conventions.versionOptions)) {
            return {ProgramStart::Action::Print, std::string(kProgramName) + ' ' + std::string(kolvex::kVersion) + '\n',
                    0};
        }
    }
    return conventions.toolkitOptionsFirst ? ProgramStart{} : readLeftOver(conventions, startedAs, arguments);
}

ProgramStart readLeftOver(const CommandLineConventions& conventions, std::string_view startedAs,
                          const std::vector<std::string>& leftOver) {
    if (leftOver.empty()) {
        return {};
    }
    const std::string_view program = programName(conventions, startedAs);
    const std::string& first = leftOver.front();
    const std::string what = first.starts_with('-') ? "unknown option '" : "unexpected argument '";
    return {ProgramStart::Action::UsageError,
            std::string(program) + ": " + what + quotable(first) + "'; see '" + std::string(program) + " --help'\n", 2};
}

std::string quotable(std::string_view argument) {
    if (argument.size() <= kLongestQuoted) {
        return std::string(argument);
    }
    return std::string(argument.substr(0, kLongestQuoted)) + "...";
}

ToolkitArguments::ToolkitArguments(int argc, const char* const* argv) {
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        const std::size_t equals = argument.find('=');
        if (i > 0 && argument.starts_with('-') && equals != std::string_view::npos && equals > 1) {
            m_texts.emplace_back(argument.substr(0, equals));
            m_texts.emplace_back(argument.substr(equals + 1));
        } else {
            m_texts.emplace_back(argument);
        }
    }
    for (std::string& text : m_texts) {
        m_values.push_back(text.data());
    }
    m_count = static_cast<int>(m_texts.size());
    m_values.push_back(nullptr);
}

} // namespace ui
