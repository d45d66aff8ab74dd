#include "tests/qt/modal_guard.h"
#include "tests/qt/qt_printers.h"
#include "tests/qt/window_driver.h"
#include "tests/ui/record_values.h"
#include "ui/qt/form1.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kolvex_test {
namespace {

// The controls that can take the focus, by their tab index.
const QStringList kTabOrder = {"Count_BTN", "Combo4",    "Combo3",    "Combo2", "Combo1",    "Text1",     "Clear_BTN",
                               "Combo5",    "Option1_0", "Option1_1", "Combo6", "Option2_2", "Option2_3", "Option2_1"};

const QString kSeparator = QStringLiteral("=======================================");

// The whole use of the window with the keyboard alone: every key goes to the widget that has the
// focus, or to the open menu, as the keyboard would send it.
class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(showActiveWindow(m_window)); }

    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() != nullptr ? focus()->objectName() : QStringLiteral("(none)"); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClick(focus(), key, modifiers);
    }
    void type(const char* text) {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClicks(focus(), QLatin1String(text));
    }

    // Whether Tab stops at a control now: enabled and shown; of an option group only the
    // selected option, or while none is, the group's first by tab index.
    bool isStop(const QString& name) const {
        QWidget* w = control(m_window, name);
        if (!w->isEnabled() || !w->isVisible()) {
            return false;
        }
        auto* option = qobject_cast<QRadioButton*>(w);
        if (option == nullptr) {
            return true;
        }
        const QString group = name.left(name.indexOf(QLatin1Char('_')) + 1);
        for (const QString& other : kTabOrder) {
            if (other.startsWith(group) && other != name) {
                auto* sibling = control<QRadioButton>(m_window, other);
                if (sibling->isChecked() || (!option->isChecked() && sibling->isEnabled() &&
                                             kTabOrder.indexOf(other) < kTabOrder.indexOf(name))) {
                    return false;
                }
            }
        }
        return true;
    }

    // Tab (or Shift+Tab) until the focus is on `target`, checking each stop on the way against
    // the tab order.
    void tabTo(const QString& target, bool forward = true) {
        for (int step = 0; step < kTabOrder.size() && focusName() != target; ++step) {
            const qsizetype from = kTabOrder.indexOf(focusName());
            ASSERT_GE(from, 0) << qPrintable(focusName());
            QString expected;
            for (qsizetype i = 1; i <= kTabOrder.size() && expected.isEmpty(); ++i) {
                const qsizetype n = kTabOrder.size();
                const QString& candidate = kTabOrder.at(((forward ? from + i : from - i) % n + n) % n);
                if (isStop(candidate)) {
                    expected = candidate;
                }
            }
            if (forward) {
                press(Qt::Key_Tab);
            } else {
                press(Qt::Key_Backtab, Qt::ShiftModifier);
            }
            ASSERT_EQ(focusName(), expected) << "Tab from " << qPrintable(kTabOrder.at(from));
        }
        ASSERT_EQ(focusName(), target);
    }

    QString text(const char* name) const {
        auto* w = control(m_window, QLatin1String(name));
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            return button->text();
        }
        return qobject_cast<QComboBox*>(w) != nullptr ? static_cast<QComboBox*>(w)->currentText()
                                                      : qobject_cast<QPlainTextEdit*>(w)->toPlainText();
    }
    bool enabled(const char* name) const { return control(m_window, QLatin1String(name))->isEnabled(); }

    // Opens the Language menu with Alt+L and takes the item `steps` below the first with the arrow
    // keys and Enter.
    void chooseLanguageByKeys(int steps) {
        press(Qt::Key_L, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "Alt+L opens no menu";
        ASSERT_EQ(menu->objectName(), QStringLiteral("Language_Main"));
        ASSERT_NE(menu->activeAction(), nullptr) << "no item is highlighted";
        ASSERT_EQ(menu->activeAction()->objectName(), QStringLiteral("Language_0"));
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(menu, Qt::Key_Down);
        }
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }

    ui::qt::Form1 m_window;
    std::unique_ptr<ModalGuard> m_guard = std::make_unique<ModalGuard>();
};

TEST_F(KeyboardTest, TheTypicalUseWithTheKeyboardAlone) {
    ASSERT_EQ(focusName(), QStringLiteral("Count_BTN"));

    // The model group is one stop; with no model chosen yet the arrows move within it and Space
    // selects the option that has the focus.
    tabTo(QStringLiteral("Option2_2"));
    press(Qt::Key_Left);
    ASSERT_EQ(focusName(), QStringLiteral("Option2_1"));
    press(Qt::Key_Space);
    EXPECT_TRUE(control<QRadioButton>(m_window, QStringLiteral("Option2_1"))->isChecked());
    EXPECT_TRUE(enabled("Option1_0")) << "the model choice did not reach its handler";

    tabTo(QStringLiteral("Option1_0"));
    press(Qt::Key_Space);
    EXPECT_TRUE(control<QRadioButton>(m_window, QStringLiteral("Option1_0"))->isChecked());
    EXPECT_TRUE(enabled("Combo1")) << "the mode choice did not reach its handler";

    // In a closed list, typing an entry's first letter or the arrow keys choose it; each choice
    // runs the list's handler, which unlocks the next list.
    tabTo(QStringLiteral("Combo1"));
    type("N");
    EXPECT_EQ(text("Combo1"), QStringLiteral("NTSC"));
    EXPECT_TRUE(enabled("Combo2")) << "the video system choice did not reach its handler";

    tabTo(QStringLiteral("Combo2"), false);
    type("H");
    EXPECT_EQ(text("Combo2"), QStringLiteral("HYPER"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(text("Combo2"), QStringLiteral("HIGH"));
    EXPECT_TRUE(enabled("Combo3")) << "the quality choice did not reach its handler";

    tabTo(QStringLiteral("Combo3"), false);
    type("6");
    EXPECT_EQ(text("Combo3"), QStringLiteral("60IPS@720*240"));
    EXPECT_TRUE(enabled("Combo4")) << "the resolution choice did not reach its handler";

    tabTo(QStringLiteral("Combo4"), false);
    for (int i = 0; i < 10; ++i) {
        press(Qt::Key_Down);
    }
    EXPECT_EQ(text("Combo4"), QStringLiteral("1/10"));
    EXPECT_TRUE(enabled("Combo5")) << "the speed choice did not reach its handler";

    tabTo(QStringLiteral("Combo5"));
    press(Qt::Key_End);
    for (int i = 0; i < 9; ++i) {
        press(Qt::Key_Up);
    }
    EXPECT_EQ(text("Combo5"), QStringLiteral("1 Day"));

    tabTo(QStringLiteral("Count_BTN"));
    press(Qt::Key_Space);
    const QStringList report = {kSeparator,
                                "Video system : NTSC",
                                "Record quality : HIGH= 20 K",
                                "Record resolution : 60IPS@720*240",
                                "Record speed : 1/10X = 6 fileds",
                                "Record duration : 1 Day",
                                "Record size : 9.8877 GB",
                                kSeparator};
    EXPECT_EQ(text("Text1"), report.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_TRUE(enabled("Clear_BTN"));

    // The Language menu by its access key, an item by the arrows; the next report follows it.
    chooseLanguageByKeys(2);
    EXPECT_EQ(text("Count_BTN"), QStringLiteral("Berechnung"));
    ASSERT_NE(focus(), nullptr) << "the focus was lost with the menu";
    tabTo(QStringLiteral("Count_BTN"));
    press(Qt::Key_Return);
    EXPECT_TRUE(text("Text1").contains(QStringLiteral("Aufzeichnungsgrose : 9.8877 GB\n")))
        << qPrintable(text("Text1"));

    tabTo(QStringLiteral("Clear_BTN"));
    press(Qt::Key_Space);
    EXPECT_TRUE(text("Text1").isEmpty());
    EXPECT_FALSE(enabled("Clear_BTN"));
    EXPECT_NE(focus(), nullptr) << "the focus was lost with the Clear button";
}

// Calculate with nothing chosen brings up the message box; the keyboard closes it, and the
// focus is back on Calculate once the window has the input again.
TEST_F(KeyboardTest, TheMessageBoxClosesWithTheKeyboard) {
    const struct {
        const char* name;
        Qt::Key key;
    } keys[] = {{"Enter", Qt::Key_Return}, {"Space on OK", Qt::Key_Space}, {"Escape", Qt::Key_Escape}};
    // The test answers the box itself, by keys, once the box has the input; the guard would take
    // it for an unexpected one meanwhile.
    m_guard.reset();
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        ASSERT_EQ(focusName(), QStringLiteral("Count_BTN"));
        QString shown;
        // A message box runs its own event loop, in which this timer fires.
        QTimer answer;
        answer.setSingleShot(true);
        answer.setInterval(0);
        QObject::connect(&answer, &QTimer::timeout, [&shown, key = k.key] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                ADD_FAILURE() << "no message box";
                if (modal != nullptr) {
                    modal->close();
                }
                return;
            }
            shown = box->text();
            // The window manager gives the new box the input, as it does any new window.
            box->activateWindow();
            if (QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }) &&
                QApplication::focusWidget() != nullptr) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
            if (box->isVisible()) {
                ADD_FAILURE() << "the key did not close the message box";
                box->close();
            }
        });
        answer.start();
        press(Qt::Key_Space);
        EXPECT_EQ(shown, QStringLiteral("Please setup every item !!"));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // The window manager hands the input back to the window when the box is gone.
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
}

// The open list takes the arrows and Enter: one choice, of the entry taken, the same entry again
// included, each time running the list's handler. Escape leaves it as it was and runs nothing.
TEST_F(KeyboardTest, AnOpenListTakesArrowsAndEnter) {
    tabTo(QStringLiteral("Option2_2"));
    press(Qt::Key_Space);
    tabTo(QStringLiteral("Option1_0"));
    press(Qt::Key_Space);
    tabTo(QStringLiteral("Combo1"));
    auto* list = control<QComboBox>(m_window, QStringLiteral("Combo1"));
    const struct {
        const char* name;
        std::vector<Qt::Key> keys; // in the open list, before it is left
        Qt::Key leave;
        const char* chosen;
        bool handled; // the first run of the video system handler enables the quality list
    } choices[] = {
        {"walk to PAL, then Escape", {Qt::Key_Down, Qt::Key_Down}, Qt::Key_Escape, "", false},
        {"walk to PAL", {Qt::Key_Down, Qt::Key_Down}, Qt::Key_Return, "PAL", true},
        {"PAL again", {}, Qt::Key_Return, "PAL", true},
        {"walk to NTSC, then Escape", {Qt::Key_Up}, Qt::Key_Escape, "PAL", true},
    };
    for (const auto& c : choices) {
        SCOPED_TRACE(c.name);
        const int before = list->currentIndex();
        press(Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(list->view()->isVisible()) << "Alt+Down opens no list";
        for (const Qt::Key key : c.keys) {
            QTest::keyClick(list->view(), key);
        }
        EXPECT_EQ(list->currentIndex(), before) << "walking the open list chose an entry";
        QTest::keyClick(list->view(), c.leave);
        EXPECT_FALSE(list->view()->isVisible());
        EXPECT_EQ(list->currentText(), QLatin1String(c.chosen));
        EXPECT_EQ(enabled("Combo2"), c.handled);
        EXPECT_EQ(focusName(), QStringLiteral("Combo1"));
    }
    // The second choice of a video system runs the quality and resolution handlers.
    EXPECT_TRUE(enabled("Combo3"));
    EXPECT_TRUE(enabled("Combo4"));
}

// A note typed into the result box after a report stays there, reaches no handler, and goes with
// the next Calculate or Clear.
TEST_F(KeyboardTest, TheResultBoxTakesTypingUntilCalculateOrClearReplacesIt) {
    runTypicalUse(m_window);
    const QString report = text("Text1");
    ASSERT_FALSE(report.isEmpty());
    const auto record = ui::testing::recordValues(m_window.form().settings());
    tabTo(QStringLiteral("Text1"));
    press(Qt::Key_End, Qt::ControlModifier);
    type("note");
    press(Qt::Key_Return);
    type("x");
    EXPECT_EQ(text("Text1"), report + QStringLiteral("note\nx"));
    EXPECT_EQ(ui::testing::recordValues(m_window.form().settings()), record) << "typing reached a handler";
    clickButton(m_window, QStringLiteral("Count_BTN"));
    EXPECT_EQ(text("Text1"), report);
    tabTo(QStringLiteral("Text1"));
    type("x");
    clickButton(m_window, QStringLiteral("Clear_BTN"));
    EXPECT_TRUE(text("Text1").isEmpty());
}

} // namespace
} // namespace kolvex_test
