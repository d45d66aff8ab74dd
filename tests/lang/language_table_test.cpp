#include "calc/record_settings.h"
#include "lang/captions.h"
#include "lang/language_table.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(LanguageTable, IsEmptyUntilTheLoadStep) {
    calc::RecordSettings s;
    s.ModelChosen = true;
    s.LanguageIndex = 3;
    EXPECT_FALSE(s.LanguageTable.isFilled());
    lang::runLoadStep(s);
    EXPECT_TRUE(s.LanguageTable.isFilled());
    EXPECT_EQ(s.LanguageIndex, 0);
    EXPECT_FALSE(s.ModelChosen);
}

TEST(LanguageTable, EnglishCaptionsAreTheWindowsInitialOnes) {
    lang::LanguageTable table;
    table.fill();
    for (std::size_t item = 0; item < lang::kInitialCaptions.size(); ++item) {
        EXPECT_EQ(table.text(lang::English, item), lang::kInitialCaptions[item]) << item;
    }
    EXPECT_EQ(table.text(lang::English, lang::CapacityOption), "Recoding capacity");
}

struct TextCase {
    std::string_view name;
    lang::Language language;
    lang::Item item;
    std::string_view text;
};

TEST(LanguageTable, KeepsTextsExactlyWithTheirTrailingBlanks) {
    const TextCase cases[] = {
        {"German quality caption", lang::German, lang::QualityLabel, "Qualitat "},
        {"German resolution caption", lang::German, lang::ResolutionLabel, "Auflosung "},
        {"German capacity option", lang::German, lang::CapacityOption, "Aufzeichnugskapazitat"},
        {"French duration caption", lang::French, lang::DurationLabel, "Duree d'enregistrement "},
        {"French record time has no blank", lang::French, lang::ReportTime, "Duree d'enregistrement"},
        {"Dutch quality caption", lang::Dutch, lang::QualityLabel, "Kwaliteit "},
        {"Chinese capacity option", lang::Chinese, lang::CapacityOption, "計算錄影容量"},
        {"Chinese calculate", lang::Chinese, lang::CalculateButton, "計算"},
        {"Chinese message", lang::Chinese, lang::MissingItemMessage, "請設定每一個項目 !!"},
        {"Dutch message", lang::Dutch, lang::MissingItemMessage, "Toets a.u.b. alle instellingen in !!"},
    };
    lang::LanguageTable table;
    table.fill();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(table.text(c.language, c.item), c.text);
    }
}

TEST(LanguageTable, OutOfRangeIndexFallsBackToEnglish) {
    EXPECT_EQ(lang::languageRow(4), 4u);
    EXPECT_EQ(lang::languageRow(5), 0u);
    EXPECT_EQ(lang::languageRow(-1), 0u);
}

} // namespace
