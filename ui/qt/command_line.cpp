#include "ui/qt/command_line.h"

#include <kolvex/version.h>

#include <array>

namespace ui {
namespace {

constexpr std::string_view kProgramName = "kolvex-calculator";
constexpr std::size_t kLongestQuoted = 60;

// After the usage line. The toolkit's options are its own to read; the most useful are listed.
constexpr std::string_view kHelp =
    " [options]\n"
    "Kolvex DVR Record time calculator: how much hard disk a recording takes, or how long a hard disk lasts. "
    "Opens its window; it reads no files.\n"
    "\n"
    "Options:\n"
    "  -h, --help           Show this help and exit.\n"
    "  -v, --version        Show the version and exit.\n"
    "  --platform <name>    Window system plugin to use: xcb (X11), wayland,\n"
    "                       offscreen, ...\n"
    "  --display <display>  X11 display to open the window on.\n"
    "  --style <style>      Widget style, for example Fusion.\n"
    "  --reverse            Lay the window out from right to left.\n";

constexpr std::array<std::string_view, 3> kHelpOptions = {"-h", "--help", "-help"};
constexpr std::array<std::string_view, 3> kVersionOptions = {"-v", "--version", "-version"};

template <std::size_t N>
bool anyOf(int argc, char* argv[], const std::array<std::string_view, N>& options) {
    for (int i = 1; i < argc; ++i) {
        for (const std::string_view option : options) {
            if (argv[i] == option) {
                return true;
            }
        }
    }
    return false;
}

std::string usageLine(std::string_view program, const std::string& what) {
    std::string line(program);
    line += ": " + what + "; see '";
    line += program;
    line += " --help'";
    return line;
}

} // namespace

std::string quotable(std::string_view argument) {
    if (argument.size() <= kLongestQuoted) {
        return std::string(argument);
    }
    return std::string(argument.substr(0, kLongestQuoted)) + "...";
}

std::string_view programName(int argc, char* argv[]) {
    return argc > 0 ? std::string_view(argv[0]) : kProgramName;
}

std::optional<std::string> helpOrVersion(int argc, char* argv[]) {
    if (anyOf(argc, argv, kHelpOptions)) {
        return "Usage: " + std::string(programName(argc, argv)) + std::string(kHelp);
    }
    if (anyOf(argc, argv, kVersionOptions)) {
        return std::string(kProgramName) + ' ' + std::string(kolvex::kVersion) + '\n';
    }
    return std::nullopt;
}

ToolkitArguments::ToolkitArguments(int argc, char* argv[]) {
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

std::optional<std::string> usageError(std::string_view program, const QStringList& leftOver) {
    if (leftOver.size() < 2) {
        return std::nullopt;
    }
    const std::string first = leftOver.at(1).toStdString();
    if (first.starts_with('-')) {
        return usageLine(program, "unknown option '" + quotable(first) + "'");
    }
    return usageLine(program, "unexpected argument '" + quotable(first) + "'");
}

} // namespace ui
