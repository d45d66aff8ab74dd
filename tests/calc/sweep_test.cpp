#include "calc/calculation.h"
#include "calc/number_format.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every combination of list entries the window offers, in both modes, checked for properties a
// fault in the arithmetic or the report would break.
namespace {

using calc::FixedPoint;
using calc::RecordSettings;

constexpr std::int64_t kMaxSizeRaw = 77519531;    // 7751.9531 GB: 16CH HYPER at full speed for a month
constexpr std::int64_t kMaxHoursRaw = 3120761905; // 312076.1905 hours: 750G at the smallest hourly amount

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start)); // a line without its CRLF
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Reads back a fixed-point number as the report writes it ("12", "0.0024").
std::int64_t readFixed(std::string_view text) {
    std::int64_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '.'; ++i) {
        whole = whole * 10 + (text[i] - '0');
    }
    std::int64_t fraction = 0;
    int digits = 0;
    for (++i; i < text.size(); ++i, ++digits) {
        fraction = fraction * 10 + (text[i] - '0');
    }
    for (; digits < 4; ++digits) {
        fraction *= 10;
    }
    return whole * FixedPoint::kScale + fraction;
}

// Whether value is numerator / denominator rounded to the nearest integer, worked out in integers
// rather than in doubles. At an exact decimal half either neighbour passes here: the report's
// doubles do not hold such a half exactly, so the double rule below decides it.
bool isRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder < denominator) {
        return value == quotient;
    }
    if (twiceRemainder > denominator) {
        return value == quotient + 1;
    }
    return value == quotient || value == quotient + 1;
}

// A value with four decimals, read as a double the way the report's rules read it.
double asDouble(std::int64_t raw) {
    return static_cast<double>(raw) / static_cast<double>(FixedPoint::kScale);
}

// The number between a line's " : " and its unit.
std::string_view numberOf(std::string_view line, std::string_view unit) {
    const auto start = line.find(" : ") + 3;
    return line.substr(start, line.size() - start - unit.size());
}

struct Sweep {
    int reports = 0;
    int failures = 0;
    std::int64_t largestSize = 0;
    std::int64_t smallestSize = kMaxSizeRaw;
    std::int64_t longestTime = 0;

    void fail(const std::string& what) {
        if (++failures <= 10) {
            ADD_FAILURE() << what;
        }
    }
};

void checkCommonLines(Sweep& sweep, const std::vector<std::string_view>& lines, const RecordSettings& s,
                      const std::string& where) {
    // The fields per second equal the exact decimal product of the picture rate and the factor.
    std::string fields;
    calc::appendFixedPoint(fields, FixedPoint::fromRaw(s.SpeedFactor.raw() * s.ImageRate), ".");
    const std::string expectedSpeed = "X = " + fields + " fileds";
    if (!lines[4].ends_with(expectedSpeed)) {
        sweep.fail(where + ": speed line " + std::string(lines[4]) + " expected ..." + expectedSpeed);
    }
    if (lines[0] != lines.back() || lines[0].size() != 39) {
        sweep.fail(where + ": separator lines");
    }
}

TEST(Sweep, EveryCombinationOfListEntries) {
    Sweep sweep;
    RecordSettings base;
    lang::runLoadStep(base);
    std::vector<std::string> speedTexts;
    for (std::size_t k = 0; k < calc::kSpeedEntryCount; ++k) {
        speedTexts.push_back(calc::speedEntryText(k));
    }

    for (std::int16_t model = 1; model <= 3; ++model) {
        for (int system = 0; system < 2; ++system) {
            for (int quality = 0; quality < 5; ++quality) {
                for (int resolution = 0; resolution < 3; ++resolution) {
                    for (int speed = 0; speed < static_cast<int>(calc::kSpeedEntryCount); ++speed) {
                        RecordSettings s = base;
                        calc::chooseModel(s, model);
                        calc::chooseVideoSystem(s, system);
                        calc::chooseQuality(s, quality);
                        calc::chooseResolution(s, resolution);
                        calc::chooseSpeed(s, speed);
                        const auto& row = calc::resolutionRow(model, static_cast<std::int16_t>(system));
                        calc::ListTexts texts{calc::kVideoSystemEntries[static_cast<std::size_t>(system)],
                                              calc::kQualityEntries[static_cast<std::size_t>(quality)],
                                              row[static_cast<std::size_t>(resolution)].text,
                                              speedTexts[static_cast<std::size_t>(speed)],
                                              {},
                                              {}};
                        const std::int64_t perHourRaw = calc::hourlyAmount(s).raw();
                        const std::string where = "model " + std::to_string(model) + " system " +
                                                  std::to_string(system) + " quality " + std::to_string(quality) +
                                                  " resolution " + std::to_string(resolution) + " " +
                                                  std::string(texts.speed);

                        calc::chooseMode(s, 0);
                        for (int d = 0; d < static_cast<int>(calc::kRecordHours.size()); ++d) {
                            calc::chooseDuration(s, d);
                            texts.duration = calc::kRecordHours[static_cast<std::size_t>(d)].text;
                            const auto outcome = calc::calculate(s, texts, ".");
                            ++sweep.reports;
                            const auto lines = splitLines(outcome.text);
                            const std::int64_t size = s.RecordSizeGB.raw();
                            // Exact: the size is P x hours / 2^20 (both x 10 000), rounded once, and at an
                            // exact half as the doubles of P / 1024 x hours / 1024 round it.
                            const std::int64_t doubleSize =
                                FixedPoint::fromDouble(asDouble(perHourRaw) / 1024.0 * s.RecordHours / 1024.0).raw();
                            if (!outcome.reported || lines.size() != 8 || !outcome.text.ends_with("\r\n") ||
                                size <= 0 || size > kMaxSizeRaw || size != doubleSize ||
                                !isRounded(size, perHourRaw * s.RecordHours, 1048576) ||
                                readFixed(numberOf(lines[6], " GB")) != size) {
                                sweep.fail(where + " duration " + std::to_string(d) + ":\n" + outcome.text);
                                continue;
                            }
                            checkCommonLines(sweep, lines, s, where);
                            sweep.largestSize = std::max(sweep.largestSize, size);
                            sweep.smallestSize = std::min(sweep.smallestSize, size);
                        }

                        calc::chooseMode(s, 1);
                        for (int h = 0; h < static_cast<int>(calc::kHddSizes.size()); ++h) {
                            calc::chooseHddSize(s, h);
                            texts.hddSize = calc::kHddSizes[static_cast<std::size_t>(h)].text;
                            const auto outcome = calc::calculate(s, texts, ".");
                            ++sweep.reports;
                            const auto lines = splitLines(outcome.text);
                            const std::int64_t hours = s.RecordTimeHours.raw();
                            const std::int64_t days = s.RecordTimeDays.raw();
                            if (!outcome.reported || lines.size() != 9 || !outcome.text.ends_with("\r\n")) {
                                sweep.fail(where + " disk " + std::to_string(h) + ":\n" + outcome.text);
                                continue;
                            }
                            // Exact: the hours are disk x 2^20 / P (x 10 000), rounded once; the days are
                            // the printed hours as a double / 24, rounded again, not the exact quotient / 24.
                            // Each must also be what the doubles give, which settle exact decimal halves.
                            const std::int64_t printedHours = readFixed(numberOf(lines[6], "Hour"));
                            const std::int64_t printedDays = readFixed(numberOf(lines[7], "Day"));
                            const std::int64_t doubleHours =
                                FixedPoint::fromDouble(s.HddSizeGB / (asDouble(perHourRaw) / 1024.0 / 1024.0)).raw();
                            const std::int64_t doubleDays = FixedPoint::fromDouble(asDouble(printedHours) / 24.0).raw();
                            if (hours <= 0 || hours > kMaxHoursRaw || printedHours != hours || printedDays != days ||
                                hours != doubleHours || days != doubleDays ||
                                !isRounded(hours,
                                           std::int64_t{s.HddSizeGB} * 1048576 * FixedPoint::kScale *
                                               FixedPoint::kScale,
                                           perHourRaw) ||
                                !isRounded(days, printedHours, 24)) {
                                sweep.fail(where + " disk " + std::to_string(h) + ":\n" + outcome.text);
                                continue;
                            }
                            checkCommonLines(sweep, lines, s, where);
                            sweep.longestTime = std::max(sweep.longestTime, hours);
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(sweep.reports, 3 * 2 * 5 * 3 * 999 * (14 + 9));
    EXPECT_EQ(sweep.failures, 0);
    // The extremes the lists can reach, so the bounds above are the real ones and not loose.
    EXPECT_EQ(sweep.largestSize, kMaxSizeRaw);
    EXPECT_EQ(sweep.smallestSize, 24); // 0.0024 GB
    EXPECT_EQ(sweep.longestTime, kMaxHoursRaw);
}

} // namespace
