#include "calc/calculation.h"
#include "cli/regional_settings.h"
#include "kolvex/version.h"
#include "tests/cli/run_program.h"
#include "tests/ui/fake_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// kolvex-calc run as a user runs it, compared with the window's form driven through the same choices.
namespace cli::testing {
namespace {

using ui::Control;
using ui::testing::FakeWindow;

std::string withoutCarriageReturns(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

// A choice of every list, as texts the lists show; duration empty for a time report.
struct Choices {
    std::string model, system, quality, resolution, speed, duration, hdd;
};

std::int16_t modelElement(const std::string& model) {
    return model == "4CH" ? 1 : model == "8CH" ? 2 : 3;
}

// The window after the user made these choices in order and pressed Calculate.
void calculateInWindow(FakeWindow& w, const Choices& c, std::int16_t language, const std::string& separator) {
    w.view.setDecimalSeparator(separator);
    w.language(language);
    w.clickModel(modelElement(c.model));
    const bool capacity = !c.duration.empty();
    w.clickMode(capacity ? 0 : 1);
    w.choose(Control::Combo1, c.system);
    w.choose(Control::Combo2, c.quality);
    w.choose(Control::Combo3, c.resolution);
    w.choose(Control::Combo4, c.speed);
    w.choose(capacity ? Control::Combo5 : Control::Combo6, capacity ? c.duration : c.hdd);
    w.calculate();
}

std::vector<std::string> argumentsFor(const Choices& c) {
    std::vector<std::string> args = {"--model", c.model,        "--system",   c.system,  "--quality",
                                     c.quality, "--resolution", c.resolution, "--speed", c.speed};
    if (!c.duration.empty()) {
        args.insert(args.end(), {"--duration", c.duration});
    } else {
        args.insert(args.end(), {"--hdd", c.hdd});
    }
    return args;
}

// The regional settings the tests run under, with the separator the window shows under them.
struct Region {
    const char* locale;
    const char* separator;
};
constexpr Region kRegions[] = {{"en_US.UTF-8", "."}, {"de_DE.UTF-8", ","}, {"fr_FR.UTF-8", ","}};

TEST(RegionalSettings, TheSeparatorIsTheOneTheWindowShowsUnderTheSameSettings) {
    for (const Region& r : kRegions) {
        SCOPED_TRACE(r.locale);
        setenv("LC_ALL", r.locale, 1);
        EXPECT_EQ(userDecimalSeparator(), r.separator);
    }
    unsetenv("LC_ALL");
}

TEST(Program, TheTextReportIsTheWindowsReportForTheWorkedExamples) {
    const std::vector<std::pair<const char*, Choices>> examples = {
        {"typical capacity", {"4CH", "NTSC", "HIGH", "60IPS@720*240", "1/10", "1 Day", ""}},
        {"typical time", {"4CH", "NTSC", "HIGH", "60IPS@720*240", "1/10", "", "500G"}},
        {"16CH week", {"16CH", "PAL", "SUPER", "400IPS@360*144", "1/3", "1 Week", ""}},
        {"16CH disk", {"16CH", "PAL", "SUPER", "400IPS@360*144", "1/3", "", "750G"}},
        {"smallest capacity", {"4CH", "PAL", "LOW", "50IPS@720*288", "1/999", "1 Hour", ""}},
    };
    constexpr std::pair<std::int16_t, const char*> kLanguages[] = {{0, "en"}, {2, "de"}, {1, "zh"}};
    for (const auto& [name, choices] : examples) {
        for (const auto& [language, code] : kLanguages) {
            for (const Region& region : kRegions) {
                SCOPED_TRACE(std::string(name) + ", " + code + ", " + region.locale);
                FakeWindow w;
                calculateInWindow(w, choices, language, region.separator);
                const std::string& shown = w.view.resultText();
                ASSERT_FALSE(shown.empty());

                auto args = argumentsFor(choices);
                args.insert(args.end(), {"--language", code});
                const ProgramRun plain = runCalc(args, region.locale);
                EXPECT_EQ(plain.exitStatus, 0) << plain.err;
                EXPECT_EQ(plain.out, withoutCarriageReturns(shown));
                EXPECT_EQ(plain.err, "");

                args.push_back("--crlf");
                EXPECT_EQ(runCalc(args, region.locale).out, shown);
            }
        }
    }
}

// "9.8877" as ten-thousandths, read without the program's own number code.
std::int64_t tenThousandths(const std::string& text) {
    const auto point = text.find('.');
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    EXPECT_LE(fraction.size(), 4U) << text;
    fraction.resize(4, '0');
    return std::stoll(text.substr(0, point)) * 10'000 + std::stoll(fraction);
}

// The number the window's speed line shows between "X = " and " fileds".
std::string speedLineFields(const std::string& report) {
    const auto start = report.find("X = ") + 4;
    return report.substr(start, report.find(" fileds") - start);
}

TEST(Program, CsvRowsHoldTheFieldsTheCalculationStores) {
    struct Table {
        const char* name;
        std::vector<std::string> periodArgs;
        std::string header;
    };
    const Table tables[] = {
        {"capacity",
         {"--duration", "all"},
         "model,system,quality,resolution,speed,duration,fields_per_second,k_per_hour,record_size_gb"},
        {"time",
         {"--hdd", "all"},
         "model,system,quality,resolution,speed,hdd_size,fields_per_second,k_per_hour,record_time_hours,"
         "record_time_days"},
    };
    for (const Table& table : tables) {
        SCOPED_TRACE(table.name);
        std::vector<std::string> args = {
            "--model", "all",          "--system", "all",     "--quality",
            "all",     "--resolution", "all",      "--speed", "1/1,1/3,1/7,1/32,1/160,1/999"};
        args.insert(args.end(), table.periodArgs.begin(), table.periodArgs.end());
        // Under German settings, to show that the machine formats keep ".".
        const ProgramRun run = runCalc(args, "de_DE.UTF-8");
        ASSERT_EQ(run.exitStatus, 0) << run.err;
        const auto lines = split(run.out, '\n');
        ASSERT_GE(lines.size(), 2U);
        EXPECT_EQ(lines[0], table.header);
        const bool capacity = table.periodArgs[0] == "--duration";
        const std::size_t expectedRows = 90 * 6 * (capacity ? 14 : 9);
        ASSERT_EQ(lines.size(), expectedRows + 2); // the header and the empty text after the last newline
        for (std::size_t i = 1; i <= expectedRows; ++i) {
            const auto f = split(lines[i], ',');
            ASSERT_EQ(f.size(), capacity ? 9U : 10U) << lines[i];
            Choices c{f[0], f[1], f[2], f[3], f[4], capacity ? f[5] : "", capacity ? "" : f[5]};
            FakeWindow w;
            calculateInWindow(w, c, 0, ".");
            const calc::RecordSettings& s = w.form.settings();
            SCOPED_TRACE(lines[i]);
            EXPECT_EQ(f[6], speedLineFields(w.view.resultText()));
            EXPECT_EQ(tenThousandths(f[7]), s.SpeedFactor.raw() * s.FieldRate * s.FieldSizeK * 3600);
            if (capacity) {
                EXPECT_EQ(tenThousandths(f[8]), s.RecordSizeGB.raw());
            } else {
                EXPECT_EQ(tenThousandths(f[8]), s.RecordTimeHours.raw());
                EXPECT_EQ(tenThousandths(f[9]), s.RecordTimeDays.raw());
            }
        }
    }
}

struct StatusCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;              // exactly
    std::vector<std::string> err; // parts of standard error; empty: nothing written there
    const char* locale = "C.UTF-8";
};

const std::vector<std::string> kTypical = {"--model", "4CH",          "--system", "NTSC",    "--quality",
                                           "HIGH",    "--resolution", "1",        "--speed", "1/10"};

std::vector<std::string> typicalWith(std::vector<std::string> more) {
    auto args = kTypical;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(Program, BadValuesAndMissingItemsEndWithTheirStatus) {
    const std::string capacityHeader =
        "model,system,quality,resolution,speed,duration,fields_per_second,k_per_hour,record_size_gb\n";
    const std::vector<StatusCase> cases = {
        {"unknown quality",
         typicalWith({"--quality", "ULTRA", "--duration", "1 Day"}),
         2,
         "",
         {"--quality", "ULTRA", "HYPER, SUPER, HIGH, MIDDLE, LOW"}},
        {"unknown option", typicalWith({"--colour", "red"}), 2, "", {"--colour", "--model"}},
        {"no mode item: the window's message", kTypical, 3, "", {"Please setup every item !!\n"}},
        {"no speed, in French",
         {"--model", "4CH", "--system", "NTSC", "--quality", "HIGH", "--resolution", "1", "--hdd", "500G", "--language",
          "fr"},
         3,
         "",
         {"Veuillez entrer s.v.p tous les parametres !!\n"}},
        {"no model: the resolution cannot be chosen",
         {"--system", "NTSC", "--quality", "HIGH", "--resolution", "1", "--speed", "1/10", "--hdd", "500G"},
         3,
         "",
         {"Please setup every item !!\n"}},
        {"one combination in csv with an item missing",
         {"--model", "4CH", "--system", "NTSC", "--quality", "HIGH", "--resolution", "1", "--duration", "1 Day",
          "--format", "csv"},
         3,
         capacityHeader + "4CH,NTSC,HIGH,60IPS@720*240,,1 Day,,,\n",
         {}},
        {"a table with an item missing",
         {"--model", "4CH", "--system", "NTSC", "--quality", "HIGH,LOW", "--resolution", "1", "--duration", "1 Day"},
         0,
         capacityHeader + "4CH,NTSC,HIGH,60IPS@720*240,,1 Day,,,\n4CH,NTSC,LOW,60IPS@720*240,,1 Day,,,\n",
         {}},
        {"json with an item missing",
         {"--model", "4CH", "--system", "NTSC", "--speed", "1/10", "--hdd", "500G", "--format", "json"},
         3,
         "{\"model\":\"4CH\",\"system\":\"NTSC\",\"quality\":null,\"resolution\":null,\"speed\":\"1/10\","
         "\"hdd_size\":\"500G\",\"fields_per_second\":null,\"k_per_hour\":null,\"record_time_hours\":null,"
         "\"record_time_days\":null}\n",
         {}},
        {"json of one combination",
         typicalWith({"--duration", "1 Day", "--format", "JSON"}),
         0,
         "{\"model\":\"4CH\",\"system\":\"NTSC\",\"quality\":\"HIGH\",\"resolution\":\"60IPS@720*240\","
         "\"speed\":\"1/10\",\"duration\":\"1 Day\",\"fields_per_second\":6,\"k_per_hour\":432000,"
         "\"record_size_gb\":9.8877}\n",
         {}},
        {"a table defaults to csv, CR LF on request, numbers with . under German settings",
         {"--model", "4CH", "--system", "NTSC", "--quality", "HIGH", "--resolution", "1", "--speed", "1/3",
          "--duration", "1 Day,1 Week", "--crlf"},
         0,
         "model,system,quality,resolution,speed,duration,fields_per_second,k_per_hour,record_size_gb\r\n"
         "4CH,NTSC,HIGH,60IPS@720*240,1/3,1 Day,19.998,1439856,32.9557\r\n"
         "4CH,NTSC,HIGH,60IPS@720*240,1/3,1 Week,19.998,1439856,230.6898\r\n",
         {},
         "de_DE.UTF-8"},
        {"the version", {"--version"}, 0, "kolvex-calc " + std::string(kolvex::kVersion) + "\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = runCalc(c.args, c.locale);
        EXPECT_EQ(run.exitStatus, c.status);
        EXPECT_EQ(run.out, c.out);
        if (c.err.empty()) {
            EXPECT_EQ(run.err, "");
        } else {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
        for (const auto& part : c.err) {
            EXPECT_NE(run.err.find(part), std::string::npos) << part << " not in: " << run.err;
        }
    }
}

TEST(Program, TheFullTablesAreWrittenWhole) {
    for (const auto& [period, rows] : {std::pair{"--duration", 1'258'740}, std::pair{"--hdd", 809'190}}) {
        SCOPED_TRACE(period);
        const ProgramRun run = runCalc({"--model", "all", "--system", "all", "--quality", "all", "--resolution", "all",
                                        "--speed", "all", period, "all"});
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), rows + 1);
        const auto lastLine = run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1);
        EXPECT_EQ(lastLine.rfind("16CH,PAL,LOW,400IPS@360*144,1/999,", 0), 0U) << lastLine;
    }
}

} // namespace
} // namespace cli::testing
