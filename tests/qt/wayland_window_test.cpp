// The window as a client of a Wayland compositor (CMake runs this under a private Weston).
#include "tests/qt/window_driver.h"
#include "ui/qt/form1.h"
#include "ui/qt/start.h"

#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace kolvex_test {
namespace {

// The title bar the toolkit draws itself on Wayland offers maximise, by its button or a double
// click; both ask the compositor to maximise the window, which answers with the screen's size.
// A window that keeps its one size after that answer is ended by the compositor, and the report
// with it. The window must stay, with its size and its report.
TEST(WaylandWindowTest, AMaximiseRequestKeepsTheWindowItsSizeAndItsReport) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    ui::qt::Form1 window;
    ui::qt::start(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The app id by which the compositor finds the desktop entry, and with it the icon.
    EXPECT_TRUE(QFile::exists(QStringLiteral(KOLVEX_DESKTOP_ENTRIES "/") + QGuiApplication::desktopFileName() +
                              QStringLiteral(".desktop")))
        << qPrintable(QGuiApplication::desktopFileName());
    runTypicalUse(window);
    const auto* result = control<QPlainTextEdit>(window, QStringLiteral("Text1"));
    const QString report = result->toPlainText();
    ASSERT_TRUE(report.contains(QStringLiteral("Record size")));
    const QSize size = window.size();

    for (const char* gesture : {"maximise button", "double click on the title bar", "maximise button again"}) {
        SCOPED_TRACE(gesture);
        QWindow* native = window.windowHandle();
        native->setWindowStates(native->windowStates() ^ Qt::WindowMaximized);
        // The compositor's answer, and pictures drawn after it: a mismatch ends the program here.
        for (int frame = 0; frame < 10; ++frame) {
            window.update();
            QTest::qWait(100);
        }
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.isMaximized());
        EXPECT_EQ(window.size(), size);
        EXPECT_EQ(result->toPlainText(), report);
    }
}

} // namespace
} // namespace kolvex_test
