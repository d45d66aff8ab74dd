// The window program's command line on each platform, as its user sees it: what is printed, where
// and with which status.
#include "ui/command_line.h"

#include <kolvex/version.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvex_test {
namespace {

using ui::ProgramStart;
using Action = ProgramStart::Action;

const std::string kVersionLine = "kolvex-calculator " + std::string(kolvex::kVersion) + "\n";

const std::string kQtHelp = "Usage: /usr/bin/kolvex-calculator [options]\n"
                            "Kolvex DVR Record time calculator: how much hard disk a recording takes, or how long a "
                            "hard disk\nlasts. Opens its window; it reads no files.\n"
                            "\n"
                            "Options:\n"
                            "  -h, --help           Show this help and exit.\n"
                            "  -v, --version        Show the version and exit.\n"
                            "  --platform <name>    Window system plugin to use: xcb (X11), wayland,\n"
                            "                       offscreen, ...\n"
                            "  --display <display>  X11 display to open the window on.\n"
                            "  --style <style>      Widget style, for example Fusion.\n"
                            "  --reverse            Lay the window out from right to left.\n";

const std::string kWindowsHelp = "Usage: kolvex-calculator [options]\n"
                                 "Kolvex DVR Record time calculator: how much hard disk a recording takes, or how "
                                 "long a hard disk\nlasts. Opens its window; it reads no files.\n"
                                 "\n"
                                 "Options:\n"
                                 "  -h, --help     Show this help and exit.\n"
                                 "  -v, --version  Show the version and exit.\n"
                                 "\n"
                                 "kolvex-calc.exe, beside it, works out the same reports on the command line.\n";

struct Case {
    const char* name;
    const ui::CommandLineConventions& conventions;
    std::vector<std::string> arguments;
    Action action;
    std::string text;
};

TEST(WindowCommandLine, HelpAndVersionPrintWithStatus0AnyOtherArgumentIsAUsageErrorWithStatus2) {
    const auto& qt = ui::kQtCommandLine;
    const auto& windows = ui::kWindowsCommandLine;
    const std::string cut(60, 'x');
    const std::vector<Case> cases = {
        {"Qt: --help", qt, {"--help"}, Action::Print, kQtHelp},
        {"Qt: -help, the toolkit's spelling", qt, {"-style", "fusion", "-help"}, Action::Print, kQtHelp},
        {"Qt: -version", qt, {"-version"}, Action::Print, kVersionLine},
        {"Qt: the first one given answers", qt, {"-v", "-h"}, Action::Print, kVersionLine},
        {"Qt: the toolkit's options are left for it", qt, {"-style", "fusion", "--bogus"}, Action::OpenWindow, ""},
        {"Windows: /?", windows, {"/?"}, Action::Print, kWindowsHelp},
        {"Windows: -h after another argument", windows, {"report.txt", "-h"}, Action::Print, kWindowsHelp},
        {"Windows: --version", windows, {"--version"}, Action::Print, kVersionLine},
        {"Windows: the first one given answers", windows, {"--help", "--version"}, Action::Print, kWindowsHelp},
        {"Windows: no window", windows, {}, Action::OpenWindow, ""},
        {"Windows: -help is no option there",
         windows,
         {"-help"},
         Action::UsageError,
         "kolvex-calculator: unknown option '-help'; see 'kolvex-calculator --help'\n"},
        {"Windows: a file name",
         windows,
         {"report.txt", "--bogus"},
         Action::UsageError,
         "kolvex-calculator: unexpected argument 'report.txt'; see 'kolvex-calculator --help'\n"},
        {"Windows: a long argument, cut",
         windows,
         {"-" + cut + "yz"},
         Action::UsageError,
         "kolvex-calculator: unknown option '-" + cut.substr(1) + "...'; see 'kolvex-calculator --help'\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramStart start = ui::readCommandLine(c.conventions, "/usr/bin/kolvex-calculator", c.arguments);
        EXPECT_EQ(start.action, c.action);
        EXPECT_EQ(start.text, c.text);
        EXPECT_EQ(start.exitCode, c.action == Action::UsageError ? 2 : 0);
    }
}

TEST(WindowCommandLine, WhatTheToolkitLeavesIsAUsageErrorNamingTheProgramAsStarted) {
    const struct {
        const char* name;
        std::vector<std::string> leftOver;
        std::string text;
    } cases[] = {
        {"nothing left", {}, ""},
        {"an option",
         {"--nope", "1"},
         "./kolvex-calculator: unknown option '--nope'; see './kolvex-calculator --help'\n"},
        {"an argument",
         {"report.txt"},
         "./kolvex-calculator: unexpected argument 'report.txt'; see './kolvex-calculator --help'\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramStart start = ui::readLeftOver(ui::kQtCommandLine, "./kolvex-calculator", c.leftOver);
        EXPECT_EQ(start.action, c.text.empty() ? Action::OpenWindow : Action::UsageError);
        EXPECT_EQ(start.text, c.text);
        EXPECT_EQ(start.exitCode, c.text.empty() ? 0 : 2);
    }
    EXPECT_EQ(ui::programName(ui::kQtCommandLine, ""), "kolvex-calculator");
}

TEST(WindowCommandLine, TheToolkitGetsItsOptionsWrittenWithAnEqualsSignAsTwoArguments) {
    const char* const argv[] = {"./a=b", "--style=fusion", "-platform", "offscreen", "x=y", "-=z", "--display="};
    ui::ToolkitArguments arguments(7, argv);
    const std::vector<std::string> expected = {"./a=b", "--style", "fusion",    "-platform", "offscreen",
                                               "x=y",   "-=z",     "--display", ""};
    ASSERT_EQ(arguments.count(), static_cast<int>(expected.size()));
    for (int i = 0; i < arguments.count(); ++i) {
        EXPECT_EQ(arguments.values()[i], expected[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(arguments.values()[arguments.count()], nullptr);
}

} // namespace
} // namespace kolvex_test
