#include "tests/qt/window_driver.h"
#include "tests/ui/random_sessions.h"
#include "tests/ui/session_model.h"
#include "ui/qt/form1.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace ui::session {
namespace {

using kolvex_test::control;

// Picks an entry the way a user does with the list open: F4 opens it, the keys walk to the entry
// (Home or End first when that is shorter, then a page at a time, then single steps) and Enter
// takes it. Walking the open list chooses nothing; only Enter does, so the list's handler runs
// once, for this entry, also when it is the one already selected.
bool pickFromOpenList(QComboBox* box, int entry) {
    QTest::keyClick(box, Qt::Key_F4);
    QAbstractItemView* view = box->view();
    if (!view->isVisible()) {
        return false;
    }
    const auto row = [view] { return view->currentIndex().isValid() ? view->currentIndex().row() : -1; };
    const int fromHere = row() < 0 ? std::numeric_limits<int>::max() : std::abs(entry - row());
    const int fromFirst = entry;
    const int fromLast = box->count() - 1 - entry;
    if (fromFirst <= fromHere && fromFirst <= fromLast) {
        QTest::keyClick(view, Qt::Key_Home);
    } else if (fromLast < fromHere) {
        QTest::keyClick(view, Qt::Key_End);
    }
    const int page = std::max(box->maxVisibleItems() - 1, 1);
    while (row() != entry) {
        const int before = row();
        const int distance = entry - before;
        const Qt::Key key = distance >= page    ? Qt::Key_PageDown
                            : distance > 0      ? Qt::Key_Down
                            : distance <= -page ? Qt::Key_PageUp
                                                : Qt::Key_Up;
        QTest::keyClick(view, key);
        if (row() == before) {
            return false;
        }
    }
    QTest::keyClick(view, Qt::Key_Return);
    return !view->isVisible() && box->currentIndex() == entry;
}

// The real window, offscreen, worked with the mouse and keyboard. A fresh window opens for every
// session: nothing in the window can be reset, as a user can only close it.
class WindowDriver : public Driver {
public:
    // `sabotage` breaks the freshly opened window, to prove that the checks see the real widgets.
    explicit WindowDriver(std::function<void(qt::Form1&)> sabotage = {}) : m_sabotage(std::move(sabotage)) {
        // A message box runs its own event loop, in which this timer fires at once.
        m_closer.setInterval(0);
        QObject::connect(&m_closer, &QTimer::timeout, [this] { closeMessageBox(); });
    }

    void restart() override {
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_window = std::make_unique<qt::Form1>();
        if (!kolvex_test::showWindow(*m_window)) {
            ADD_FAILURE() << "the window was not shown";
        }
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            m_controls[i] = control(*m_window, static_cast<Control>(i));
        }
        m_messages.clear();
        if (m_sabotage) {
            m_sabotage(*m_window);
        }
    }

    void apply(const Action& a) override {
        const QWidget& w = *m_window;
        switch (a.kind) {
        case Kind::Model:
        case Kind::Mode:
            return kolvex_test::clickOption(w, control(w, *optionOf(a.kind, a.index))->objectName());
        case Kind::Choose:
            if (!pickFromOpenList(list(a.list), a.index)) {
                ADD_FAILURE() << "could not pick " << describe(a);
            }
            return;
        case Kind::Calculate:
            m_closer.start();
            kolvex_test::clickButton(w, QStringLiteral("Count_BTN"));
            m_closer.stop();
            return;
        case Kind::Clear:
            return kolvex_test::clickButton(w, QStringLiteral("Clear_BTN"));
        case Kind::Language:
            return kolvex_test::chooseLanguage(w, a.index);
        }
    }

    bool enabled(Control c) const override { return widget(c)->isEnabled(); }
    bool visible(Control c) const override { return widget(c)->isVisible(); }
    std::string caption(Control c) const override { return kolvex_test::captionOf(widget(c)).toStdString(); }
    int entryCount(Control c) const override { return list(c)->count(); }
    std::string entryText(Control c, int entry) const override { return list(c)->itemText(entry).toStdString(); }
    int selectedIndex(Control c) const override { return list(c)->currentIndex(); }
    // Text1 keeps lines, not their ends: each line break stands for the CR LF the form handed over.
    // That the form hands over CR LF exactly is proven by the sessions against the fake view.
    std::string resultText() const override {
        return control<QPlainTextEdit>(*m_window, QStringLiteral("Text1"))
            ->toPlainText()
            .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
            .toStdString();
    }
    std::size_t messageCount() const override { return m_messages.size(); }
    Message lastMessage() const override { return m_messages.back(); }
    std::string decimalSeparator() const override { return QLocale::system().decimalPoint().toStdString(); }
    const calc::RecordSettings* record() const override { return &m_window->form().settings(); }
    std::optional<bool> checked(Control option) const override {
        return static_cast<QRadioButton*>(widget(option))->isChecked();
    }

private:
    QWidget* widget(Control c) const { return m_controls[static_cast<std::size_t>(c)]; }
    QComboBox* list(Control c) const { return qobject_cast<QComboBox*>(widget(c)); }

    // Notes what the box says and presses its OK button, as the user would.
    void closeMessageBox() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        QAbstractButton* ok = box != nullptr ? box->button(QMessageBox::Ok) : nullptr;
        if (ok == nullptr || box->buttons().size() != 1 || box->icon() != QMessageBox::NoIcon) {
            ADD_FAILURE() << "unexpected dialog \"" << modal->windowTitle().toStdString() << "\"";
            modal->close();
            return;
        }
        m_messages.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
        QTest::mouseClick(ok, Qt::LeftButton);
    }

    std::function<void(qt::Form1&)> m_sabotage;
    std::unique_ptr<qt::Form1> m_window;
    std::array<QWidget*, kControlCount> m_controls{};
    std::vector<Message> m_messages;
    QTimer m_closer;
};

TEST(RealWindowSessionTest, RandomSessionsOnTheRealWindowKeepEveryProperty) {
    WindowDriver driver;
    // Enough complete settings and refusals for the report and message checks to bite.
    checkRandomSessions(driver, 300, 100, "sessions on the window");
}

// A window whose binding is broken fails within a few sessions, with a short list of actions
// that shows it: the driver reads the real widgets, not what it did to them.
TEST(RealWindowSessionTest, ABrokenWindowFailsWithAShortSession) {
    const struct {
        const char* name;
        std::function<void(qt::Form1&)> sabotage;
        std::string property;
        std::size_t maxActions;
    } cases[] = {
        {"Combo3 choice not bound",
         [](qt::Form1& w) { control<QComboBox>(w, QStringLiteral("Combo3"))->disconnect(&w); },
         "the record holds the value of every selected entry", 5},
        {"Language menu not bound",
         [](qt::Form1& w) {
             for (int i = 0; i < 5; ++i) {
                 control<QAction>(w, QStringLiteral("Language_%1").arg(i))->disconnect(&w);
             }
         },
         "captions follow the language", 1},
        {"Clear not bound",
         [](qt::Form1& w) { control<QAbstractButton>(w, QStringLiteral("Clear_BTN"))->disconnect(&w); },
         "Clear empties the result box", 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowDriver driver(c.sabotage);
        const RunSummary summary = runSessions(driver, {1, 60});
        ASSERT_TRUE(summary.failure);
        EXPECT_EQ(summary.failure->failure.property, c.property) << summary.failure->report();
        EXPECT_LE(summary.failure->shortened.size(), c.maxActions) << summary.failure->report();
    }
}

} // namespace
} // namespace ui::session
