#include "calc/selection.h"
#include "calc/value_tables.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

namespace {

using calc::RecordSettings;

struct LookupCase {
    std::string_view name;
    std::int16_t model;
    int system, quality, resolution;
    std::int16_t fieldSize, fieldRate, imageRate;
};

TEST(Selection, LooksUpSizeAndRatesByModelSystemAndEntry) {
    const LookupCase cases[] = {
        {"4CH NTSC HIGH 60IPS", 1, 0, 2, 0, 20, 60, 60},      {"4CH PAL HIGH 200IPS", 1, 1, 2, 2, 24, 50, 200},
        {"8CH NTSC SUPER 240IPS", 2, 0, 1, 1, 24, 120, 240},  {"16CH PAL SUPER 400IPS", 3, 1, 1, 2, 29, 100, 400},
        {"16CH NTSC HYPER 480IPS", 3, 0, 0, 2, 28, 120, 480}, {"8CH PAL LOW 100IPS", 2, 1, 4, 0, 14, 100, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSettings s;
        calc::chooseModel(s, c.model);
        calc::chooseVideoSystem(s, c.system);
        calc::chooseQuality(s, c.quality);
        calc::chooseResolution(s, c.resolution);
        EXPECT_EQ(s.FieldSizeK, c.fieldSize);
        EXPECT_EQ(s.FieldRate, c.fieldRate);
        EXPECT_EQ(s.ImageRate, c.imageRate);
    }
}

TEST(Selection, BiggerModelsRecordTwiceTheRatesAtTheSameSizes) {
    for (int system = 0; system < 2; ++system) {
        for (std::size_t entry = 0; entry < 3; ++entry) {
            SCOPED_TRACE(testing::Message() << "system " << system << " entry " << entry);
            const auto& small = calc::resolutionRow(1, static_cast<std::int16_t>(system))[entry];
            for (const std::int16_t model : {std::int16_t{2}, std::int16_t{3}}) {
                const auto& big = calc::resolutionRow(model, static_cast<std::int16_t>(system))[entry];
                EXPECT_EQ(big.fieldRate, 2 * small.fieldRate);
                EXPECT_EQ(big.imageRate, 2 * small.imageRate);
            }
        }
    }
}

TEST(Selection, AnEntryWithNoRowKeepsTheValueButMarksTheItem) {
    RecordSettings s;
    calc::chooseModel(s, 2);
    calc::chooseQuality(s, -1);
    calc::chooseResolution(s, -1);
    EXPECT_EQ(s.FieldSizeK, 0);
    EXPECT_EQ(s.FieldRate, 0);
    EXPECT_EQ(s.ImageRate, 0);
    EXPECT_TRUE(s.QualityChosen);
    EXPECT_TRUE(s.ResolutionChosen);
}

struct NoRowCase {
    std::string_view name;
    void (*choose)(RecordSettings&, int);
    int entry;
};

TEST(Selection, APositionOutsideItsListChangesNoValue) {
    const NoRowCase cases[] = {
        {"video system -1", calc::chooseVideoSystem, -1}, {"video system 2", calc::chooseVideoSystem, 2},
        {"quality -1", calc::chooseQuality, -1},          {"quality 5", calc::chooseQuality, 5},
        {"resolution -1", calc::chooseResolution, -1},    {"resolution 3", calc::chooseResolution, 3},
        {"speed -1 (no divisor)", calc::chooseSpeed, -1}, {"speed 999", calc::chooseSpeed, 999},
        {"duration -1", calc::chooseDuration, -1},        {"duration 14", calc::chooseDuration, 14},
        {"disk size -1", calc::chooseHddSize, -1},        {"disk size 9", calc::chooseHddSize, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordSettings s;
        calc::chooseModel(s, 3);
        calc::chooseVideoSystem(s, 1);
        calc::chooseQuality(s, 1);
        calc::chooseResolution(s, 1);
        calc::chooseSpeed(s, 2);
        calc::chooseDuration(s, 13);
        calc::chooseHddSize(s, 8);
        const RecordSettings chosen = s;
        c.choose(s, c.entry);
        EXPECT_EQ(s.VideoSystem, chosen.VideoSystem);
        EXPECT_EQ(s.FieldSizeK, chosen.FieldSizeK);
        EXPECT_EQ(s.FieldRate, chosen.FieldRate);
        EXPECT_EQ(s.ImageRate, chosen.ImageRate);
        EXPECT_EQ(s.SpeedFactor, chosen.SpeedFactor);
        EXPECT_EQ(s.RecordHours, chosen.RecordHours);
        EXPECT_EQ(s.HddSizeGB, chosen.HddSizeGB);
    }
}

TEST(Selection, ListEndsGiveTheirValues) {
    RecordSettings s;
    calc::chooseDuration(s, 13);
    EXPECT_EQ(s.RecordHours, 672); // "1 Month" is four weeks
    calc::chooseHddSize(s, 0);
    EXPECT_EQ(s.HddSizeGB, 80);
    calc::chooseSpeed(s, 998);
    EXPECT_EQ(s.SpeedFactor.raw(), 10);
    EXPECT_EQ(calc::speedEntryText(998), "1/999");
    EXPECT_EQ(calc::speedEntryText(0), "1/1");
}

TEST(Selection, ModeOptionsSetTheSixteenBitBoolean) {
    RecordSettings s;
    EXPECT_EQ(s.CapacityMode, 0);
    calc::chooseMode(s, 0);
    EXPECT_EQ(s.CapacityMode, -1);
    calc::chooseMode(s, 1);
    EXPECT_EQ(s.CapacityMode, 0);
}

} // namespace
