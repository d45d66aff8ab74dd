#include "tests/qt/modal_guard.h"
#include "tests/qt/qt_printers.h"
#include "tests/qt/window_driver.h"
#include "ui/qt/form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kolvex_test {
namespace {

const QString kSeparator = QStringLiteral("=======================================");

// Text1 shows each CRLF line of the report as one line of its own.
QString lines(const QStringList& report) {
    return report.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(showActiveWindow(m_window)); }

    template <class Widget = QWidget>
    Widget* find(const QString& name) const {
        auto* w = control<Widget>(m_window, name);
        EXPECT_NE(w, nullptr) << qPrintable(name);
        return w;
    }
    QString resultText() const { return find<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(); }

    ui::qt::Form1 m_window;
    ModalGuard m_guard;
};

struct ControlAtStart {
    const char* name;
    const char* kind;
    const char* container;
    const char* caption;
    QRect pixels;
    bool enabled;
    bool visible;
};

// Each container's controls in stacking order, bottom first.
const ControlAtStart kControlsAtStart[] = {
    {"Frame3", "QGroupBox", "ClientArea", "DVR MODEL", {8, 8, 545, 41}, true, true},
    {"Option2_1", "QRadioButton", "Frame3", "4CH", {8, 16, 81, 17}, true, true},
    {"Option2_3", "QRadioButton", "Frame3", "16CH", {184, 16, 121, 17}, true, true},
    {"Option2_2", "QRadioButton", "Frame3", "8CH", {104, 16, 57, 17}, true, true},
    {"Frame2", "QGroupBox", "ClientArea", "", {8, 48, 545, 41}, true, true},
    {"Option1_1", "QRadioButton", "Frame2", "Recording time", {216, 16, 297, 17}, false, true},
    {"Option1_0", "QRadioButton", "Frame2", "Recoding capacity", {16, 16, 177, 17}, false, true},
    {"Text1", "QPlainTextEdit", "ClientArea", "", {288, 96, 265, 209}, true, true},
    {"Frame1", "QGroupBox", "ClientArea", "", {8, 88, 273, 217}, true, true},
    {"Combo5", "QComboBox", "Frame1", "", {160, 152, 105, 20}, false, true},
    {"Clear_BTN", "QPushButton", "Frame1", "Clear", {32, 184, 89, 25}, false, true},
    {"Combo1", "QComboBox", "Frame1", "", {160, 24, 105, 20}, false, true},
    {"Combo2", "QComboBox", "Frame1", "", {160, 56, 105, 20}, false, true},
    {"Combo3", "QComboBox", "Frame1", "", {160, 88, 105, 20}, false, true},
    {"Combo4", "QComboBox", "Frame1", "", {160, 120, 105, 20}, false, true},
    {"Count_BTN", "QPushButton", "Frame1", "Calculate", {144, 184, 89, 25}, true, true},
    {"Combo6", "QComboBox", "Frame1", "", {160, 152, 105, 20}, false, false},
    {"Label1_5", "QLabel", "Frame1", "HDD size", {8, 152, 145, 25}, false, false},
    {"Label1_4", "QLabel", "Frame1", "Record duration", {8, 152, 129, 25}, false, true},
    {"Label1_0", "QLabel", "Frame1", "Video system", {8, 24, 145, 25}, false, true},
    {"Label1_1", "QLabel", "Frame1", "Quality", {8, 56, 145, 25}, false, true},
    {"Label1_2", "QLabel", "Frame1", "Resolution", {8, 88, 145, 25}, false, true},
    {"Label1_3", "QLabel", "Frame1", "Record speed", {8, 120, 145, 25}, false, true},
};

TEST_F(WindowTest, EveryControlStartsInItsPlaceAndState) {
    std::map<QString, QStringList> stacking;
    for (const ControlAtStart& c : kControlsAtStart) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), c.kind);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.container));
        EXPECT_EQ(captionOf(w), QString::fromUtf8(c.caption));
        EXPECT_EQ(w->geometry(), c.pixels);
        EXPECT_EQ(w->isEnabled(), c.enabled);
        EXPECT_EQ(w->isVisible(), c.visible);
        if (auto* option = qobject_cast<QRadioButton*>(w)) {
            EXPECT_FALSE(option->isChecked());
        }
        stacking[QLatin1String(c.container)].append(QLatin1String(c.name));
    }
    for (const auto& [container, expected] : stacking) {
        QStringList actual;
        for (QObject* child : find(container)->children()) {
            if (child->isWidgetType()) {
                actual.append(child->objectName());
            }
        }
        EXPECT_EQ(actual, expected) << qPrintable(container);
    }
}

// The form names a control by its ui::Control: a call must reach the widget of that name and no
// other, or a choice in one list would run another list's handler.
TEST_F(WindowTest, EveryViewCallReachesTheControlOfItsName) {
    using State = bool (QWidget::*)() const;
    const auto states = [this](State state) {
        std::vector<bool> out;
        for (int i = 0; i < ui::kControlCount; ++i) {
            out.push_back((control(m_window, static_cast<ui::Control>(i))->*state)());
        }
        return out;
    };
    const struct {
        const char* name;
        void (ui::View::*set)(ui::Control, bool);
        State state;
    } calls[] = {
        {"enable", &ui::View::setControlEnabled, &QWidget::isEnabled},
        {"show", &ui::View::setControlVisible, &QWidget::isVisible},
    };
    ui::View& view = m_window;
    for (const auto& call : calls) {
        for (int i = 0; i < ui::kControlCount; ++i) {
            const auto c = static_cast<ui::Control>(i);
            if (ui::layout::controlLayout(c).kind == ui::layout::Kind::Frame) {
                continue; // a frame takes its controls with it
            }
            SCOPED_TRACE(std::string(call.name) + " " + std::string(ui::controlName(c)));
            ASSERT_NE(control(m_window, c), nullptr);
            std::vector<bool> expected = states(call.state);
            const auto slot = static_cast<std::size_t>(i);
            expected[slot] = !expected[slot];
            (view.*call.set)(c, expected[slot]);
            EXPECT_EQ(states(call.state), expected);
            (view.*call.set)(c, !expected[slot]);
        }
    }
}

TEST_F(WindowTest, ListsStartFilledWithNothingChosen) {
    const struct {
        const char* name;
        const char* caption;
        QStringList entries; // the whole list, or its first and last entry for Combo4
        int count;
    } lists[] = {
        {"Combo1", "Label1_0", {"NTSC", "PAL"}, 2},
        {"Combo2", "Label1_1", {"HYPER", "SUPER", "HIGH", "MIDDLE", "LOW"}, 5},
        {"Combo3", "Label1_2", {"60IPS@720*240", "120IPS@360*240", "240IPS@360*120"}, 3},
        {"Combo4", "Label1_3", {"1/1", "1/999"}, 999},
        {"Combo5",
         "Label1_4",
         {"1 Hour", "2 Hour", "6 Hour", "12 Hour", "1 Day", "2 Day", "3 Day", "4 Day", "5 Day", "6 Day", "1 Week",
          "2 Week", "3 Week", "1 Month"},
         14},
        {"Combo6", "Label1_5", {"80G", "120G", "160G", "200G", "250G", "300G", "400G", "500G", "750G"}, 9},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(l.name);
        auto* list = find<QComboBox>(QLatin1String(l.name));
        ASSERT_EQ(list->count(), l.count);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) {
            entries.append(list->itemText(i));
        }
        if (l.count == 999) {
            EXPECT_EQ(entries.first(), l.entries.first());
            EXPECT_EQ(entries.last(), l.entries.last());
            EXPECT_EQ(entries.at(499), QStringLiteral("1/500"));
        } else {
            EXPECT_EQ(entries, l.entries);
        }
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_TRUE(list->currentText().isEmpty());
        EXPECT_FALSE(list->isEditable());
        // Open, the list shows at most maxVisibleItems entries and scrolls to the others.
        list->showPopup();
        const QAbstractItemView* view = list->view();
        const int shown = view->viewport()->height() / view->sizeHintForRow(0);
        EXPECT_EQ(shown, std::min(l.count, list->maxVisibleItems()));
        EXPECT_LE(list->maxVisibleItems(), 20);
        list->hidePopup();
        EXPECT_EQ(find<QLabel>(QLatin1String(l.caption))->buddy(), list);
    }
}

TEST_F(WindowTest, WindowFrameMenuAndFonts) {
    EXPECT_EQ(m_window.windowTitle(), expectedTitle());
    EXPECT_EQ(m_window.minimumSize(), m_window.maximumSize());
    EXPECT_EQ(m_window.centralWidget()->geometry(), QRect(0, m_window.menuBar()->height(), 559, 311));
    EXPECT_TRUE(m_window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(m_window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(m_window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QList<QSize> iconSizes = m_window.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
    EXPECT_FALSE(m_window.windowIcon().pixmap(32, 32).isNull());
    const QPoint screenCentre = m_window.screen()->availableGeometry().center();
    EXPECT_LE((m_window.geometry().center() - screenCentre).manhattanLength(), 1);

    auto* menu = find<QMenu>(QStringLiteral("Language_Main"));
    EXPECT_EQ(menu->title(), QStringLiteral("&Language"));
    QStringList items;
    for (QAction* item : menu->actions()) {
        items.append(item->text());
        EXPECT_TRUE(item->isEnabled() && item->isVisible() && !item->isCheckable());
        EXPECT_EQ(item->objectName(), QStringLiteral("Language_%1").arg(items.size() - 1));
    }
    EXPECT_EQ(items, QStringList({"English", "Chinese", "German", "French", "Dutch"}));

    for (int i = 0; i <= 5; ++i) {
        const QFont font = find(QStringLiteral("Label1_%1").arg(i))->font();
        EXPECT_EQ(font.family(), QStringLiteral("新細明體"));
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    }
    // The Ming font first; the Latin letters from a proportional serif before the free Ming fonts,
    // whose Latin letters are thin and fixed-width.
    const QStringList families = find(QStringLiteral("Label1_0"))->font().families();
    ASSERT_FALSE(families.isEmpty());
    EXPECT_EQ(families.first(), QStringLiteral("新細明體"));
    EXPECT_LT(families.indexOf(QStringLiteral("PMingLiU")), families.indexOf(QStringLiteral("Liberation Serif")));
    EXPECT_LT(families.indexOf(QStringLiteral("Liberation Serif")), families.indexOf(QStringLiteral("AR PL UMing TW")));
    EXPECT_NE(QFontInfo(find(QStringLiteral("Label1_0"))->font()).family(), QStringLiteral("AR PL UMing TW"));

    auto* text1 = find<QPlainTextEdit>(QStringLiteral("Text1"));
    EXPECT_EQ(text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(text1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(text1->isReadOnly());
    EXPECT_TRUE(text1->toPlainText().isEmpty());
}

// Tab walks the controls by their tab index, passing over those that are disabled or hidden. An
// option group is one stop: its selected option, or while none is, the first by tab index.
TEST_F(WindowTest, TabVisitsTheControlsInTheirOrder) {
    const struct {
        const char* name;
        std::function<void(const QWidget&)> steps;
        QStringList order;
    } cases[] = {
        {"at start", [](const QWidget&) {}, {"Count_BTN", "Text1", "Option2_2"}},
        {"every step taken, capacity mode",
         [](const QWidget& w) {
             runTypicalUse(w);
             control(w, QStringLiteral("Count_BTN"))->setFocus();
         },
         {"Count_BTN", "Combo4", "Combo3", "Combo2", "Combo1", "Text1", "Clear_BTN", "Combo5", "Option1_0",
          "Option2_1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.steps(m_window);
        ASSERT_EQ(QApplication::focusWidget(), find(QStringLiteral("Count_BTN")));
        QStringList visited;
        for (int i = 0; i <= c.order.size(); ++i) {
            visited.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(visited, c.order + QStringList{"Count_BTN"});
    }
}

struct UserPath {
    const char* name;
    QStringList options;
    std::vector<std::pair<const char*, const char*>> choices;
    QStringList report;
};

TEST_F(WindowTest, AUserPathWritesTheReportAndClearEmptiesIt) {
    const UserPath paths[] = {
        {"capacity",
         {"Option2_1", "Option1_0"},
         {{"Combo1", "NTSC"}, {"Combo2", "HIGH"}, {"Combo3", "60IPS@720*240"}, {"Combo4", "1/10"}, {"Combo5", "1 Day"}},
         {kSeparator, "Video system : NTSC", "Record quality : HIGH= 20 K", "Record resolution : 60IPS@720*240",
          "Record speed : 1/10X = 6 fileds", "Record duration : 1 Day", "Record size : 9.8877 GB", kSeparator}},
        {"time",
         {"Option2_1", "Option1_1"},
         {{"Combo1", "NTSC"}, {"Combo2", "HIGH"}, {"Combo3", "60IPS@720*240"}, {"Combo4", "1/10"}, {"Combo6", "500G"}},
         {kSeparator, "Video system : NTSC", "Record quality : HIGH = 20 K", "Record resolution : 60IPS@720*240",
          "Record speed : 1/10X = 6 fileds", "HDD size : 500G", "Record time : 1213.6296Hour",
          "Record time : 50.5679Day", kSeparator}},
    };
    for (const UserPath& p : paths) {
        SCOPED_TRACE(p.name);
        for (const QString& option : p.options) {
            clickOption(m_window, option);
            EXPECT_TRUE(find<QRadioButton>(option)->isChecked());
        }
        for (const auto& [list, entry] : p.choices) {
            ASSERT_TRUE(chooseEntry(m_window, QLatin1String(list), QLatin1String(entry))) << list;
        }
        clickButton(m_window, QStringLiteral("Count_BTN"));
        EXPECT_EQ(resultText(), lines(p.report));
        EXPECT_TRUE(find(QStringLiteral("Clear_BTN"))->isEnabled());

        clickButton(m_window, QStringLiteral("Clear_BTN"));
        EXPECT_TRUE(resultText().isEmpty());
        EXPECT_FALSE(find(QStringLiteral("Clear_BTN"))->isEnabled());
    }
}

TEST_F(WindowTest, CalculateWithAnItemMissingShowsTheMessageInTheCurrentLanguage) {
    const struct {
        int language;
        const char* text;
    } cases[] = {
        {0, "Please setup every item !!"},
        {1, "請設定每一個項目 !!"},
        {3, "Veuillez entrer s.v.p tous les parametres !!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        chooseLanguage(m_window, c.language);
        m_guard.expectMessage();
        clickButton(m_window, QStringLiteral("Count_BTN"));
        const std::optional<SeenMessage> seen = m_guard.takeSeen();
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->title, QStringLiteral("Kolvex_calculator"));
        EXPECT_EQ(seen->text, QString::fromUtf8(c.text));
        EXPECT_EQ(seen->icon, QMessageBox::NoIcon);
        EXPECT_TRUE(seen->iconPixmapIsNull);
        EXPECT_EQ(seen->buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        EXPECT_TRUE(resultText().isEmpty());
        EXPECT_FALSE(find(QStringLiteral("Clear_BTN"))->isEnabled());
    }
}

TEST_F(WindowTest, TheLanguageMenuRecaptionsTheTenControlsOnly) {
    const char* const names[] = {"Option1_0", "Option1_1", "Label1_0", "Label1_1",  "Label1_2",
                                 "Label1_3",  "Label1_4",  "Label1_5", "Clear_BTN", "Count_BTN"};
    const struct {
        int language;
        QStringList captions;
    } cases[] = {
        {1,
         {"計算錄影容量", "計算錄影天數", "影像系統", "錄影畫質", "解析度", "錄影速度", "錄影時間", "硬碟容量", "清除",
          "計算"}},
        {2,
         {"Aufzeichnugskapazitat", "Aufzeichnungszeit", "Videosystem", "Qualitat ", "Auflosung ",
          "Aufzeichnungsgeschwindigkeit", "Aufzeichnungsdauer", "Festplattengrose", "Loschen", "Berechnung"}},
        {0,
         {"Recoding capacity", "Recording time", "Video system", "Quality", "Resolution", "Record speed",
          "Record duration", "HDD size", "Clear", "Calculate"}},
    };
    clickOption(m_window, QStringLiteral("Option2_3"));
    clickOption(m_window, QStringLiteral("Option1_1"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        chooseLanguage(m_window, c.language);
        QStringList captions;
        for (const char* name : names) {
            captions.append(captionOf(find(QLatin1String(name))));
        }
        EXPECT_EQ(captions, c.captions);
        // Fixed in every language, and the choices made stay as they were.
        EXPECT_EQ(m_window.windowTitle(), expectedTitle());
        EXPECT_EQ(captionOf(find(QStringLiteral("Frame3"))), QStringLiteral("DVR MODEL"));
        EXPECT_EQ(captionOf(find(QStringLiteral("Option2_3"))), QStringLiteral("16CH"));
        EXPECT_EQ(find<QMenu>(QStringLiteral("Language_Main"))->actions().at(1)->text(), QStringLiteral("Chinese"));
        EXPECT_TRUE(find<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
        EXPECT_TRUE(find(QStringLiteral("Combo1"))->isEnabled());
        EXPECT_TRUE(find(QStringLiteral("Combo6"))->isVisible());
        EXPECT_FALSE(find(QStringLiteral("Combo5"))->isVisible());
    }
}

// However a user picks an entry, the list's handler runs: here the video system handler enables
// the quality list, and a second run of it the resolution and speed lists as well.
TEST_F(WindowTest, EveryWayOfChoosingAnEntryReachesTheHandler) {
    const struct {
        const char* name;
        std::function<void(QComboBox*)> choose;
        const char* chosen;
        const char* nowEnabled;
    } cases[] = {
        {"arrow key", [](QComboBox* list) { QTest::keyClick(list, Qt::Key_Down); }, "NTSC", "Combo2"},
        {"typing the entry's first letter", [](QComboBox* list) { QTest::keyClicks(list, "P"); }, "PAL", "Combo2"},
        {"mouse wheel",
         [](QComboBox* list) {
             QWheelEvent wheel(QPointF(10, 10), list->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(list, &wheel);
         },
         "NTSC", "Combo2"},
        {"the same entry again from the open list",
         [](QComboBox* list) {
             QTest::keyClick(list, Qt::Key_Down);
             list->showPopup();
             QTest::keyClick(list->view(), Qt::Key_Return);
         },
         "NTSC", "Combo4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui::qt::Form1 window;
        ASSERT_TRUE(showWindow(window));
        clickOption(window, QStringLiteral("Option2_1"));
        clickOption(window, QStringLiteral("Option1_0"));
        auto* list = control<QComboBox>(window, QStringLiteral("Combo1"));
        c.choose(list);
        EXPECT_EQ(list->currentText(), QLatin1String(c.chosen));
        EXPECT_TRUE(control(window, QLatin1String(c.nowEnabled))->isEnabled());
    }
}

// A model change rewrites the resolution entries in place: the chosen position stays chosen and
// shows the new model's text, which still fits the list's field.
TEST_F(WindowTest, AModelChangeRewritesTheResolutionsKeepingTheChoice) {
    clickOption(m_window, QStringLiteral("Option2_1"));
    clickOption(m_window, QStringLiteral("Option1_0"));
    ASSERT_TRUE(chooseEntry(m_window, QStringLiteral("Combo1"), QStringLiteral("NTSC")));
    ASSERT_TRUE(chooseEntry(m_window, QStringLiteral("Combo2"), QStringLiteral("HYPER")));
    ASSERT_TRUE(chooseEntry(m_window, QStringLiteral("Combo3"), QStringLiteral("120IPS@360*240")));
    clickOption(m_window, QStringLiteral("Option2_3"));

    auto* list = find<QComboBox>(QStringLiteral("Combo3"));
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(list->currentText(), QStringLiteral("240IPS@360*240"));
    EXPECT_EQ(list->itemText(2), QStringLiteral("480IPS@360*120"));
    QStyleOptionComboBox option;
    option.initFrom(list);
    const int field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), field) << qPrintable(list->itemText(i));
    }
}

// The report's numbers follow the regional settings; CMake runs this test again under German ones.
TEST_F(WindowTest, TheReportUsesTheRegionalDecimalSeparator) {
    const QString separator = qEnvironmentVariable("KOLVEX_EXPECT_DECIMAL_POINT", QStringLiteral("."));
    runTypicalUse(m_window);
    EXPECT_TRUE(resultText().contains(QStringLiteral("Record size : 9") + separator + QStringLiteral("8877 GB\n")))
        << qPrintable(resultText());
}

} // namespace
} // namespace kolvex_test
