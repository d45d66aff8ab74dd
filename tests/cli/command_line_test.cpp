#include "cli/command_line.h"

#include "kolvex/version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cli {
namespace {

ParsedCommandLine parse(std::vector<std::string> args) {
    args.insert(args.begin(), "kolvex-calc");
    std::vector<const char*> argv;
    for (const auto& a : args) {
        argv.push_back(a.c_str());
    }
    return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

const std::vector<std::string> kTypical = {"--model",      "4CH", "--system", "NTSC", "--quality",  "HIGH",
                                           "--resolution", "1",   "--speed",  "1/10", "--duration", "1 Day"};

std::vector<std::string> typicalWith(std::vector<std::string> more) {
    auto args = kTypical;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct ListCase {
    const char* name;
    std::vector<std::string> args;
    Query expected; // only the fields the case sets are compared
};

TEST(CommandLine, ListsTakeTheListTextsInAnyCaseCommaListsAllAndRanges) {
    const auto query = [](auto set) {
        Query q;
        set(q);
        return q;
    };
    const std::vector<ListCase> cases = {
        {"one of each, typed as the lists show them", kTypical, query([](Query& q) {
             q.models = {1};
             q.systems = {0};
             q.qualities = {2};
             q.resolutions = {{0, {}}};
             q.speeds = {9};
             q.mode = Mode::Capacity;
             q.periods = {4};
         })},
        {"any case, blanks around list items",
         {"--model", "16ch, 4Ch", "--system", "pal", "--quality", "hyper,low", "--duration", " 1 MONTH ,1 hour"},
         query([](Query& q) {
             q.models = {3, 1};
             q.systems = {1};
             q.qualities = {0, 4};
             q.mode = Mode::Capacity;
             q.periods = {13, 0};
         })},
        {"all, and repeats dropped",
         {"--model", "all,8CH", "--system", "ALL", "--quality", "LOW,low", "--hdd", "all"},
         query([](Query& q) {
             q.models = {1, 2, 3};
             q.systems = {0, 1};
             q.qualities = {4};
             q.periods = {0, 1, 2, 3, 4, 5, 6, 7, 8};
         })},
        {"speed ranges and single speeds in the order given",
         {"--speed", "1/30,1/1..1/3", "--speed", "1/2"},
         query([](Query& q) {
             q.speeds = {29, 0, 1, 2};
         })},
        {"resolution by position and by text in any case", {"--resolution", "3,120ips@720*240,1"}, query([](Query& q) {
             q.resolutions = {{2, {}}, {-1, "120IPS@720*240"}, {0, {}}};
         })},
        {"the language codes", {"--language", "DE,zh,de"}, query([](Query& q) {
             q.languages = {2, 1};
         })},
        {"the format in any case", {"--format", " JSON "}, query([](Query& q) { q.format = Format::Json; })},
        {"no --duration: record time with no disk size chosen", {"--model", "4CH"}, query([](Query& q) {
             q.models = {1};
         })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedCommandLine parsed = parse(c.args);
        ASSERT_TRUE(parsed.query.has_value()) << parsed.message;
        const Query& q = *parsed.query;
        EXPECT_EQ(q.models, c.expected.models);
        EXPECT_EQ(q.systems, c.expected.systems);
        EXPECT_EQ(q.qualities, c.expected.qualities);
        EXPECT_EQ(q.resolutions, c.expected.resolutions);
        EXPECT_EQ(q.speeds, c.expected.speeds);
        EXPECT_EQ(q.mode, c.expected.mode);
        EXPECT_EQ(q.periods, c.expected.periods);
        EXPECT_EQ(q.languages, c.expected.languages);
        EXPECT_EQ(q.format, c.expected.format);
    }
}

TEST(CommandLine, EverySpeedEntryOnce) {
    const ParsedCommandLine parsed = parse({"--speed", "all,1/5..1/999"});
    ASSERT_TRUE(parsed.query.has_value());
    EXPECT_EQ(parsed.query->speeds.size(), 999U);
    EXPECT_EQ(parsed.query->speeds.back(), 998);
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> mentioned; // parts of the one line
};

TEST(CommandLine, ABadOptionOrValueIsOneLineNamingItAndTheAcceptedValuesWithStatus2) {
    const std::vector<UsageCase> cases = {
        {"unknown quality",
         typicalWith({"--quality", "ULTRA"}),
         {"--quality", "\"ULTRA\"", "HYPER, SUPER, HIGH, MIDDLE, LOW, all"}},
        {"unknown model", {"--model", "5CH"}, {"--model", "\"5CH\"", "4CH, 8CH, 16CH, all"}},
        {"a model by its number", {"--model", "1"}, {"--model", "\"1\""}},
        {"unknown system", {"--system", "SECAM"}, {"--system", "\"SECAM\"", "NTSC, PAL, all"}},
        {"speed beyond the list", {"--speed", "1/1000"}, {"--speed", "\"1/1000\"", "1/1 to 1/999"}},
        {"speed 1/0", {"--speed", "1/0"}, {"--speed", "\"1/0\""}},
        {"a speed that is not 1/n", {"--speed", "2/3"}, {"--speed", "\"2/3\""}},
        {"a range going down", {"--speed", "1/30..1/1"}, {"--speed", "\"1/30..1/1\"", "1/1..1/30"}},
        {"resolution position 4", {"--resolution", "4"}, {"--resolution", "\"4\"", "1, 2, 3, 60IPS@720*240"}},
        {"resolution of another model",
         {"--model", "4CH", "--system", "NTSC", "--resolution", "120IPS@720*240"},
         {"--resolution", "\"120IPS@720*240\"", "1, 2, 3, 60IPS@720*240, 120IPS@360*240, 240IPS@360*120, all"}},
        {"duration as a disk size", {"--duration", "500G"}, {"--duration", "\"500G\"", "1 Hour", "1 Month, all"}},
        {"disk size as a duration", {"--hdd", "1 Day"}, {"--hdd", "\"1 Day\"", "80G", "750G, all"}},
        {"unknown language", {"--language", "es"}, {"--language", "\"es\"", "en, zh, de, fr, nl, all"}},
        {"unknown format", {"--format", "xml"}, {"--format", "\"xml\"", "text, csv, json"}},
        {"an empty format", {"--format", ""}, {"--format", "\"\"", "text, csv, json"}},
        {"both modes", typicalWith({"--hdd", "500G"}), {"--duration", "--hdd"}},
        {"unknown option", {"--colour", "red"}, {"--colour", "--model", "--hdd", "--language", "--format"}},
        {"a value left out", {"--model"}, {"--model"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedCommandLine parsed = parse(c.args);
        EXPECT_FALSE(parsed.query.has_value());
        EXPECT_EQ(parsed.exitStatus, kExitUsage);
        EXPECT_TRUE(parsed.toStandardError);
        ASSERT_FALSE(parsed.message.empty());
        EXPECT_EQ(parsed.message.find('\n'), parsed.message.size() - 1) << parsed.message;
        EXPECT_EQ(parsed.message.rfind("kolvex-calc: ", 0), 0U) << parsed.message;
        for (const auto& part : c.mentioned) {
            EXPECT_NE(parsed.message.find(part), std::string::npos) << part << " not in: " << parsed.message;
        }
    }
}

TEST(CommandLine, HelpAndVersionGoToStandardOutputWithStatus0) {
    const ParsedCommandLine version = parse({"--version"});
    EXPECT_EQ(version.message, "kolvex-calc " + std::string(kolvex::kVersion) + "\n");
    const ParsedCommandLine help = parse({"--help"});
    EXPECT_NE(help.message.find("--resolution"), std::string::npos);
    // Whatever else the line holds.
    const ParsedCommandLine helpAfterABadValue = parse({"--model", "5CH", "--help"});
    EXPECT_EQ(helpAfterABadValue.message, help.message);
    const ParsedCommandLine versionAfterABadValue = parse({"--quality", "ULTRA", "--version"});
    EXPECT_EQ(versionAfterABadValue.message, version.message);
    for (const auto& p : {version, help, helpAfterABadValue, versionAfterABadValue}) {
        EXPECT_FALSE(p.query.has_value());
        EXPECT_FALSE(p.toStandardError);
        EXPECT_EQ(p.exitStatus, kExitSuccess);
    }
}

} // namespace
} // namespace cli
