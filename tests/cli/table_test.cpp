#include "cli/table.h"

#include "calc/value_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cli {
namespace {

class CountingSink : public RowSink {
public:
    void row(const RowTexts& texts, calc::RecordSettings&) override {
        ++rows;
        if (rows <= 3 || texts.model != lastModel) {
            seen.push_back(std::string(texts.model) + " " + std::string(texts.lists.videoSystem) + " " +
                           std::string(texts.lists.resolution));
        }
        lastModel = texts.model;
    }
    std::uint64_t rows = 0;
    std::string_view lastModel;
    std::vector<std::string> seen;
};

Query everything(Mode mode) {
    Query q;
    q.models = {1, 2, 3};
    q.systems = {0, 1};
    q.qualities = {0, 1, 2, 3, 4};
    q.resolutions = {{0, {}}, {1, {}}, {2, {}}};
    for (int e = 0; e < static_cast<int>(calc::kSpeedEntryCount); ++e) {
        q.speeds.push_back(e);
    }
    q.mode = mode;
    const std::size_t periods = mode == Mode::Capacity ? calc::kRecordHours.size() : calc::kHddSizes.size();
    for (int e = 0; e < static_cast<int>(periods); ++e) {
        q.periods.push_back(e);
    }
    return q;
}

TEST(Table, TheFullTablesHaveEveryCombinationOnce) {
    for (const auto& [mode, rows] : {std::pair{Mode::Capacity, 1'258'740ULL}, std::pair{Mode::Time, 809'190ULL}}) {
        const Query q = everything(mode);
        EXPECT_EQ(countCombinations(q), rows);
        CountingSink sink;
        walkTable(q, sink);
        EXPECT_EQ(sink.rows, rows);
    }
}

TEST(Table, AResolutionTextGivesRowsOnlyForTheModelsAndSystemsThatShowIt) {
    Query q;
    q.models = {1, 2, 3};
    q.systems = {0, 1};
    q.resolutions = {{-1, "120IPS@720*240"}, {-1, "100IPS@360*288"}};
    CountingSink sink;
    walkTable(q, sink);
    EXPECT_EQ(countCombinations(q), 3U);
    EXPECT_EQ(sink.seen, (std::vector<std::string>{"4CH PAL 100IPS@360*288", "8CH NTSC 120IPS@720*240",
                                                   "16CH NTSC 120IPS@720*240"}));
}

TEST(Table, AnOptionNotGivenIsOneCombinationWithTheItemNotChosen) {
    Query q;
    q.qualities = {0, 1};
    q.resolutions = {{0, {}}};
    CountingSink sink;
    walkTable(q, sink);
    // Without a video system no quality and no resolution can be chosen.
    EXPECT_EQ(sink.rows, 1U);
    EXPECT_EQ(countCombinations(q), 1U);
    EXPECT_EQ(sink.seen, std::vector<std::string>{"  "});
}

} // namespace
} // namespace cli
