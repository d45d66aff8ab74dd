#include "cli/table.h"

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
