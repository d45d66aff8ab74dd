#include "calc/fixed_point.h"
#include "calc/selection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace {

struct ConversionCase {
    std::string_view name;
    double value;
    std::int64_t raw;
};

TEST(FixedPoint, ConvertsDoublesToTheNearestTenThousandthHalvesToEven) {
    const ConversionCase cases[] = {
        {"one", 1.0, 10000},
        {"third", 1.0 / 3.0, 3333},
        {"sixth rounds up", 1.0 / 6.0, 1667},
        {"exact half down to even", 0.03125, 312},
        {"exact half up to even", 0.09375, 938}, // 937.5
        {"just above a half", 0.0312500001, 313},
        {"negative half to even", -0.09375, -938},
        {"zero", 0.0, 0},
        {"largest capacity", 7751.953125, 77519531},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(calc::FixedPoint::fromDouble(c.value).raw(), c.raw);
    }
}

TEST(FixedPoint, MultipliesByAListValueExactly) {
    const auto third = calc::FixedPoint::fromRaw(3333);
    EXPECT_EQ(third.times(100).times(29).times(60).times(60).raw(), 34796520000);
    EXPECT_EQ(calc::FixedPoint::fromRaw(10).times(-3).raw(), -30);
}

struct SpeedCase {
    int entry;
    std::int64_t raw;
};

TEST(SpeedFactor, IsOneOverNRoundedHalfToEven) {
    // "1/32", "1/160" and "1/800" are the list's only exact halves.
    const SpeedCase cases[] = {{0, 10000}, {1, 5000}, {2, 3333}, {5, 1667}, {31, 312},
                               {159, 62},  {799, 12}, {998, 10}, {9, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(calc::speedFactorOf(c.entry).raw(), c.raw);
    }
}

} // namespace
