// The calculator program itself, started as a user or a desktop starts it: its options, and what
// it does where no window can be opened or the display is odd. Each case checks the exit status
// and the lines the program prints.
#include <kolvex/version.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace kolvex_test {
namespace {

const QString kProgram = QStringLiteral(KOLVEX_CALCULATOR_PATH);

struct Finished {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

using Variables = std::vector<std::pair<QString, QString>>;

// The environment of a machine without a display, plus the given variables; a null value removes
// one.
QProcessEnvironment environmentWith(const Variables& variables) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "XDG_SESSION_TYPE"}) {
        environment.remove(QLatin1String(name));
    }
    for (const auto& [name, value] : variables) {
        if (value.isNull()) {
            environment.remove(name);
        } else {
            environment.insert(name, value);
        }
    }
    return environment;
}

Finished run(const QStringList& arguments, const Variables& variables) {
    QProcess program;
    program.setProcessEnvironment(environmentWith(variables));
    program.start(kProgram, arguments);
    Finished result;
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        result.err = QStringLiteral("(still running after 30 s)");
        return result;
    }
    result.crashed = program.exitStatus() == QProcess::CrashExit;
    result.exitCode = program.exitCode();
    result.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(program.readAllStandardError());
    return result;
}

// An X display number no server listens on.
QString deadDisplay() {
    for (int number = 4711;; ++number) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) {
            return QStringLiteral(":%1").arg(number);
        }
    }
}

TEST(ProgramOptionsTest, HelpAndVersionPrintAndExitWithoutADisplay) {
    const QString version = QStringLiteral("kolvex-calculator %1\n").arg(QLatin1String(kolvex::kVersion));
    const struct {
        const char* option;
        QStringList expected; // in stdout
    } cases[] = {
        {"--help", {"Usage: " + kProgram, "-h, --help", "-v, --version", "--platform <name>", "--style <style>"}},
        {"-h", {"Usage: " + kProgram}},
        {"--version", {version}},
        {"-v", {version}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        const Finished finished = run({QLatin1String(c.option)}, {});
        EXPECT_FALSE(finished.crashed);
        EXPECT_EQ(finished.exitCode, 0);
        EXPECT_TRUE(finished.err.isEmpty()) << qPrintable(finished.err);
        for (const QString& text : c.expected) {
            EXPECT_TRUE(finished.out.contains(text)) << qPrintable(finished.out);
        }
    }
    EXPECT_EQ(run({QStringLiteral("--version")}, {}).out, version);
}

// What is left once the toolkit has taken its own options is checked, so the program runs where a
// window can be opened (here offscreen).
TEST(ProgramOptionsTest, AUsageErrorIsOneLineNamingTheArgumentAndHelp) {
    const QTemporaryDir runtime;
    const QString longArgument(100 * 1024, QLatin1Char('x'));
    const struct {
        const char* name;
        QStringList arguments;
        QString named;
    } cases[] = {
        {"unknown long option", {"--bogus"}, "'--bogus'"},
        {"unknown short option", {"-x"}, "'-x'"},
        {"unknown option after a toolkit one", {"-style", "fusion", "--nope=1"}, "'--nope'"},
        {"a file name", {"report.txt"}, "'report.txt'"},
        {"a 100 KB argument, cut", {longArgument}, "'xxxxxxxxxx"},
        {"a toolkit option without its value", {"-style"}, "'-style'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Finished finished =
            run(c.arguments, {{"QT_QPA_PLATFORM", "offscreen"}, {"XDG_RUNTIME_DIR", runtime.path()}});
        EXPECT_FALSE(finished.crashed);
        EXPECT_EQ(finished.exitCode, 2);
        EXPECT_TRUE(finished.out.isEmpty());
        EXPECT_EQ(finished.err.count(QLatin1Char('\n')), 1) << qPrintable(finished.err.left(400));
        EXPECT_TRUE(finished.err.contains(c.named)) << qPrintable(finished.err.left(400));
        EXPECT_TRUE(finished.err.contains(QStringLiteral("--help"))) << qPrintable(finished.err.left(400));
        EXPECT_LT(finished.err.size(), 2 * kProgram.size() + 200);
    }
}

// The toolkit's standard options are left for the toolkit: the window opens (here offscreen).
TEST(ProgramOptionsTest, TheToolkitsOwnOptionsStillWork) {
    for (const QStringList& arguments :
         {QStringList{"-platform", "offscreen"}, QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse"},
          QStringList{"--platform", "offscreen", "-style=fusion"},
          QStringList{"--platform=offscreen", "--style=fusion"}}) {
        SCOPED_TRACE(qPrintable(arguments.join(QLatin1Char(' '))));
        QProcess program;
        program.setProcessEnvironment(environmentWith({}));
        program.start(kProgram, arguments);
        ASSERT_TRUE(program.waitForStarted());
        EXPECT_FALSE(program.waitForFinished(1500))
            << qPrintable(QString::fromLocal8Bit(program.readAllStandardError()));
        program.kill();
        program.waitForFinished();
    }
}

// The line the program ends with where no window can be opened: which of the two depends on
// whether any display is set at all.
QString noDisplayLine() {
    return kProgram +
           QStringLiteral(": no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run "
                          "it without a screen: xvfb-run ") +
           kProgram;
}

QString cannotOpenLine() {
    return kProgram + QStringLiteral(": cannot open the window; to run it without a screen: xvfb-run ") + kProgram;
}

// Where no window system can be used, the toolkit's own lines name the plugin and the display it
// tried, and the program ends with one line of its own and status 1, never with the toolkit's
// abort and its advice to reinstall.
void expectEndedWithOneLine(const Finished& finished, const QString& line, const QStringList& named) {
    EXPECT_FALSE(finished.crashed);
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_TRUE(finished.out.isEmpty());
    QStringList lines = finished.err.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2) << qPrintable(finished.err);
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "the last line ends with a newline";
    EXPECT_EQ(lines.takeLast(), line) << qPrintable(finished.err);
    const QString toolkit = lines.join(QLatin1Char('\n'));
    EXPECT_FALSE(toolkit.contains(kProgram)) << "one line of the program's own: " << qPrintable(finished.err);
    EXPECT_FALSE(toolkit.contains(QStringLiteral("Reinstalling"))) << qPrintable(finished.err);
    for (const QString& text : named) {
        EXPECT_TRUE(toolkit.contains(text)) << qPrintable(finished.err);
    }
}

TEST(ProgramDisplayTest, WhereNoWindowCanBeOpenedItEndsWithOneLineAndStatusOne) {
    const QTemporaryDir runtime; // a private runtime folder where no Wayland compositor runs
    ASSERT_TRUE(runtime.isValid());
    const QString dead = deadDisplay();
    const bool graphicsDevice = QFile::exists(QStringLiteral("/dev/dri"));
    const struct {
        const char* name;
        QStringList arguments;
        Variables variables;
        QString line;
        QStringList named; // in the toolkit's lines
    } cases[] = {
        {"no display at all", {}, {}, noDisplayLine(), {"\"xcb\""}},
        {"an X display no server listens on", {}, {{"DISPLAY", dead}}, cannotOpenLine(), {dead, "\"xcb\""}},
        {"a display name that is none", {}, {{"DISPLAY", "notadisplay"}}, cannotOpenLine(), {"notadisplay"}},
        {"an X display named on the command line, dead", {"-display", dead}, {}, noDisplayLine(), {dead}},
        {"a platform plugin that is not installed",
         {},
         {{"QT_QPA_PLATFORM", "nosuchplugin"}},
         noDisplayLine(),
         {"\"nosuchplugin\""}},
        {"a missing plugin named on the command line",
         {"-platform", "nosuchplugin"},
         {{"DISPLAY", dead}},
         cannotOpenLine(),
         {"\"nosuchplugin\""}},
        {"X11 without DISPLAY", {}, {{"QT_QPA_PLATFORM", "xcb"}}, noDisplayLine(), {"\"xcb\""}},
        {"Wayland where no compositor runs",
         {},
         {{"QT_QPA_PLATFORM", "wayland"}, {"XDG_RUNTIME_DIR", runtime.path()}, {"WAYLAND_DISPLAY", "kolvex-none"}},
         cannotOpenLine(),
         {"\"wayland\""}},
        {"a missing plugin, then a dead X display",
         {},
         {{"QT_QPA_PLATFORM", "nosuchplugin;xcb"}, {"DISPLAY", dead}},
         cannotOpenLine(),
         {"\"nosuchplugin\"", dead}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectEndedWithOneLine(run(c.arguments, c.variables), c.line, c.named);
    }
    // A plugin that fails with a fatal message of its own: the framebuffer plugin where the machine
    // has no graphics device. Its reason is kept above the line.
    if (!graphicsDevice) {
        SCOPED_TRACE("a plugin with a reason of its own");
        expectEndedWithOneLine(run({}, {{"QT_QPA_PLATFORM", "eglfs"}}), cannotOpenLine(), {"DRM"});
    }
}

// The window as an X11 display shows it, read with xwininfo; the program runs under a virtual
// screen of 1024 x 768 without a window manager (CMake starts these tests under xvfb-run).
struct Shown {
    std::optional<QRect> window; // the client area on the screen; none when no window came up
    bool stillRunning = false;
    QString err;
};

// The window's title, by which the X11 tools find it.
const QString kTitle = QStringLiteral("Kolvex DVR Record time calculator Ver %1").arg(QLatin1String(kolvex::kVersion));

// The environment of the program on the test's X display, with a runtime folder of its own, which
// keeps the toolkit's note about a missing one out of stderr, and then the given variables.
QProcessEnvironment onScreenEnvironment(const Variables& variables, const QTemporaryDir& runtime) {
    Variables all = {{QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY")},
                     {QStringLiteral("XDG_RUNTIME_DIR"), runtime.path()}};
    all.insert(all.end(), variables.begin(), variables.end());
    return environmentWith(all);
}

std::optional<QRect> windowOnScreen() {
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-name"), kTitle});
    if (!info.waitForFinished(10000) || info.exitCode() != 0) {
        return std::nullopt;
    }
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    if (!text.contains(QStringLiteral("Map State: IsViewable"))) {
        return std::nullopt;
    }
    const auto number = [&text](const char* label) {
        const QRegularExpression pattern(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(label)));
        return pattern.match(text).captured(1).toInt();
    };
    return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height"));
}

Shown show(const QStringList& arguments, const Variables& variables) {
    const QTemporaryDir runtime;
    QProcess program;
    program.setProcessEnvironment(onScreenEnvironment(variables, runtime));
    program.start(kProgram, arguments);
    Shown shown;
    if (!program.waitForStarted()) {
        return shown;
    }
    for (int tries = 0; tries < 200 && !shown.window && !program.waitForFinished(0); ++tries) {
        QThread::msleep(100);
        shown.window = windowOnScreen();
    }
    QThread::msleep(300); // its first picture, and any late message
    shown.window = windowOnScreen();
    program.waitForFinished(0); // takes note of an exit
    shown.stillRunning = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();
    shown.err = QString::fromLocal8Bit(program.readAllStandardError());
    return shown;
}

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kClientWidth = 559; // 8385 twips at 96 dots per inch

// The program is still running, its window at its width and centred on the screen.
void expectRunningCentredAtItsSize(const Shown& shown) {
    EXPECT_TRUE(shown.stillRunning);
    EXPECT_EQ(shown.window->width(), kClientWidth);
    EXPECT_EQ(shown.window->center().x(), kScreenWidth / 2);
    EXPECT_NEAR(shown.window->center().y(), kScreenHeight / 2, 1);
}

class ProgramOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            GTEST_SKIP() << "needs an X display of 1024 x 768 (run by CTest under xvfb-run)";
        }
    }
};

// A scale factor that is not a positive number is ignored with one warning line: the window
// comes up at its normal size, centred.
TEST_F(ProgramOnScreenTest, AnUnusableScaleFactorIsIgnoredWithOneWarning) {
    for (const char* factor : {"0", "-1", "nan", "big"}) {
        SCOPED_TRACE(factor);
        const Shown shown = show({}, {{"QT_SCALE_FACTOR", QLatin1String(factor)}});
        ASSERT_TRUE(shown.window.has_value()) << qPrintable(shown.err);
        expectRunningCentredAtItsSize(shown);
        EXPECT_EQ(
            shown.err,
            kProgram +
                QStringLiteral(": ignoring QT_SCALE_FACTOR=%1: not a positive number\n").arg(QLatin1String(factor)));
    }
}

// Started by a desktop that left a start-up notice for it (which the toolkit takes out of the
// environment) or not, the window comes up centred, at its size, without a message.
TEST_F(ProgramOnScreenTest, TheWindowComesUpWithOrWithoutAStartUpNotice) {
    for (const auto& variables : std::vector<Variables>{
             {}, {{"DESKTOP_STARTUP_ID", "kolvex-test_TIME0"}}, {{"XDG_ACTIVATION_TOKEN", "kolvex-test"}}}) {
        SCOPED_TRACE(variables.empty() ? "none" : qPrintable(variables.front().first));
        const Shown shown = show({}, variables);
        ASSERT_TRUE(shown.window.has_value()) << qPrintable(shown.err);
        expectRunningCentredAtItsSize(shown);
        EXPECT_TRUE(shown.err.isEmpty()) << qPrintable(shown.err);
    }
}

// At scale 2 the window (1118 px) is wider than the 1024 px screen: it keeps its top-left corner,
// the menu bar and the model row on the screen.
TEST_F(ProgramOnScreenTest, AWindowLargerThanTheScreenKeepsItsTopLeftCornerOnIt) {
    for (const char* factor : {"2", "3"}) {
        SCOPED_TRACE(factor);
        const Shown shown = show({}, {{"QT_SCALE_FACTOR", QLatin1String(factor)}});
        ASSERT_TRUE(shown.window.has_value()) << qPrintable(shown.err);
        EXPECT_GT(shown.window->width(), kScreenWidth);
        EXPECT_EQ(shown.window->left(), 0);
        EXPECT_GE(shown.window->top(), 0);
        EXPECT_LT(shown.window->top(), kScreenHeight / 2);
    }
}

// The output of a short command; empty when it fails.
QString output(const QString& command, const QStringList& arguments) {
    QProcess process;
    process.start(command, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// With a window manager (openbox) the window's client area is centred, as it is without one: the
// frame the manager adds around it is not known before the window is up. The whole frame is on
// the screen, and where the window first appears is where it stays: no visible jump.
TEST_F(ProgramOnScreenTest, WithAWindowManagerTheWindowIsCentredFromTheStart) {
    QProcess manager;
    manager.start(QStringLiteral("openbox"), {});
    ASSERT_TRUE(manager.waitForStarted()) << "openbox is part of the project's setup";
    bool managing = false;
    for (int tries = 0; tries < 100 && !managing; ++tries) {
        managing =
            output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QStringLiteral("window id"));
        if (!managing) {
            QThread::msleep(100);
        }
    }
    ASSERT_TRUE(managing) << "openbox did not start: "
                          << qPrintable(QString::fromLocal8Bit(manager.readAllStandardError()));
    // openbox names itself on the root window a moment before it takes over the screen; on a busy
    // machine a window mapped in between would go unmanaged.
    QThread::msleep(500);

    const QTemporaryDir runtime;
    QProcess program;
    program.setProcessEnvironment(onScreenEnvironment({}, runtime));
    program.start(kProgram, {});
    ASSERT_TRUE(program.waitForStarted());
    std::optional<QRect> first;
    for (int tries = 0; tries < 1000 && !first && !program.waitForFinished(0); ++tries) {
        first = windowOnScreen();
    }
    QThread::msleep(1000);
    // The frame's extents, once the window manager has set them (at once when idle).
    QString extents;
    for (int tries = 0; tries < 100; ++tries) {
        extents =
            output(QStringLiteral("xprop"), {QStringLiteral("-name"), kTitle, QStringLiteral("_NET_FRAME_EXTENTS")});
        if (extents.contains(QLatin1Char('='))) {
            break;
        }
        QThread::msleep(100);
    }
    const std::optional<QRect> later = windowOnScreen();
    const QString tree = output(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    program.kill();
    program.waitForFinished();
    manager.kill();
    manager.waitForFinished();

    ASSERT_TRUE(first.has_value()) << qPrintable(QString::fromLocal8Bit(program.readAllStandardError()));
    ASSERT_TRUE(later.has_value());
    EXPECT_EQ(*first, *later) << "the window moved after it appeared";
    // left, right, top, bottom
    const QRegularExpressionMatch frame =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    ASSERT_TRUE(frame.hasMatch()) << qPrintable(extents) << qPrintable(tree)
                                  << qPrintable(QString::fromLocal8Bit(manager.readAllStandardError()));
    ASSERT_GT(frame.captured(3).toInt(), 0) << "openbox draws a title bar";
    const int left = frame.captured(1).toInt();
    const int right = frame.captured(2).toInt();
    const int top = frame.captured(3).toInt();
    const int bottom = frame.captured(4).toInt();
    const QRect framed = later->adjusted(-left, -top, right, bottom);
    EXPECT_TRUE(QRect(0, 0, kScreenWidth, kScreenHeight).contains(framed)) << qPrintable(extents);
    EXPECT_NEAR(later->left() + later->width() / 2.0, kScreenWidth / 2.0, 1.0) << qPrintable(tree);
    EXPECT_NEAR(later->top() + later->height() / 2.0, kScreenHeight / 2.0, 1.0) << qPrintable(tree);
}

// The display named on the command line is the one the window opens on, also where DISPLAY is
// not set, in each way the option can be written.
TEST_F(ProgramOnScreenTest, TheDisplayOnTheCommandLineIsUsedWithoutDISPLAY) {
    const QString display = qEnvironmentVariable("DISPLAY");
    for (const QStringList& arguments :
         {QStringList{"-display", display}, QStringList{"--display", display}, QStringList{"--display=" + display}}) {
        SCOPED_TRACE(qPrintable(arguments.join(QLatin1Char(' '))));
        const Shown shown = show(arguments, {{"DISPLAY", QString()}});
        ASSERT_TRUE(shown.window.has_value()) << qPrintable(shown.err);
        expectRunningCentredAtItsSize(shown);
        EXPECT_TRUE(shown.err.isEmpty()) << qPrintable(shown.err);
    }
}

// A platform plugin the machine lacks is named, and the program ends with its one line, though a
// display is there: the window opens only on the window system asked for.
TEST_F(ProgramOnScreenTest, AMissingPlatformPluginEndsWithOneLineThoughADisplayIsThere) {
    const QTemporaryDir runtime;
    for (const auto& [arguments, variables] : std::vector<std::pair<QStringList, Variables>>{
             {{}, {{"QT_QPA_PLATFORM", "nosuchplugin"}}}, {{"-platform", "nosuchplugin"}, {}}}) {
        SCOPED_TRACE(qPrintable(arguments.join(QLatin1Char(' '))));
        QProcess program;
        program.setProcessEnvironment(onScreenEnvironment(variables, runtime));
        program.start(kProgram, arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        const Finished finished{program.exitCode(), program.exitStatus() == QProcess::CrashExit,
                                QString::fromLocal8Bit(program.readAllStandardOutput()),
                                QString::fromLocal8Bit(program.readAllStandardError())};
        expectEndedWithOneLine(finished, cannotOpenLine(), {"\"nosuchplugin\""});
    }
}

} // namespace
} // namespace kolvex_test
