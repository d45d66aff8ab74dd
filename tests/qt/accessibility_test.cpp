#include "lang/language_texts.h"
#include "tests/qt/qt_printers.h"
#include "tests/qt/window_driver.h"
#include "ui/qt/form1.h"

#include <QAccessible>
#include <QComboBox>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace kolvex_test {
namespace {

// Every language in turn, then English again, so that a name left over from another language
// shows.
constexpr std::array kLanguageRound = {0, 1, 2, 3, 4, 0};

// A language item's text in a language, as the window shows it.
QString textIn(int language, lang::Item item) {
    const std::string_view text = lang::kLanguageTexts[static_cast<std::size_t>(language)][item];
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAccessibleInterface* accessible(const QWidget& window, const QString& name) {
    QObject* object = control<QObject>(window, name);
    return object != nullptr ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

// What a screen reader reads out for a control: its name, or the names of the controls that
// label it.
QString name(QAccessibleInterface* iface) {
    return iface->text(QAccessible::Name);
}

QStringList labelNames(QAccessibleInterface* iface) {
    QStringList names;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
        names.append(label->text(QAccessible::Name));
    }
    return names;
}

class ScreenReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QAccessible::setActive(true);
        ASSERT_TRUE(showWindow(m_window));
    }
    void TearDown() override { QAccessible::setActive(false); }

    ui::qt::Form1 m_window;
};

// Each list is announced by the caption of its row (its name, and the label that labels it), in
// the language the window shows, also the disk size list while its row is hidden; its value is
// the chosen entry.
TEST_F(ScreenReaderTest, EachListIsAnnouncedByItsRowCaption) {
    const struct {
        const char* list;
        lang::Item caption;
    } rows[] = {
        {"Combo1", lang::VideoSystemLabel}, {"Combo2", lang::QualityLabel},  {"Combo3", lang::ResolutionLabel},
        {"Combo4", lang::SpeedLabel},       {"Combo5", lang::DurationLabel}, {"Combo6", lang::HddSizeLabel},
    };
    // Every list with an entry chosen, so that the name cannot be taken for the value.
    runTypicalUse(m_window);
    clickOption(m_window, QStringLiteral("Option1_1"));
    ASSERT_TRUE(chooseEntry(m_window, QStringLiteral("Combo6"), QStringLiteral("80G")));
    clickOption(m_window, QStringLiteral("Option1_0"));
    for (const int language : kLanguageRound) {
        chooseLanguage(m_window, language);
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(row.list) + " in language " + std::to_string(language));
            QAccessibleInterface* list = accessible(m_window, QLatin1String(row.list));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->role(), QAccessible::ComboBox);
            const QString caption = textIn(language, row.caption);
            EXPECT_EQ(labelNames(list), QStringList{caption});
#if !defined(Q_OS_UNIX)
            // Elsewhere the label's text is the list's name too; on Unix Qt leaves that to the
            // relation above and names a list by its chosen entry, as AT-SPI screen readers expect.
            EXPECT_EQ(name(list), caption);
#endif
            EXPECT_EQ(list->text(QAccessible::Value),
                      control<QComboBox>(m_window, QLatin1String(row.list))->currentText());
        }
    }
}

// The buttons, the mode options and the result box carry names in the language the window
// shows; the result box is named after the results it reports.
TEST_F(ScreenReaderTest, ButtonsOptionsAndTheResultBoxAreNamedInTheCurrentLanguage) {
    const struct {
        const char* control;
        QAccessible::Role role;
        std::vector<lang::Item> items; // the name: these texts, joined by " / "
    } controls[] = {
        {"Count_BTN", QAccessible::Button, {lang::CalculateButton}},
        {"Clear_BTN", QAccessible::Button, {lang::ClearButton}},
        {"Option1_0", QAccessible::RadioButton, {lang::CapacityOption}},
        {"Option1_1", QAccessible::RadioButton, {lang::TimeOption}},
        {"Text1", QAccessible::EditableText, {lang::ReportSize, lang::ReportTime}},
    };
    for (const int language : kLanguageRound) {
        chooseLanguage(m_window, language);
        for (const auto& c : controls) {
            SCOPED_TRACE(std::string(c.control) + " in language " + std::to_string(language));
            QAccessibleInterface* iface = accessible(m_window, QLatin1String(c.control));
            ASSERT_NE(iface, nullptr);
            EXPECT_EQ(iface->role(), c.role);
            QStringList parts;
            for (const lang::Item item : c.items) {
                parts.append(textIn(language, item));
            }
            EXPECT_EQ(name(iface), parts.join(QStringLiteral(" / ")));
        }
    }
}

// The model options, the Language menu and its items keep their fixed names in every language.
TEST_F(ScreenReaderTest, ModelOptionsAndTheMenuKeepTheirNames) {
    chooseLanguage(m_window, 1);
    for (const auto& [option, caption] : {std::pair{"Option2_1", "4CH"}, {"Option2_2", "8CH"}, {"Option2_3", "16CH"}}) {
        QAccessibleInterface* iface = accessible(m_window, QLatin1String(option));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(name(iface), QLatin1String(caption));
    }
    QAccessibleInterface* menu = accessible(m_window, QStringLiteral("Language_Main"));
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (int i = 0; i < menu->childCount(); ++i) {
        items.append(name(menu->child(i)));
    }
    EXPECT_EQ(items, QStringList({"English", "Chinese", "German", "French", "Dutch"}));
}

} // namespace
} // namespace kolvex_test
