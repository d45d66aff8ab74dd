#include "ui/qt/command_line.h"

#include <kolvex/version.h>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace ui {
namespace {

constexpr std::string_view kProgramName = "kolvex-calculator";
constexpr std::size_t kLongestQuoted = 60;

// The toolkit's standard options, which it reads from the same command line. Those with a help
// text are listed by --help; the others are accepted without a word.
struct ToolkitOption {
    const char* name;
    const char* valueName; // nullptr: a switch without a value
    const char* help;      // nullptr: not listed
};
constexpr std::array<ToolkitOption, 23> kToolkitOptions = {{
    {"platform", "name", "Window system plugin to use: xcb (X11), wayland, offscreen, ..."},
    {"display", "display", "X11 display to open the window on."},
    {"style", "style", "Widget style, for example Fusion."},
    {"reverse", nullptr, "Lay the window out from right to left."},
    {"platformpluginpath", "path", nullptr},
    {"platformtheme", "theme", nullptr},
    {"plugin", "plugin", nullptr},
    {"stylesheet", "file", nullptr},
    {"qwindowgeometry", "geometry", nullptr},
    {"geometry", "geometry", nullptr},
    {"qwindowtitle", "title", nullptr},
    {"title", "title", nullptr},
    {"qwindowicon", "icon", nullptr},
    {"icon", "icon", nullptr},
    {"name", "name", nullptr},
    {"visual", "visual", nullptr},
    {"session", "session", nullptr},
    {"qmljsdebugger", "options", nullptr},
    {"widgetcount", nullptr, nullptr},
    {"nograb", nullptr, nullptr},
    {"dograb", nullptr, nullptr},
    {"sync", nullptr, nullptr},
    {"testability", nullptr, nullptr},
}};

QCommandLineOption toolkitOption(const ToolkitOption& option) {
    QCommandLineOption result(QLatin1String(option.name));
    if (option.valueName != nullptr) {
        result.setValueName(QLatin1String(option.valueName));
    }
    if (option.help != nullptr) {
        result.setDescription(QLatin1String(option.help));
    } else {
        result.setFlags(QCommandLineOption::HiddenFromHelp);
    }
    return result;
}

// An option as the user wrote it ("--bogus", "-x"), from its name; the name itself when not found.
QString asWritten(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        const QString dashes = argument.startsWith(QStringLiteral("--")) ? QStringLiteral("--") : QStringLiteral("-");
        if (argument.startsWith(QLatin1Char('-')) &&
            argument.mid(dashes.size()).section(QLatin1Char('='), 0, 0) == name) {
            return dashes + name;
        }
    }
    return name;
}

std::string usageError(std::string_view program, const std::string& what) {
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

CommandLine readCommandLine(int argc, char* argv[]) {
    const std::string_view program = programName(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }

    QCommandLineParser parser;
    // The toolkit's options are single-dash words (-platform xcb), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Kolvex DVR Record time calculator: how much hard disk a recording takes, or how long a "
                       "hard disk lasts. Opens its window; it reads no files."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const ToolkitOption& option : kToolkitOptions) {
        parser.addOption(toolkitOption(option));
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        QString what = parser.errorText();
        if (!unknown.isEmpty()) {
            what = QStringLiteral("unknown option '%1'").arg(asWritten(arguments, unknown.first()));
        } else if (what.endsWith(QLatin1Char('.'))) {
            what.chop(1);
        }
        return {CommandLine::Action::UsageError, usageError(program, quotable(what.toStdString())), 2};
    }
    if (parser.isSet(help)) {
        // The help text names the program as it was started, which the parser takes from the
        // application object.
        int count = argc;
        const QCoreApplication application(count, argv);
        return {CommandLine::Action::Print, parser.helpText().toStdString(), 0};
    }
    if (parser.isSet(version)) {
        std::string text(kProgramName);
        text += ' ';
        text += kolvex::kVersion;
        text += '\n';
        return {CommandLine::Action::Print, text, 0};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const std::string first = parser.positionalArguments().first().toStdString();
        return {CommandLine::Action::UsageError, usageError(program, "unexpected argument '" + quotable(first) + "'"),
                2};
    }
    return {};
}

} // namespace ui
