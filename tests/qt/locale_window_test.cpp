#include "tests/qt/modal_guard.h"
#include "tests/qt/qt_printers.h"
#include "tests/qt/window_driver.h"
#include "ui/captioned_controls.h"
#include "ui/qt/form1.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The window under the regional settings the test runs with (LC_ALL and LANG; CMake runs it under
// several, among them C and one that is not installed). KOLVEX_EXPECT_DECIMAL_POINT says which
// decimal separator those settings have.
namespace kolvex_test {
namespace {

const QString kSeparator = QStringLiteral("=======================================");

// Code points written out, so that the expectation does not pass through any narrow encoding.
QString fromCodePoints(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// True when every character of the caption is drawn with a real glyph in the control's font or
// one that Qt falls back to, never with the empty box of a missing one.
bool drawsEveryCharacter(const QWidget* w, const QString& text) {
    QTextLayout layout(text, w->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0) {
                return false;
            }
        }
    }
    return !layout.glyphRuns().isEmpty();
}

class RegionalSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(showWindow(m_window)); }
    QString resultText() const { return control<QPlainTextEdit>(m_window, QStringLiteral("Text1"))->toPlainText(); }

    const QString m_point = qEnvironmentVariable("KOLVEX_EXPECT_DECIMAL_POINT", QStringLiteral("."));
    ui::qt::Form1 m_window;
    ModalGuard m_guard;
};

TEST_F(RegionalSettingsTest, TheSettingsAreInForce) {
    EXPECT_EQ(QLocale::system().decimalPoint(), m_point) << qPrintable(QLocale::system().name());
}

// Whatever the regional settings, the window opens in English and the report's numbers take the
// settings' decimal separator.
TEST_F(RegionalSettingsTest, TheWindowStaysEnglishAndTheReportTakesTheSeparator) {
    const QStringList english = {"Recoding capacity", "Recording time",  "Video system", "Quality", "Resolution",
                                 "Record speed",      "Record duration", "HDD size",     "Clear",   "Calculate"};
    for (const auto& [c, item] : ui::kCaptionedControls) {
        EXPECT_EQ(captionOf(control(m_window, c)), english.at(static_cast<qsizetype>(item)));
    }
    EXPECT_EQ(m_window.windowTitle(), expectedTitle());

    runTypicalUse(m_window);
    EXPECT_EQ(resultText(),
              QStringList({kSeparator, "Video system : NTSC", "Record quality : HIGH= 20 K",
                           "Record resolution : 60IPS@720*240", "Record speed : 1/10X = 6 fileds",
                           "Record duration : 1 Day", "Record size : 9" + m_point + "8877 GB", kSeparator})
                      .join(QLatin1Char('\n')) +
                  QLatin1Char('\n'));

    // Time mode: two results with decimals, and a speed line with them.
    clickOption(m_window, QStringLiteral("Option1_1"));
    ASSERT_TRUE(chooseEntry(m_window, QStringLiteral("Combo4"), QStringLiteral("1/3")));
    ASSERT_TRUE(chooseEntry(m_window, QStringLiteral("Combo6"), QStringLiteral("120G")));
    clickButton(m_window, QStringLiteral("Count_BTN"));
    EXPECT_TRUE(resultText().contains("Record speed : 1/3X = 19" + m_point + "998 fileds\n"))
        << qPrintable(resultText());
    EXPECT_TRUE(resultText().contains("Record time : 87" + m_point + "3901Hour\n")) << qPrintable(resultText());
    EXPECT_TRUE(resultText().contains("Record time : 3" + m_point + "6413Day\n")) << qPrintable(resultText());
}

// The Chinese texts reach the widgets, the report and the message box as the right characters,
// and the fonts have glyphs for them, whatever encoding the settings name.
TEST_F(RegionalSettingsTest, ChineseTextsKeepTheirCharacters) {
    // By language item.
    const std::u32string_view captions[] = {U"計算錄影容量", U"計算錄影天數", U"影像系統", U"錄影畫質", U"解析度",
                                            U"錄影速度",     U"錄影時間",     U"硬碟容量", U"清除",     U"計算"};
    chooseLanguage(m_window, 1);
    for (const auto& [c, item] : ui::kCaptionedControls) {
        SCOPED_TRACE(ui::controlName(c));
        const QWidget* w = control(m_window, c);
        EXPECT_EQ(captionOf(w), fromCodePoints(captions[item]));
        EXPECT_TRUE(drawsEveryCharacter(w, captionOf(w))) << "a character has no glyph";
    }

    m_guard.expectMessage();
    clickButton(m_window, QStringLiteral("Count_BTN"));
    const std::optional<SeenMessage> seen = m_guard.takeSeen();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, fromCodePoints(U"請設定每一個項目 !!"));

    runTypicalUse(m_window);
    EXPECT_TRUE(resultText().contains(fromCodePoints(U"錄影容量 : 9") + m_point + "8877 GB\n"))
        << qPrintable(resultText());
}

} // namespace
} // namespace kolvex_test
