// What reaches the eye, at the scale factor the test runs with: every report line on one line of
// the result box, every list entry and caption drawn whole where the style really draws it,
// frames with their title in the border, options that take a click anywhere, and a message box
// wide enough for its title.
#include "tests/qt/drawn_text.h"
#include "tests/qt/window_driver.h"
#include "tests/ui/widest_reports.h"
#include "ui/captioned_controls.h"
#include "ui/qt/form1.h"
#include "ui/qt/frame_box.h"
#include "ui/qt/message_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace kolvex_test {
namespace {

constexpr int kLanguages = 5;

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(showWindow(m_window)); }

    template <class Widget = QWidget>
    Widget* find(const QString& name) const {
        return control<Widget>(m_window, name);
    }

    ui::qt::Form1 m_window;
};

// The advances of the ASCII characters in the result box's font.
ui::testing::Advances advancesOf(const QFont& font) {
    const QFontMetricsF metrics(font);
    ui::testing::Advances advance{};
    for (std::size_t ch = 0; ch < advance.size(); ++ch) {
        advance[ch] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(ch)));
    }
    return advance;
}

TEST_F(DrawingTest, EveryReportLineTakesOneLineOfTheResultBox) {
    auto* text1 = find<QPlainTextEdit>(QStringLiteral("Text1"));
    ASSERT_NE(text1, nullptr);
    for (int mode = 0; mode < 2; ++mode) {
        const auto choices = ui::testing::widestChoices(mode, advancesOf(text1->font()));
        ASSERT_EQ(choices.size(), mode == 0 ? 8U : 9U);
        for (std::int16_t language = 0; language < kLanguages; ++language) {
            QString widestLine;
            for (const auto& [line, choice] : choices) {
                const QString report = QString::fromStdString(ui::testing::reportOf(choice, language, "."));
                text1->setPlainText(report);
                for (QTextBlock block = text1->document()->begin(); block.isValid(); block = block.next()) {
                    if (block.text().isEmpty()) {
                        continue; // after the last line's CRLF
                    }
                    // Lays the block out in the box's real width.
                    text1->document()->documentLayout()->blockBoundingRect(block);
                    EXPECT_EQ(block.layout()->lineCount(), 1)
                        << "language " << language << " mode " << mode << ": \"" << qPrintable(block.text())
                        << "\" wraps, " << text1->fontMetrics().horizontalAdvance(block.text()) << " px";
                    if (text1->fontMetrics().horizontalAdvance(block.text()) >
                        text1->fontMetrics().horizontalAdvance(widestLine)) {
                        widestLine = block.text();
                    }
                }
            }
            // The widest lines of the largest values are among those checked.
            EXPECT_GT(text1->fontMetrics().horizontalAdvance(widestLine),
                      text1->fontMetrics().horizontalAdvance(QString(39, QLatin1Char('='))) - 1);
        }
    }
}

// The text is drawn where it can be seen: inside the clip the style sets and inside the control.
void expectWhole(const DrawnText& drawn, const QWidget& widget, const QString& what) {
    const QRectF inside = drawn.clip.intersected(QRectF(widget.rect()));
    EXPECT_GE(drawn.rect.left(), inside.left() - 0.5) << qPrintable(what);
    EXPECT_LE(drawn.rect.right(), inside.right() + 0.5)
        << qPrintable(what) << " ends at " << drawn.rect.right() << " of " << inside.right();
}

// The entry as it is drawn in the field, or as the open list draws it.
std::optional<DrawnText> drawnAs(QWidget& widget, const QString& text) {
    for (const DrawnText& drawn : drawnTexts(widget)) {
        if (drawn.text == text) {
            return drawn;
        }
    }
    return std::nullopt;
}

void checkOpenList(QComboBox* list, const QString& what) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    for (bool end : {false, true}) {
        end ? view->scrollToBottom() : view->scrollToTop();
        QCoreApplication::processEvents();
        const QList<DrawnText> texts = drawnTexts(*view->viewport());
        int shown = 0;
        for (int i = 0; i < list->count(); ++i) {
            const QRect row = view->visualRect(list->model()->index(i, 0));
            if (!view->viewport()->rect().contains(row)) {
                continue;
            }
            ++shown;
            bool found = false;
            for (const DrawnText& drawn : texts) {
                if (drawn.text == list->itemText(i)) {
                    found = true;
                    expectWhole(drawn, *view->viewport(), what + " open " + list->itemText(i));
                    EXPECT_EQ(drawn.stretch, 100) << qPrintable(what);
                }
            }
            EXPECT_TRUE(found) << qPrintable(what) << " open list draws \"" << qPrintable(list->itemText(i))
                               << "\" cut short";
        }
        EXPECT_GT(shown, 0) << qPrintable(what);
    }
    if (list->count() > list->maxVisibleItems()) {
        EXPECT_TRUE(view->verticalScrollBar()->isVisible()) << qPrintable(what) << " open list has no scroll bar";
    }
    list->hidePopup();
}

TEST_F(DrawingTest, EveryListEntryIsDrawnWholeClosedAndOpen) {
    for (const char* model : {"Option2_1", "Option2_2", "Option2_3"}) {
        for (const char* mode : {"Option1_0", "Option1_1"}) {
            runTypicalUse(m_window);
            clickOption(m_window, QLatin1String(model));
            clickOption(m_window, QLatin1String(mode));
            for (const char* name : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6"}) {
                auto* list = find<QComboBox>(QLatin1String(name));
                if (!list->isVisible()) {
                    continue;
                }
                const QString what = QStringLiteral("%1 %2 %3").arg(model, mode, name);
                const int chosen = list->currentIndex();
                for (int i = 0; i < list->count(); ++i) {
                    list->setCurrentIndex(i);
                    const auto drawn = drawnAs(*list, list->itemText(i));
                    ASSERT_TRUE(drawn.has_value()) << qPrintable(what) << " " << qPrintable(list->itemText(i));
                    expectWhole(*drawn, *list, what + " " + list->itemText(i));
                    EXPECT_EQ(drawn->stretch, 100) << qPrintable(what) << " " << qPrintable(list->itemText(i));
                }
                list->setCurrentIndex(chosen);
                checkOpenList(list, what);
            }
        }
    }
}

// Captions drawn narrower than the font's plain width, by language and control, in percent of it:
// the one row caption that cannot fit its label in the Ming font's serif otherwise.
const std::map<std::pair<int, QString>, int> kSqueezed = {{{2, QStringLiteral("Label1_3")}, 86}};

TEST_F(DrawingTest, EveryCaptionIsDrawnWholeInEveryLanguage) {
    for (int language = 0; language < kLanguages; ++language) {
        chooseLanguage(m_window, language);
        for (const ui::CaptionedControl& captioned : ui::kCaptionedControls) {
            QWidget* widget = control(m_window, captioned.control);
            const QString name = widget->objectName();
            const QString caption = captionOf(widget);
            const QString what = QStringLiteral("language %1 %2 \"%3\"").arg(language).arg(name, caption);
            QString drawnCaption;
            for (const DrawnText& drawn : drawnTexts(*widget)) {
                drawnCaption += drawn.text;
                expectWhole(drawn, *widget, what);
                const auto squeezed = kSqueezed.find({language, name});
                const int stretch = squeezed != kSqueezed.end() ? squeezed->second : 100;
                EXPECT_GE(drawn.stretch, stretch) << qPrintable(what) << " drawn at " << drawn.stretch << "%";
            }
            EXPECT_EQ(drawnCaption.trimmed(), caption.trimmed()) << qPrintable(what);
        }
    }
}

TEST_F(DrawingTest, FrameTitlesSitInTheBorderClearOfTheOptions) {
    for (const char* name : {"Frame1", "Frame2", "Frame3"}) {
        SCOPED_TRACE(name);
        auto* frame = dynamic_cast<ui::qt::FrameBox*>(find(QLatin1String(name)));
        ASSERT_NE(frame, nullptr);
        const QRect border = frame->borderRect();
        const QRect title = frame->titleRect();
        if (!frame->title().isEmpty()) {
            EXPECT_LT(title.top(), border.top());
            EXPECT_GT(title.bottom(), border.top());
            const auto drawn = drawnAs(*frame, frame->title());
            ASSERT_TRUE(drawn.has_value());
            expectWhole(*drawn, *frame, frame->title());
        }
        for (const QWidget* child : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_GT(child->geometry().top(), border.top()) << qPrintable(child->objectName());
            EXPECT_LT(child->geometry().bottom(), border.bottom()) << qPrintable(child->objectName());
        }
    }
}

TEST_F(DrawingTest, AnOptionTakesAClickAnywhereInItsRectangle) {
    struct Click {
        const char* option;
        const char* unlocks;
    };
    for (const Click& c : {Click{"Option2_3", "Option1_1"}, Click{"Option1_1", "Combo1"}}) {
        SCOPED_TRACE(c.option);
        auto* option = find<QRadioButton>(QLatin1String(c.option));
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 2, option->height() - 2));
        EXPECT_TRUE(option->isChecked());
        EXPECT_TRUE(find(QLatin1String(c.unlocks))->isEnabled());
    }
}

TEST_F(DrawingTest, TheMessageBoxShowsItsWholeTitleAndCentresItsText) {
    bool seen = false;
    QTimer::singleShot(0, &m_window, [&] {
        auto* box = dynamic_cast<ui::qt::MessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Kolvex_calculator"));
        EXPECT_GE(box->width(), box->titleBarWidth());
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(box->button(QMessageBox::Ok)->icon().isNull());
        QLabel* label = box->textLabel();
        ASSERT_NE(label, nullptr);
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        const QRect text =
            QStyle::alignedRect(Qt::LeftToRight, label->alignment(), QSize(textWidth, 1), label->contentsRect());
        const QPoint left = label->mapTo(box, text.topLeft());
        EXPECT_NEAR(left.x(), box->width() - (left.x() + textWidth), 2) << "text off-centre";
        box->button(QMessageBox::Ok)->click();
    });
    clickButton(m_window, QStringLiteral("Count_BTN"));
    EXPECT_TRUE(seen);
}

} // namespace
} // namespace kolvex_test
