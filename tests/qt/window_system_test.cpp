// What the program prints and how it ends when the toolkit gives up while the window is being
// opened: every message the toolkit printed before stays, the reason stays, and the program ends
// with its one line and status 1 instead of an abort. Once the window is shown, a fatal message
// is the toolkit's own again.
#include "ui/qt/window_system.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace kolvex_test {
namespace {

constexpr const char* kWarning = "qt.qpa.xcb: could not connect to display :4711";
constexpr const char* kNoPlugin = "This application failed to start because no Qt platform plugin could be "
                                  "initialized. Reinstalling the application may fix this problem.";
constexpr const char* kOtherReason = "Could not find DRM device!";

bool exitedWithOne(int status) {
    return ::testing::ExitedWithCode(1)(status);
}

bool aborted(int status) {
    return ::testing::KilledBySignal(SIGABRT)(status);
}

TEST(WindowSystemGuardTest, AFatalMessageWhileTheWindowOpensEndsWithTheWarningsTheReasonAndOneLine) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        const char* name;
        const char* display; // DISPLAY; WAYLAND_DISPLAY is not set
        const char* fatal;
        bool windowShown;
        std::function<bool(int)> ended;
        const char* stderrPattern; // the whole of stderr, newlines included
    } cases[] = {
        {"no platform plugin opened the display", ":4711", kNoPlugin, false, exitedWithOne,
         "^qt\\.qpa\\.xcb: could not connect to display :4711\n"
         "kolvex-calculator: cannot open the window; to run it without a screen: xvfb-run kolvex-calculator\n$"},
        {"no platform plugin and no display at all", "", kNoPlugin, false, exitedWithOne,
         "^qt\\.qpa\\.xcb: could not connect to display :4711\n"
         "kolvex-calculator: no display to open the window on \\(neither DISPLAY nor WAYLAND_DISPLAY is set\\); to "
         "run it without a screen: xvfb-run kolvex-calculator\n$"},
        {"another reason: it is printed before the line", "", kOtherReason, false, exitedWithOne,
         "^qt\\.qpa\\.xcb: could not connect to display :4711\nCould not find DRM device!\n"
         "kolvex-calculator: cannot open the window; to run it without a screen: xvfb-run kolvex-calculator\n$"},
        {"after the window is shown: the toolkit's abort", ":4711", kOtherReason, true, aborted,
         "Could not find DRM device!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(
            {
                qputenv("DISPLAY", QByteArray(c.display));
                qunsetenv("WAYLAND_DISPLAY");
                qunsetenv("QT_MESSAGE_PATTERN");
                ui::qt::WindowSystemGuard guard("kolvex-calculator");
                qWarning("%s", kWarning);
                if (c.windowShown) {
                    guard.windowShown();
                }
                qFatal("%s", c.fatal);
            },
            c.ended, c.stderrPattern);
    }
}

} // namespace
} // namespace kolvex_test
