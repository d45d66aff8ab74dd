#include "ui/form.h"

#include "calc/value_tables.h"
#include "lang/language_texts.h"
#include "tests/ui/fake_view.h"
#include "tests/ui/record_values.h"
#include "ui/captioned_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ui::testing {
namespace {

using C = Control;
using Log = std::vector<std::string>;

Log operator+(Log a, const Log& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The three lines that rewrite Combo3 for a model and video system.
Log combo3(std::int16_t model, std::int16_t system) {
    Log out;
    for (std::size_t i = 0; i < 3; ++i) {
        out.push_back("entry Combo3[" + std::to_string(i) +
                      "]=" + std::string(calc::resolutionRow(model, system)[i].text));
    }
    return out;
}

// What a handler did to the window, without what it read.
Log effects(const Log& log) {
    Log out;
    for (const auto& line : log) {
        if (line.rfind("read ", 0) != 0) {
            out.push_back(line);
        }
    }
    return out;
}

// The first `steps` choices of a session: the model, the mode, NTSC, HYPER, Combo3[0], "1/1".
void path(FakeWindow& w, int steps, std::int16_t model = 1, std::int16_t mode = 0) {
    const std::vector<void (*)(FakeWindow&)> choices = {
        [](FakeWindow& x) { x.choose(C::Combo1, "NTSC"); }, [](FakeWindow& x) { x.choose(C::Combo2, "HYPER"); },
        [](FakeWindow& x) { x.choose(C::Combo3, 0); }, [](FakeWindow& x) { x.choose(C::Combo4, 0); }};
    if (steps >= 1) {
        w.clickModel(model);
    }
    if (steps >= 2) {
        w.clickMode(mode);
    }
    for (int i = 2; i < steps; ++i) {
        choices[static_cast<std::size_t>(i - 2)](w);
    }
}

// The typical use: 4CH, NTSC, HIGH, 60IPS@720*240, a speed, then "1 Day" or "500G".
void typicalUse(FakeWindow& w, std::int16_t mode = 0, std::string_view speed = "1/10") {
    w.clickModel(1);
    w.clickMode(mode);
    w.choose(C::Combo1, "NTSC");
    w.choose(C::Combo2, "HIGH");
    w.choose(C::Combo3, "60IPS@720*240");
    w.choose(C::Combo4, speed);
    w.choose(mode == 0 ? C::Combo5 : C::Combo6, mode == 0 ? "1 Day" : "500G");
}

const std::string kLine = "=======================================\r\n";
const std::string kTypicalReport = kLine + "Video system : NTSC\r\nRecord quality : HIGH= 20 K\r\n" +
                                   "Record resolution : 60IPS@720*240\r\nRecord speed : 1/10X = 6 fileds\r\n" +
                                   "Record duration : 1 Day\r\nRecord size : 9.8877 GB\r\n" + kLine;
const std::string kMissing = "message Kolvex_calculator: Please setup every item !!";

// What a user can see of the window, and the record behind it.
struct Snapshot {
    std::vector<bool> enabled, visible;
    std::vector<int> selected;
    std::vector<std::string> combo3;
    std::string result;
    decltype(recordValues(calc::RecordSettings{})) record;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const FakeWindow& w) {
    Snapshot s{{}, {}, {}, w.view.entries(C::Combo3), w.view.resultText(), recordValues(w.form.settings())};
    for (int i = 0; i < kControlCount; ++i) {
        s.enabled.push_back(w.view.enabled(static_cast<C>(i)));
        s.visible.push_back(w.view.visible(static_cast<C>(i)));
    }
    for (const C list : kLists) {
        s.selected.push_back(w.view.selection(list));
    }
    return s;
}

TEST(FormTest, StraightPathFillsTheRecordAndUnlocksEveryList) {
    FakeWindow w;
    EXPECT_TRUE(w.view.log().empty()) << "the load step changes no control";
    path(w, 3);
    w.choose(C::Combo2, "HYPER");
    w.choose(C::Combo3, "60IPS@720*240");
    w.choose(C::Combo4, "1/1");
    w.choose(C::Combo5, "1 Day");

    const calc::RecordSettings& s = w.form.settings();
    EXPECT_EQ(s.ModelIndex, 1);
    EXPECT_EQ(s.CapacityMode, -1);
    EXPECT_EQ(s.VideoSystem, 0);
    EXPECT_EQ(s.FieldSizeK, 28);
    EXPECT_EQ(s.FieldRate, 60);
    EXPECT_EQ(s.ImageRate, 60);
    EXPECT_EQ(s.SpeedFactor, calc::FixedPoint::fromRaw(10'000));
    EXPECT_EQ(s.RecordHours, 24);
    EXPECT_TRUE(s.ModelChosen && s.SystemChosen && s.QualityChosen && s.ResolutionChosen && s.SpeedChosen &&
                s.DurationChosen);
    EXPECT_FALSE(s.HddChosen);
    for (int i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<C>(i);
        SCOPED_TRACE(controlName(c));
        EXPECT_EQ(w.view.enabled(c), c != C::Clear_BTN);
        EXPECT_EQ(w.view.visible(c), c != C::Label1_5 && c != C::Combo6);
    }
}

TEST(FormTest, EachHandlerMakesItsCallsInOrder) {
    const Log modes = {"enable Option1_0", "enable Option1_1"};
    const Log quality = {"read Combo2.index", "enable Label1_2", "enable Combo3"};
    const Log qualityAgain = Log{"read Combo2.index"} + combo3(1, 0) + Log{"enable Label1_2", "enable Combo3"};
    const Log resolution = {"read Combo3.index", "enable Combo4", "enable Label1_3"};
    const Log systemTail = {"enable Label1_1", "enable Combo2"};
    const struct {
        const char* name;
        int steps; // of `path`, before the handler runs
        std::int16_t model, mode;
        void (*act)(FakeWindow&);
        Log expected;
    } cases[] = {
        {"first model choice rewrites the entries after enabling the modes", 0, 1, 0,
         [](FakeWindow& w) { w.clickModel(3); }, modes + combo3(3, 0)},
        {"model change before any quality rewrites the entries and runs nothing", 3, 1, 0,
         [](FakeWindow& w) { w.clickModel(2); }, modes + combo3(2, 0)},
        {"model change after a quality rewrites the entries before the resolution is read", 5, 1, 0,
         [](FakeWindow& w) { w.clickModel(3); },
         modes + Log{"read Combo2.index"} + combo3(3, 0) + Log{"enable Label1_2", "enable Combo3"} + resolution},
        {"capacity mode shows the duration row",
         1,
         1,
         0,
         [](FakeWindow& w) { w.clickMode(0); },
         {"enable Combo1", "enable Label1_0", "show Label1_4", "hide Label1_5", "show Combo5", "hide Combo6"}},
        {"time mode shows the disk size row",
         1,
         1,
         0,
         [](FakeWindow& w) { w.clickMode(1); },
         {"enable Combo1", "enable Label1_0", "hide Label1_4", "show Label1_5", "hide Combo5", "show Combo6"}},
        {"first video system runs no other handler", 2, 1, 1, [](FakeWindow& w) { w.choose(C::Combo1, "PAL"); },
         Log{"read Combo1.index"} + combo3(1, 1) + systemTail},
        {"second video system runs quality and resolution with nothing selected", 3, 1, 0,
         [](FakeWindow& w) { w.choose(C::Combo1, "PAL"); },
         Log{"read Combo1.index"} + quality + resolution + combo3(1, 1) + systemTail},
        {"video system after a quality rewrites the entries twice", 4, 2, 0,
         [](FakeWindow& w) { w.choose(C::Combo1, "PAL"); },
         Log{"read Combo1.index", "read Combo2.index"} + combo3(2, 1) + Log{"enable Label1_2", "enable Combo3"} +
             resolution + combo3(2, 1) + systemTail},
        {"first quality leaves the entries", 3, 1, 0, [](FakeWindow& w) { w.choose(C::Combo2, "HYPER"); }, quality},
        {"second quality rewrites the entries", 4, 1, 0, [](FakeWindow& w) { w.choose(C::Combo2, "LOW"); },
         qualityAgain},
        {"resolution", 4, 1, 0, [](FakeWindow& w) { w.choose(C::Combo3, 2); }, resolution},
        {"record speed unlocks both rows",
         5,
         1,
         0,
         [](FakeWindow& w) { w.choose(C::Combo4, 998); },
         {"read Combo4.index", "enable Combo5", "enable Combo6", "enable Label1_4", "enable Label1_5"}},
        {"record duration changes no control",
         6,
         1,
         0,
         [](FakeWindow& w) { w.choose(C::Combo5, 13); },
         {"read Combo5.index"}},
        {"disk size changes no control", 6, 1, 1, [](FakeWindow& w) { w.choose(C::Combo6, 8); }, {"read Combo6.index"}},
        {"Calculate with an item missing shows only the message",
         6,
         1,
         0,
         [](FakeWindow& w) { w.calculate(); },
         {kMissing}},
        {"Calculate enables Clear, then writes the report",
         0,
         1,
         0,
         [](FakeWindow& w) {
             typicalUse(w);
             w.view.takeLog();
             w.calculate();
         },
         {"enable Clear_BTN", "result=" + kTypicalReport}},
        {"Clear empties the report, then disables itself",
         0,
         1,
         0,
         [](FakeWindow& w) {
             typicalUse(w);
             w.calculate();
             w.view.takeLog();
             w.clear();
         },
         {"result=", "disable Clear_BTN"}},
        {"Language re-captions the ten controls",
         0,
         1,
         0,
         [](FakeWindow& w) { w.language(lang::Dutch); },
         {"caption Option1_0=Opnamecapaciteit", "caption Option1_1=Opnametijd", "caption Label1_0=Videosysteem",
          "caption Label1_1=Kwaliteit ", "caption Label1_2=Resolutie", "caption Label1_3=Opnamesnelheid",
          "caption Label1_4=Opnameduur", "caption Label1_5=Formaat harde schijf", "caption Clear_BTN=Wissen",
          "caption Count_BTN=Calculeren", "name Text1=Opnamegrootte / Opnametijd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeWindow w;
        path(w, c.steps, c.model, c.mode);
        w.view.takeLog();
        c.act(w);
        const Log log = w.view.takeLog();
        // The calculation's reads of the six lists have no order of their own.
        const bool calculated = std::find(log.begin(), log.end(), "read separator") != log.end();
        EXPECT_EQ(calculated ? effects(log) : log, c.expected);
    }
}

// A front-end passes each toolkit event to the entry point of its kind of control; one given a
// control of another kind (a list's number through the option entry point, a frame's anywhere)
// runs no handler, rather than the handler of whatever the row names.
TEST(FormTest, AnEntryPointGivenAControlOfAnotherKindDoesNothing) {
    const struct {
        const char* name;
        void (Form::*raise)(Control);
        layout::Kind kind;
    } entryPoints[] = {
        {"option clicked", &Form::optionClicked, layout::Kind::OptionButton},
        {"list chosen", &Form::listChosen, layout::Kind::DropDownList},
        {"button clicked", &Form::buttonClicked, layout::Kind::CommandButton},
    };
    FakeWindow w;
    typicalUse(w);
    w.calculate();
    w.view.takeLog();
    const Snapshot before = snapshot(w);
    for (const auto& entry : entryPoints) {
        for (const layout::ControlLayout& row : layout::kControls) {
            if (row.kind == entry.kind) {
                continue;
            }
            SCOPED_TRACE(std::string(entry.name) + " with " + std::string(row.name));
            (w.form.*entry.raise)(row.id);
            EXPECT_EQ(w.view.takeLog(), Log{});
            EXPECT_TRUE(snapshot(w) == before);
        }
    }
}

TEST(FormTest, SwitchTo16CHKeepsTheSelectedEntryWithTheNewModelsRates) {
    FakeWindow w;
    path(w, 4);
    w.choose(C::Combo3, "120IPS@360*240");
    w.clickModel(3);
    EXPECT_EQ(w.view.selection(C::Combo3), 1);
    EXPECT_EQ(w.view.entries(C::Combo3)[1], "240IPS@360*240");
    EXPECT_EQ(w.form.settings().FieldSizeK, 28);
    EXPECT_EQ(w.form.settings().FieldRate, 120);
    EXPECT_EQ(w.form.settings().ImageRate, 240);
}

TEST(FormTest, ModelChangeBeforeAQualityStillOffersTheNewModelsResolutions) {
    FakeWindow w;
    path(w, 3);
    w.clickModel(3);
    w.choose(C::Combo2, "HIGH");
    EXPECT_EQ(w.view.entries(C::Combo3), (Log{"120IPS@720*240", "240IPS@360*240", "480IPS@360*120"}));
    w.choose(C::Combo3, "120IPS@720*240");
    EXPECT_EQ(w.form.settings().FieldRate, 120);
    EXPECT_EQ(w.form.settings().ImageRate, 120);
}

TEST(FormTest, SecondVideoSystemWithNothingChosenCannotBeCalculatedInEitherMode) {
    FakeWindow w;
    path(w, 3);
    w.choose(C::Combo1, "PAL");
    const calc::RecordSettings& s = w.form.settings();
    EXPECT_TRUE(s.QualityChosen && s.ResolutionChosen);
    EXPECT_TRUE(w.view.enabled(C::Combo3) && w.view.enabled(C::Combo4));
    EXPECT_EQ(s.FieldSizeK, 0);
    EXPECT_EQ(s.FieldRate, 0);
    EXPECT_EQ(s.ImageRate, 0);

    // Every flag the completeness check asks for is now true, but nothing would be recorded per hour.
    w.choose(C::Combo4, "1/1");
    w.choose(C::Combo5, "1 Day");
    w.clickMode(1);
    w.choose(C::Combo6, "80G");
    for (const std::int16_t mode : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(mode == 0 ? "capacity" : "time");
        w.clickMode(mode);
        const Snapshot before = snapshot(w);
        w.view.takeLog();
        w.calculate();
        EXPECT_EQ(effects(w.view.takeLog()), Log{kMissing});
        EXPECT_EQ(snapshot(w), before);
    }
    EXPECT_EQ(w.view.resultText(), "");
    EXPECT_FALSE(w.view.enabled(C::Clear_BTN));
}

TEST(FormTest, ModeFlipKeepsTheDiskSizeSelection) {
    FakeWindow w;
    typicalUse(w, 1);
    w.clickMode(0);
    EXPECT_FALSE(w.view.visible(C::Combo6) || w.view.visible(C::Label1_5));
    EXPECT_TRUE(w.view.visible(C::Combo5) && w.view.visible(C::Label1_4));
    EXPECT_EQ(w.view.selection(C::Combo6), 7);
    EXPECT_EQ(w.form.settings().HddSizeGB, 500);
    EXPECT_TRUE(w.form.settings().HddChosen);

    w.clickMode(1);
    w.calculate();
    EXPECT_EQ(w.view.resultText(), kLine + "Video system : NTSC\r\nRecord quality : HIGH = 20 K\r\n" +
                                       "Record resolution : 60IPS@720*240\r\nRecord speed : 1/10X = 6 fileds\r\n" +
                                       "HDD size : 500G\r\nRecord time : 1213.6296Hour\r\n" +
                                       "Record time : 50.5679Day\r\n" + kLine);
}

TEST(FormTest, CalculateAfterClearWorksWithoutNewChoices) {
    FakeWindow w;
    typicalUse(w);
    w.calculate();
    w.clear();
    EXPECT_EQ(w.view.resultText(), "");
    EXPECT_FALSE(w.view.enabled(C::Clear_BTN));
    w.calculate();
    EXPECT_EQ(w.view.resultText(), kTypicalReport);
    EXPECT_TRUE(w.view.enabled(C::Clear_BTN));
}

TEST(FormTest, LanguageSwitchMidSessionChangesOnlyCaptionsAndLaterTexts) {
    FakeWindow w;
    typicalUse(w);
    w.calculate();
    const Snapshot before = snapshot(w);
    w.view.takeLog();

    w.language(lang::German);
    Log captions;
    for (const auto& [control, item] : kCaptionedControls) {
        captions.push_back("caption " + std::string(controlName(control)) + "=" +
                           std::string(lang::kLanguageTexts[lang::German][item]));
    }
    captions.push_back("name Text1=Aufzeichnungsgrose / Aufzeichnungsdauer");
    EXPECT_EQ(w.view.takeLog(), captions);
    EXPECT_EQ(w.view.caption(C::Option1_0), "Aufzeichnugskapazitat");
    EXPECT_EQ(w.view.caption(C::Label1_1), "Qualitat ");
    EXPECT_EQ(snapshot(w), before);
    EXPECT_EQ(w.form.settings().LanguageIndex, lang::German);

    w.calculate();
    const std::string report = w.view.resultText();
    EXPECT_NE(report.find("\r\nAufzeichnungsqualitat  : HIGH= 20 K\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\r\nAufzeichnungsgrose : 9.8877 GB\r\n"), std::string::npos) << report;

    w.language(lang::French);
    w.clickMode(1); // no disk size chosen yet
    w.calculate();
    ASSERT_EQ(w.view.messages().size(), 1U);
    EXPECT_EQ(w.view.messages()[0].text, "Veuillez entrer s.v.p tous les parametres !!");
    EXPECT_EQ(w.view.resultText(), report) << "a refused calculation keeps the last report";

    w.language(lang::English);
    EXPECT_EQ(w.view.caption(C::Option1_0), "Recoding capacity");
    EXPECT_EQ(w.view.resultName(), FakeWindow().view.resultName()) << "English names the box as at start";
}

TEST(FormTest, CalculateRightAfterStartShowsOnlyTheMessage) {
    FakeWindow w;
    w.calculate();
    EXPECT_EQ(w.view.messages(), (std::vector<Message>{{"Kolvex_calculator", "Please setup every item !!"}}));
    EXPECT_EQ(w.view.resultText(), "");
    EXPECT_FALSE(w.view.enabled(C::Clear_BTN));
}

TEST(FormTest, ReportUsesTheViewsDecimalSeparator) {
    const struct {
        const char* separator;
        std::string_view speed;
        std::string expected;
    } cases[] = {
        {".", "1/10", kTypicalReport},
        {",", "1/3",
         kLine + "Video system : NTSC\r\nRecord quality : HIGH= 20 K\r\nRecord resolution : 60IPS@720*240\r\n" +
             "Record speed : 1/3X = 19,998 fileds\r\nRecord duration : 1 Day\r\nRecord size : 32,9557 GB\r\n" + kLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.separator);
        FakeWindow w;
        w.view.setDecimalSeparator(c.separator);
        typicalUse(w, 0, c.speed);
        w.calculate();
        EXPECT_EQ(w.view.resultText(), c.expected);
    }
}

} // namespace
} // namespace ui::testing
