// Randomized user sessions, checked after every action, run against the real window: the same
// sessions and properties that the form's tests run behind a fake view, here through Qt's own
// events, so that a fault in the binding (a signal bound to the wrong handler, an entry rewrite
// that moves the selection, a hidden row that still takes input) shows up as well.
#include "tests/qt/modal_guard.h"
#include "tests/qt/window_driver.h"
#include "tests/ui/session_model.h"
#include "ui/qt/form1.h"
#include "ui/qt/start.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kolvex_test {
namespace {

using ui::Control;
using ui::session::Action;
using ui::session::Kind;

class WindowDriver final : public ui::session::Driver {
public:
    void restart() override {
        m_window = std::make_unique<ui::Form1>();
        ui::start(*m_window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
        m_messages = 0;
        m_lastMessage = {};
    }

    void apply(const Action& a) override {
        const ui::Form1& w = *m_window;
        switch (a.kind) {
        case Kind::Model:
            return clickOption(w, QStringLiteral("Option2_%1").arg(a.index));
        case Kind::Mode:
            return clickOption(w, QStringLiteral("Option1_%1").arg(a.index));
        case Kind::Choose:
            return chooseInOpenList(list(a.list), a.index);
        case Kind::Calculate:
            m_guard.expectMessage();
            clickButton(w, QStringLiteral("Count_BTN"));
            if (const std::optional<SeenMessage> seen = m_guard.takeSeen()) {
                ++m_messages;
                m_lastMessage = {seen->title.toStdString(), seen->text.toStdString()};
            }
            return;
        case Kind::Clear:
            return clickButton(w, QStringLiteral("Clear_BTN"));
        case Kind::Language:
            return chooseLanguage(w, a.index);
        }
    }

    bool enabled(Control c) const override { return widget(c)->isEnabled(); }
    bool visible(Control c) const override { return widget(c)->isVisible(); }
    std::string caption(Control c) const override {
        const QWidget* w = widget(c);
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            return label->text().toStdString();
        }
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
            return button->text().toStdString();
        }
        return {};
    }
    int entryCount(Control c) const override { return list(c)->count(); }
    std::string entryText(Control c, int entry) const override { return list(c)->itemText(entry).toStdString(); }
    int selectedIndex(Control c) const override { return list(c)->currentIndex(); }
    // Text1 keeps each CRLF line of the report as a line of its own.
    std::string resultText() const override {
        QString text = control<QPlainTextEdit>(*m_window, QStringLiteral("Text1"))->toPlainText();
        return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
    }
    std::size_t messageCount() const override { return m_messages; }
    ui::session::Message lastMessage() const override { return m_lastMessage; }
    std::string decimalSeparator() const override { return m_window->decimalSeparator(); }
    const calc::RecordSettings* record() const override { return &m_window->form().settings(); }

private:
    // The layout name as the window's objectName spells it: Option1(0) is "Option1_0".
    QWidget* widget(Control c) const {
        QString name = QString::fromUtf8(ui::controlName(c).data(), static_cast<qsizetype>(ui::controlName(c).size()));
        name.replace(QLatin1Char('('), QLatin1Char('_')).remove(QLatin1Char(')'));
        return control(*m_window, name);
    }
    QComboBox* list(Control c) const { return qobject_cast<QComboBox*>(widget(c)); }

    // One choice, as a click on an entry of the open list makes it, the entry already chosen
    // included; the arrow keys would make one choice for every entry passed on the way.
    static void chooseInOpenList(QComboBox* box, int entry) {
        box->showPopup();
        box->view()->setCurrentIndex(box->model()->index(entry, 0));
        QTest::keyClick(box->view(), Qt::Key_Return);
    }

    std::unique_ptr<ui::Form1> m_window;
    ModalGuard m_guard;
    std::size_t m_messages = 0;
    ui::session::Message m_lastMessage;
};

TEST(WindowSessionTest, RandomSessionsKeepEveryProperty) {
    const ui::session::RunConfig config = ui::session::configFromEnvironment(80);
    WindowDriver driver;
    const ui::session::RunSummary summary = ui::session::runSessions(driver, config);
    if (summary.failure) {
        FAIL() << summary.failure->report();
    }
    std::cout << summary.sessions << " sessions from seed " << config.firstSeed << ", " << summary.actions
              << " actions, " << summary.reports << " reports, " << summary.refusals << " refused calculations\n";
    EXPECT_GT(summary.reports, 0);
    EXPECT_GT(summary.refusals, 0);
}

} // namespace
} // namespace kolvex_test
