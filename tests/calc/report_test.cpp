#include "calc/calculation.h"
#include "calc/selection.h"
#include "lang/language_table.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using calc::RecordSettings;

constexpr std::string_view kLine = "=======================================";

// A record as the window leaves it after the user's choices, by list position.
struct Choices {
    std::int16_t model;
    int system, quality, resolution, speed, duration, hdd;
    std::int16_t mode; // Option1 element: 0 capacity, 1 time
};

RecordSettings recordFor(const Choices& c) {
    RecordSettings s;
    lang::runLoadStep(s);
    calc::chooseModel(s, c.model);
    calc::chooseMode(s, c.mode);
    calc::chooseVideoSystem(s, c.system);
    calc::chooseQuality(s, c.quality);
    calc::chooseResolution(s, c.resolution);
    calc::chooseSpeed(s, c.speed);
    if (c.duration >= 0) {
        calc::chooseDuration(s, c.duration);
    }
    if (c.hdd >= 0) {
        calc::chooseHddSize(s, c.hdd);
    }
    return s;
}

std::string joinLines(const std::vector<std::string_view>& lines) {
    std::string text;
    for (auto line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

constexpr Choices kTypicalCapacity{1, 0, 2, 0, 9, 4, 7, 0};   // 4CH NTSC HIGH 60IPS 1/10 1 Day
constexpr Choices kTypicalTime{1, 0, 2, 0, 9, 4, 7, 1};       // ... 500G
constexpr Choices kSuperPalCapacity{3, 1, 1, 2, 2, 10, 8, 0}; // 16CH PAL SUPER 400IPS 1/3 1 Week
constexpr Choices kSuperPalTime{3, 1, 1, 2, 2, 10, 8, 1};     // ... 750G
constexpr Choices kSmallest{1, 1, 4, 0, 998, 0, 0, 0};        // 4CH PAL LOW 50IPS 1/999 1 Hour

const calc::ListTexts kTypicalTexts{"NTSC", "HIGH", "60IPS@720*240", "1/10", "1 Day", "500G"};
const calc::ListTexts kSuperPalTexts{"PAL", "SUPER", "400IPS@360*144", "1/3", "1 Week", "750G"};

struct ReportCase {
    std::string_view name;
    Choices choices;
    std::int16_t language;
    calc::ListTexts texts;
    std::string_view separator;
    std::vector<std::string_view> lines;
};

TEST(Report, WritesEveryLineOfTheWorkedExamples) {
    const ReportCase cases[] = {
        {"capacity, English",
         kTypicalCapacity,
         lang::English,
         kTypicalTexts,
         ".",
         {kLine, "Video system : NTSC", "Record quality : HIGH= 20 K", "Record resolution : 60IPS@720*240",
          "Record speed : 1/10X = 6 fileds", "Record duration : 1 Day", "Record size : 9.8877 GB", kLine}},
        {"time, English",
         kTypicalTime,
         lang::English,
         kTypicalTexts,
         ".",
         {kLine, "Video system : NTSC", "Record quality : HIGH = 20 K", "Record resolution : 60IPS@720*240",
          "Record speed : 1/10X = 6 fileds", "HDD size : 500G", "Record time : 1213.6296Hour",
          "Record time : 50.5679Day", kLine}},
        {"capacity, German keeps the label's trailing blank",
         kTypicalCapacity,
         lang::German,
         kTypicalTexts,
         ".",
         {kLine, "Videosystem : NTSC", "Aufzeichnungsqualitat  : HIGH= 20 K", "Aufzeichnungsauflosung : 60IPS@720*240",
          "Geschwindigkeit  : 1/10X = 6 fileds", "Aufzeichnungsdauer : 1 Day", "Aufzeichnungsgrose : 9.8877 GB",
          kLine}},
        {"time, German",
         kTypicalTime,
         lang::German,
         kTypicalTexts,
         ".",
         {kLine, "Videosystem : NTSC", "Aufzeichnungsqualitat  : HIGH = 20 K", "Aufzeichnungsauflosung : 60IPS@720*240",
          "Geschwindigkeit  : 1/10X = 6 fileds", "Festplattengrose : 500G", "Aufzeichnungsdauer : 1213.6296Stunde",
          "Aufzeichnungsdauer : 50.5679Tag", kLine}},
        {"time, Dutch",
         kTypicalTime,
         lang::Dutch,
         kTypicalTexts,
         ".",
         {kLine, "Videosysteem : NTSC", "Opnamekwaliteit : HIGH = 20 K", "Opnameresolutie : 60IPS@720*240",
          "Opnamesnelheid : 1/10X = 6 fileds", "Formaat harde schijf : 500G", "Opnametijd : 1213.6296uur",
          "Opnametijd : 50.5679dag", kLine}},
        {"capacity, French",
         kTypicalCapacity,
         lang::French,
         kTypicalTexts,
         ".",
         {kLine, "Systeme video : NTSC", "Qualite d'enregistrement  : HIGH= 20 K",
          "Resolution d'enregistrement  : 60IPS@720*240", "Vitesse : 1/10X = 6 fileds",
          "Duree d'enregistrement  : 1 Day", "Taille d'enregistrement : 9.8877 GB", kLine}},
        {"time, Chinese",
         kTypicalTime,
         lang::Chinese,
         kTypicalTexts,
         ".",
         {kLine, "影像系統 : NTSC", "錄影畫質 : HIGH = 20 K", "解析度 : 60IPS@720*240", "錄影速度 : 1/10X = 6 fileds",
          "硬碟容量 : 500G", "錄影時間 : 1213.6296小時", "錄影時間 : 50.5679天", kLine}},
        {"capacity, 16CH PAL SUPER",
         kSuperPalCapacity,
         lang::English,
         kSuperPalTexts,
         ".",
         {kLine, "Video system : PAL", "Record quality : SUPER= 29 K", "Record resolution : 400IPS@360*144",
          "Record speed : 1/3X = 133.32 fileds", "Record duration : 1 Week", "Record size : 557.5004 GB", kLine}},
        {"time, 16CH PAL SUPER drops the trailing zero of 9.4170",
         kSuperPalTime,
         lang::English,
         kSuperPalTexts,
         ".",
         {kLine, "Video system : PAL", "Record quality : SUPER = 29 K", "Record resolution : 400IPS@360*144",
          "Record speed : 1/3X = 133.32 fileds", "HDD size : 750G", "Record time : 226.0088Hour",
          "Record time : 9.417Day", kLine}},
        {"smallest capacity",
         kSmallest,
         lang::English,
         {"PAL", "LOW", "50IPS@720*288", "1/999", "1 Hour", ""},
         ".",
         {kLine, "Video system : PAL", "Record quality : LOW= 14 K", "Record resolution : 50IPS@720*288",
          "Record speed : 1/999X = 0.05 fileds", "Record duration : 1 Hour", "Record size : 0.0024 GB", kLine}},
        {"comma as decimal separator",
         kTypicalTime,
         lang::English,
         kTypicalTexts,
         ",",
         {kLine, "Video system : NTSC", "Record quality : HIGH = 20 K", "Record resolution : 60IPS@720*240",
          "Record speed : 1/10X = 6 fileds", "HDD size : 500G", "Record time : 1213,6296Hour",
          "Record time : 50,5679Day", kLine}},
        {"a list with nothing selected quotes an empty text",
         kTypicalCapacity,
         lang::English,
         {"NTSC", "", "60IPS@720*240", "1/10", "1 Day", ""},
         ".",
         {kLine, "Video system : NTSC", "Record quality : = 20 K", "Record resolution : 60IPS@720*240",
          "Record speed : 1/10X = 6 fileds", "Record duration : 1 Day", "Record size : 9.8877 GB", kLine}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSettings s = recordFor(c.choices);
        s.LanguageIndex = c.language;
        const auto outcome = calc::calculate(s, c.texts, c.separator);
        EXPECT_TRUE(outcome.reported);
        EXPECT_EQ(outcome.text, joinLines(c.lines));
    }
}

TEST(Report, StoresTheResultsOfItsModeOnly) {
    RecordSettings s = recordFor(kSuperPalCapacity);
    ASSERT_TRUE(calc::calculate(s, kSuperPalTexts, ".").reported);
    EXPECT_EQ(s.RecordSizeGB.raw(), 5575004);
    EXPECT_EQ(s.RecordTimeHours.raw(), 0);

    calc::chooseMode(s, 1);
    ASSERT_TRUE(calc::calculate(s, kSuperPalTexts, ".").reported);
    EXPECT_EQ(s.RecordTimeHours.raw(), 2260088);
    EXPECT_EQ(s.RecordTimeDays.raw(), 94170); // from the rounded hours: 226.0088 / 24
    EXPECT_EQ(s.RecordSizeGB.raw(), 5575004); // the capacity result keeps its value
}

TEST(Report, WorksTheDaysOutFromTheRoundedHours) {
    // Days from the unrounded hours would end "19.8679" and "8.6645": one digit off.
    struct DaysCase {
        std::string_view name;
        Choices choices;
        calc::ListTexts texts;
        std::string_view hoursLine, daysLine;
    };
    const DaysCase cases[] = {
        {"1/11 on 250G",
         {1, 0, 0, 0, 10, -1, 4, 1},
         {"NTSC", "HYPER", "60IPS@720*240", "1/11", "", "250G"},
         "Record time : 476.8308Hour",
         "Record time : 19.868Day"},
        {"1/15 on 80G",
         {1, 0, 0, 0, 14, -1, 0, 1},
         {"NTSC", "HYPER", "60IPS@720*240", "1/15", "", "80G"},
         "Record time : 207.9468Hour",
         "Record time : 8.6644Day"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSettings s = recordFor(c.choices);
        const auto outcome = calc::calculate(s, c.texts, ".");
        ASSERT_TRUE(outcome.reported);
        EXPECT_NE(outcome.text.find(std::string(c.hoursLine) + "\r\n"), std::string::npos) << outcome.text;
        EXPECT_NE(outcome.text.find(std::string(c.daysLine) + "\r\n"), std::string::npos) << outcome.text;
    }
}

TEST(Report, HourlyAmountIsExact) {
    EXPECT_EQ(calc::hourlyAmount(recordFor(kTypicalCapacity)).raw(), 432000 * calc::FixedPoint::kScale);
    EXPECT_EQ(calc::hourlyAmount(recordFor(kSuperPalCapacity)).raw(), 3479652 * calc::FixedPoint::kScale);
    EXPECT_EQ(calc::hourlyAmount(recordFor(kSmallest)).raw(), 2520 * calc::FixedPoint::kScale);
}

bool sameRecord(const RecordSettings& a, const RecordSettings& b) {
    return a.ModelIndex == b.ModelIndex && a.VideoSystem == b.VideoSystem && a.FieldSizeK == b.FieldSizeK &&
           a.FieldRate == b.FieldRate && a.SpeedFactor == b.SpeedFactor && a.RecordHours == b.RecordHours &&
           a.HddSizeGB == b.HddSizeGB && a.RecordSizeGB == b.RecordSizeGB && a.RecordTimeHours == b.RecordTimeHours &&
           a.RecordTimeDays == b.RecordTimeDays && a.ImageRate == b.ImageRate && a.SystemChosen == b.SystemChosen &&
           a.QualityChosen == b.QualityChosen && a.ResolutionChosen == b.ResolutionChosen &&
           a.SpeedChosen == b.SpeedChosen && a.DurationChosen == b.DurationChosen && a.HddChosen == b.HddChosen &&
           a.CapacityMode == b.CapacityMode && a.LanguageIndex == b.LanguageIndex;
}

struct CompletenessCase {
    std::string_view name;
    std::int16_t mode;
    bool system, quality, resolution, speed, duration, hdd;
    bool reported;
};

TEST(Report, NeedsEveryItemOfItsModeAndNoOther) {
    const CompletenessCase cases[] = {
        {"capacity, every item", 0, true, true, true, true, true, true, true},
        {"capacity, no disk size needed", 0, true, true, true, true, true, false, true},
        {"capacity, no duration", 0, true, true, true, true, false, true, false},
        {"capacity, no video system", 0, false, true, true, true, true, true, false},
        {"capacity, no quality", 0, true, false, true, true, true, true, false},
        {"capacity, no resolution", 0, true, true, false, true, true, true, false},
        {"capacity, no speed", 0, true, true, true, false, true, true, false},
        {"time, no duration needed", 1, true, true, true, true, false, true, true},
        {"time, no disk size", 1, true, true, true, true, true, false, false},
        {"time, no speed", 1, true, true, true, false, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSettings s = recordFor({2, 1, 0, 1, 4, 3, 2, c.mode});
        s.ModelChosen = false; // never required
        s.SystemChosen = c.system;
        s.QualityChosen = c.quality;
        s.ResolutionChosen = c.resolution;
        s.SpeedChosen = c.speed;
        s.DurationChosen = c.duration;
        s.HddChosen = c.hdd;
        const RecordSettings before = s;
        const auto outcome = calc::calculate(s, kTypicalTexts, ".");
        EXPECT_EQ(outcome.reported, c.reported);
        if (!c.reported) {
            EXPECT_EQ(outcome.text, "Please setup every item !!");
            EXPECT_TRUE(sameRecord(s, before));
        }
    }
}

TEST(Report, NothingPerHourIsReportedAsMissingInBothModes) {
    // A second video system choice marks quality and resolution chosen with nothing selected in
    // their lists: the record then holds no field size and no rate.
    for (const std::int16_t mode : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(mode);
        RecordSettings s;
        lang::runLoadStep(s);
        s.LanguageIndex = lang::French;
        calc::chooseModel(s, 1);
        calc::chooseMode(s, mode);
        calc::chooseVideoSystem(s, 0);
        calc::chooseVideoSystem(s, 1);
        calc::chooseQuality(s, -1);
        calc::chooseResolution(s, -1);
        calc::chooseSpeed(s, 0);
        calc::chooseDuration(s, 0);
        calc::chooseHddSize(s, 0);
        ASSERT_TRUE(calc::isComplete(s));
        const RecordSettings before = s;
        const auto outcome = calc::calculate(s, kTypicalTexts, ".");
        EXPECT_FALSE(outcome.reported);
        EXPECT_EQ(outcome.text, "Veuillez entrer s.v.p tous les parametres !!");
        EXPECT_TRUE(sameRecord(s, before));
    }
}

TEST(Report, StartsInTimeModeAndAsksForEverything) {
    RecordSettings s;
    lang::runLoadStep(s);
    const auto outcome = calc::calculate(s, {}, ".");
    EXPECT_FALSE(outcome.reported);
    EXPECT_EQ(outcome.text, "Please setup every item !!");
}

} // namespace
