#include "tests/ui/session_model.h"

#include "calc/calculation.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_texts.h"
#include "tests/ui/record_values.h"
#include "ui/form.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace ui::session {
namespace {

constexpr std::array<Control, 6> kLists = {Control::Combo1, Control::Combo2, Control::Combo3,
                                           Control::Combo4, Control::Combo5, Control::Combo6};

// The ten controls that follow the language, in language-item order 0 to 9.
constexpr std::array<Control, 10> kCaptioned = {
    Control::Option1_0, Control::Option1_1, Control::Label1_0, Control::Label1_1,  Control::Label1_2,
    Control::Label1_3,  Control::Label1_4,  Control::Label1_5, Control::Clear_BTN, Control::Count_BTN};

constexpr std::array<const char*, 5> kLanguageNames = {"English", "Chinese", "German", "French", "Dutch"};

Control controlAt(int i) {
    return static_cast<Control>(i);
}
std::string name(Control c) {
    return std::string(controlName(c));
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        out += ch == '\r' ? std::string("\\r") : ch == '\n' ? std::string("\\n") : std::string(1, ch);
    }
    return out + "\"";
}

// What a user sees of the window, and the record behind it, just before an action.
struct Seen {
    std::array<bool, kControlCount> enabled{};
    std::array<bool, kControlCount> visible{};
    std::array<int, 6> selected{};
    std::array<std::string, 3> resolutions;
    std::string result;
    std::size_t messages = 0;
    std::optional<calc::RecordSettings> record; // kept only before a Calculate, which the oracle needs
    std::optional<decltype(testing::recordValues(calc::RecordSettings{}))> values;

    static Seen of(const Driver& d, bool wholeRecord) {
        Seen s;
        for (int i = 0; i < kControlCount; ++i) {
            s.enabled[static_cast<std::size_t>(i)] = d.enabled(controlAt(i));
            s.visible[static_cast<std::size_t>(i)] = d.visible(controlAt(i));
        }
        for (std::size_t i = 0; i < kLists.size(); ++i) {
            s.selected[i] = d.selectedIndex(kLists[i]);
        }
        for (int e = 0; e < 3 && e < d.entryCount(Control::Combo3); ++e) {
            s.resolutions[static_cast<std::size_t>(e)] = d.entryText(Control::Combo3, e);
        }
        s.result = d.resultText();
        s.messages = d.messageCount();
        if (const calc::RecordSettings* r = d.record()) {
            s.values = testing::recordValues(*r);
            if (wholeRecord) {
                s.record = *r;
            }
        }
        return s;
    }

    // Everything but the result box, the message count and the Clear button.
    bool sameSettingsAs(const Seen& o) const {
        std::array<bool, kControlCount> a = enabled;
        std::array<bool, kControlCount> b = o.enabled;
        a[static_cast<std::size_t>(Control::Clear_BTN)] = b[static_cast<std::size_t>(Control::Clear_BTN)] = false;
        return a == b && visible == o.visible && selected == o.selected && resolutions == o.resolutions &&
               values == o.values;
    }
};

// Follows a session from the user's side and checks, after every action, what the window must
// show by then. It keeps only what a user knows: the last model, mode and language chosen, and
// whether the last Calculate or Clear left a report.
class Checker {
public:
    std::optional<Failure> start(const Driver& d) {
        for (int i = 0; i < kControlCount; ++i) {
            const Control c = controlAt(i);
            const bool on = c == Control::Count_BTN;
            const bool shown = c != Control::Label1_5 && c != Control::Combo6;
            if (d.enabled(c) != on || d.visible(c) != shown) {
                return Failure{"start state", name(c) + (on ? " should start enabled" : " should start disabled") +
                                                  (shown ? " and visible" : " and hidden")};
            }
            m_everEnabled[static_cast<std::size_t>(i)] = on;
        }
        for (const Control list : kLists) {
            if (d.selectedIndex(list) != -1) {
                return Failure{"start state", name(list) + " starts with a selection"};
            }
        }
        if (!d.resultText().empty() || d.messageCount() != 0) {
            return Failure{"start state", "the result box starts with text or a message was shown"};
        }
        return checkAlways(d);
    }

    void before(const Driver& d, const Action& a) { m_before = Seen::of(d, a.kind == Kind::Calculate); }

    std::optional<Failure> after(const Driver& d, const Action& a) {
        switch (a.kind) {
        case Kind::Model:
            m_model = a.index;
            break;
        case Kind::Mode:
            m_mode = a.index;
            break;
        case Kind::Language:
            m_language = a.index;
            break;
        default:
            break;
        }
        if (auto f = checkAction(d, a)) {
            return f;
        }
        return checkAlways(d);
    }

    int reports = 0;
    int refusals = 0;

private:
    std::optional<Failure> checkAction(const Driver& d, const Action& a) {
        const Seen now = Seen::of(d, false);
        if (a.kind == Kind::Calculate) {
            return checkCalculate(d, now);
        }
        if (now.messages != m_before.messages) {
            return Failure{"only Calculate shows a message", "a message appeared after " + describe(a)};
        }
        if (a.kind == Kind::Clear) {
            m_reportShown = false;
            if (!now.result.empty()) {
                return Failure{"Clear empties the result box", "it still holds " + quoted(now.result)};
            }
        } else if (now.result != m_before.result) {
            return Failure{"only Calculate and Clear change the result box",
                           describe(a) + " changed it to " + quoted(now.result)};
        }
        if (a.kind == Kind::Language && !now.sameSettingsAs(m_before)) {
            return Failure{"a language switch changes only captions", "states, selections or record changed"};
        }
        return std::nullopt;
    }

    std::optional<Failure> checkCalculate(const Driver& d, const Seen& now) {
        std::optional<calc::CalculationOutcome> expected;
        std::optional<calc::RecordSettings> expectedRecord = m_before.record;
        if (expectedRecord) {
            std::array<std::string, 6> texts;
            for (std::size_t i = 0; i < kLists.size(); ++i) {
                const int e = m_before.selected[i];
                texts[i] = e < 0 ? std::string() : d.entryText(kLists[i], e);
            }
            const calc::ListTexts lists{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
            expected = calc::calculate(*expectedRecord, lists, d.decimalSeparator());
        }
        const bool refused = now.messages == m_before.messages + 1;
        if (!refused && now.messages != m_before.messages) {
            return Failure{"Calculate shows at most one message", std::to_string(now.messages - m_before.messages)};
        }
        // A user's view of completeness: every list the mode needs shows a choice (a list refreshed
        // by another handler while empty gives nothing to record, so it does not count).
        const std::size_t modeList = m_mode == 0 ? 4 : 5;
        const bool ready =
            std::all_of(m_before.selected.begin(), m_before.selected.begin() + 4, [](int e) { return e >= 0; }) &&
            m_before.selected[modeList] >= 0;
        if (ready == refused) {
            return Failure{"Calculate reports exactly when every list the mode needs has a choice",
                           refused ? "refused with every list chosen" : "reported with a list not chosen"};
        }
        if (expected && expected->reported == refused) {
            return Failure{"Calculate reports exactly when the settings allow it",
                           refused ? "a message was shown instead of " + quoted(expected->text)
                                   : "no message was shown; the result box holds " + quoted(now.result)};
        }
        if (refused) {
            ++refusals;
            const Message m = d.lastMessage();
            const std::string text(
                lang::kLanguageTexts[static_cast<std::size_t>(m_language)][lang::MissingItemMessage]);
            if (m.title != kMessageTitle || m.text != text) {
                return Failure{"the message is the missing-item text of the current language",
                               quoted(m.title) + ": " + quoted(m.text) + ", expected " + quoted(text)};
            }
            if (!now.sameSettingsAs(m_before) || now.result != m_before.result ||
                d.enabled(Control::Clear_BTN) != m_before.enabled[static_cast<std::size_t>(Control::Clear_BTN)]) {
                return Failure{"a refused Calculate changes nothing",
                               "a state, selection, record value or text changed"};
            }
            return std::nullopt;
        }
        ++reports;
        m_reportShown = true;
        if (expected && now.result != expected->text) {
            return Failure{"Calculate writes the report of the current settings and language",
                           quoted(now.result) + ", expected " + quoted(expected->text)};
        }
        if (expectedRecord && now.values != testing::recordValues(*expectedRecord)) {
            return Failure{"Calculate stores the results of its mode and nothing else", "record differs"};
        }
        Seen unchanged = now;
        unchanged.values = m_before.values;
        if (!unchanged.sameSettingsAs(m_before)) {
            return Failure{"Calculate changes no state or selection", "a control state or selection changed"};
        }
        return std::nullopt;
    }

    std::optional<Failure> checkAlways(const Driver& d) {
        for (int i = 0; i < kControlCount; ++i) {
            const Control c = controlAt(i);
            const bool on = d.enabled(c);
            auto& ever = m_everEnabled[static_cast<std::size_t>(i)];
            if (ever && !on && c != Control::Clear_BTN) {
                return Failure{"an enabled control stays enabled", name(c) + " was disabled again"};
            }
            ever = ever || on;
        }
        if (d.enabled(Control::Clear_BTN) != m_reportShown) {
            return Failure{"Clear is enabled exactly while a Calculate report has not been cleared",
                           m_reportShown ? "Clear_BTN disabled" : "Clear_BTN enabled"};
        }
        if (auto f = checkUnlocked(d)) {
            return f;
        }
        const bool durationRow = m_mode != 1;
        for (int i = 0; i < kControlCount; ++i) {
            const Control c = controlAt(i);
            bool shown = true;
            if (c == Control::Label1_4 || c == Control::Combo5) {
                shown = durationRow;
            } else if (c == Control::Label1_5 || c == Control::Combo6) {
                shown = !durationRow;
            }
            if (d.visible(c) != shown) {
                return Failure{"the duration or disk size row follows the last mode",
                               name(c) + (shown ? " hidden" : " shown") + " after mode " + std::to_string(m_mode)};
            }
        }
        for (std::size_t item = 0; item < kCaptioned.size(); ++item) {
            const std::string_view want = lang::kLanguageTexts[static_cast<std::size_t>(m_language)][item];
            if (d.caption(kCaptioned[item]) != want) {
                return Failure{"captions follow the language",
                               name(kCaptioned[item]) + " reads " + quoted(d.caption(kCaptioned[item]))};
            }
        }
        const int system = d.selectedIndex(Control::Combo1);
        const calc::ResolutionRow& row =
            calc::resolutionRow(static_cast<std::int16_t>(m_model), static_cast<std::int16_t>(system < 0 ? 0 : system));
        if (d.entryCount(Control::Combo3) != 3) {
            return Failure{"Combo3 has three entries", std::to_string(d.entryCount(Control::Combo3))};
        }
        for (int e = 0; e < 3; ++e) {
            if (d.entryText(Control::Combo3, e) != row[static_cast<std::size_t>(e)].text) {
                return Failure{"Combo3 offers the entries of the current model and video system",
                               "entry " + std::to_string(e) + " reads " + quoted(d.entryText(Control::Combo3, e))};
            }
        }
        if (const calc::RecordSettings* r = d.record()) {
            return checkRecord(d, *r);
        }
        return std::nullopt;
    }

    // Each step's controls are enabled exactly once that step's handler has run.
    std::optional<Failure> checkUnlocked(const Driver& d) const {
        const calc::RecordSettings* r = d.record();
        const struct {
            Control control;
            bool unlocked;
        } steps[] = {
            {Control::Option1_0, m_model != 0},
            {Control::Combo1, m_mode >= 0},
            {Control::Combo2, d.selectedIndex(Control::Combo1) >= 0},
            {Control::Combo3, r == nullptr ? d.enabled(Control::Combo3) : r->QualityChosen},
            {Control::Combo4, r == nullptr ? d.enabled(Control::Combo4) : r->ResolutionChosen},
            {Control::Combo5, d.selectedIndex(Control::Combo4) >= 0},
            {Control::Count_BTN, true},
        };
        // Each row's label and list, or the pair of options, share their state.
        const std::array<std::pair<Control, Control>, 8> partners = {{
            {Control::Option1_0, Control::Option1_1},
            {Control::Combo1, Control::Label1_0},
            {Control::Combo2, Control::Label1_1},
            {Control::Combo3, Control::Label1_2},
            {Control::Combo4, Control::Label1_3},
            {Control::Combo5, Control::Label1_4},
            {Control::Combo5, Control::Combo6},
            {Control::Combo5, Control::Label1_5},
        }};
        for (const auto& step : steps) {
            if (d.enabled(step.control) != step.unlocked) {
                return Failure{"a control is enabled exactly once its step is done",
                               name(step.control) + (step.unlocked ? " still disabled" : " enabled too early")};
            }
        }
        for (const auto& [a, b] : partners) {
            if (d.enabled(a) != d.enabled(b)) {
                return Failure{"a row's label and list share their state", name(a) + " and " + name(b) + " differ"};
            }
        }
        return std::nullopt;
    }

    // Every list with a selected entry has its value in the record, for the current model and system.
    std::optional<Failure> checkRecord(const Driver& d, const calc::RecordSettings& r) const {
        auto fail = [](const std::string& what) {
            return Failure{"the record holds the value of every selected entry", what};
        };
        if (r.ModelIndex != m_model || r.ModelChosen != (m_model != 0)) {
            return fail("ModelIndex " + std::to_string(r.ModelIndex) + ", last model " + std::to_string(m_model));
        }
        if (m_mode >= 0 && r.CapacityMode != (m_mode == 0 ? calc::kTrue16 : calc::kFalse16)) {
            return fail("CapacityMode " + std::to_string(r.CapacityMode) + " after mode " + std::to_string(m_mode));
        }
        if (r.LanguageIndex != m_language) {
            return fail("LanguageIndex " + std::to_string(r.LanguageIndex));
        }
        const int system = d.selectedIndex(Control::Combo1);
        if (system >= 0 && (r.VideoSystem != system || !r.SystemChosen)) {
            return fail("VideoSystem " + std::to_string(r.VideoSystem) + " for Combo1[" + std::to_string(system) + "]");
        }
        const std::size_t sys = calc::systemRow(r.VideoSystem);
        if (const int e = d.selectedIndex(Control::Combo2); e >= 0) {
            if (r.FieldSizeK != calc::kFieldSizeK[sys][static_cast<std::size_t>(e)] || !r.QualityChosen) {
                return fail("FieldSizeK " + std::to_string(r.FieldSizeK) + " for Combo2[" + std::to_string(e) + "]");
            }
        }
        if (const int e = d.selectedIndex(Control::Combo3); e >= 0) {
            const calc::ResolutionEntry& want =
                calc::resolutionRow(r.ModelIndex, r.VideoSystem)[static_cast<std::size_t>(e)];
            if (r.FieldRate != want.fieldRate || r.ImageRate != want.imageRate || !r.ResolutionChosen) {
                return fail("FieldRate/ImageRate " + std::to_string(r.FieldRate) + "/" + std::to_string(r.ImageRate) +
                            " for Combo3[" + std::to_string(e) + "]");
            }
        }
        if (const int e = d.selectedIndex(Control::Combo4); e >= 0) {
            if (r.SpeedFactor != calc::speedFactorOf(e) || !r.SpeedChosen) {
                return fail("SpeedFactor raw " + std::to_string(r.SpeedFactor.raw()) + " for Combo4[" +
                            std::to_string(e) + "]");
            }
        }
        if (const int e = d.selectedIndex(Control::Combo5); e >= 0) {
            if (r.RecordHours != calc::kRecordHours[static_cast<std::size_t>(e)].hours || !r.DurationChosen) {
                return fail("RecordHours " + std::to_string(r.RecordHours) + " for Combo5[" + std::to_string(e) + "]");
            }
        }
        if (const int e = d.selectedIndex(Control::Combo6); e >= 0) {
            if (r.HddSizeGB != calc::kHddSizes[static_cast<std::size_t>(e)].gigabytes || !r.HddChosen) {
                return fail("HddSizeGB " + std::to_string(r.HddSizeGB) + " for Combo6[" + std::to_string(e) + "]");
            }
        }
        return std::nullopt;
    }

    std::array<bool, kControlCount> m_everEnabled{};
    int m_model = 0;    // 0 = no model clicked yet
    int m_mode = -1;    // -1 = no mode clicked yet
    int m_language = 0; // English at start
    bool m_reportShown = false;
    Seen m_before;
};

// Runs actions from `next` until it returns none, checking after each one.
template <class Next>
SessionRun run(Driver& driver, Next next) {
    SessionRun out;
    driver.restart();
    Checker checker;
    out.failure = checker.start(driver);
    while (!out.failure) {
        const std::optional<Action> a = next();
        if (!a) {
            break;
        }
        if (!isAvailable(driver, *a)) {
            continue;
        }
        out.applied.push_back(*a);
        checker.before(driver, *a);
        driver.apply(*a);
        out.failure = checker.after(driver, *a);
    }
    out.reports = checker.reports;
    out.refusals = checker.refusals;
    return out;
}

std::optional<std::uint64_t> environmentNumber(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::strtoull(value, nullptr, 0);
}

} // namespace

std::string describe(const Action& a) {
    switch (a.kind) {
    case Kind::Model:
        return "model " + std::string(a.index == 1 ? "4CH" : a.index == 2 ? "8CH" : "16CH");
    case Kind::Mode:
        return "mode Option1(" + std::to_string(a.index) + ")";
    case Kind::Choose:
        return "choose " + name(a.list) + "[" + std::to_string(a.index) + "]";
    case Kind::Calculate:
        return "Calculate";
    case Kind::Clear:
        return "Clear";
    case Kind::Language:
        return "Language " + std::string(kLanguageNames[static_cast<std::size_t>(a.index)]);
    }
    return "?";
}

std::string describe(const std::vector<Action>& actions) {
    std::string out;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        out += "  " + std::to_string(i + 1) + ". " + describe(actions[i]) + "\n";
    }
    return out;
}

bool isAvailable(const Driver& d, const Action& a) {
    switch (a.kind) {
    case Kind::Model:
    case Kind::Language:
        return true;
    case Kind::Mode:
        return d.enabled(a.index == 0 ? Control::Option1_0 : Control::Option1_1);
    case Kind::Choose:
        return d.enabled(a.list) && d.visible(a.list) && a.index >= 0 && a.index < d.entryCount(a.list);
    case Kind::Calculate:
        return d.enabled(Control::Count_BTN);
    case Kind::Clear:
        return d.enabled(Control::Clear_BTN);
    }
    return false;
}

std::uint64_t Rng::next() {
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

Action randomAction(const Driver& d, Rng& rng) {
    std::vector<Action> kinds = {{Kind::Model, 0}, {Kind::Calculate, 0}, {Kind::Language, 0}};
    if (d.enabled(Control::Option1_0) || d.enabled(Control::Option1_1)) {
        kinds.push_back({Kind::Mode, 0});
    }
    if (d.enabled(Control::Clear_BTN)) {
        kinds.push_back({Kind::Clear, 0});
    }
    for (const Control list : kLists) {
        if (d.enabled(list) && d.visible(list)) {
            kinds.push_back({Kind::Choose, 0, list});
        }
    }
    Action a = kinds[static_cast<std::size_t>(rng.below(static_cast<int>(kinds.size())))];
    switch (a.kind) {
    case Kind::Model:
        a.index = 1 + rng.below(3);
        break;
    case Kind::Mode:
        do {
            a.index = rng.below(2);
        } while (!isAvailable(d, a));
        break;
    case Kind::Language:
        a.index = rng.below(5);
        break;
    case Kind::Choose:
        // Now and then the entry already selected, which the window treats as a new choice.
        a.index = d.selectedIndex(a.list) >= 0 && rng.below(6) == 0 ? d.selectedIndex(a.list)
                                                                    : rng.below(d.entryCount(a.list));
        break;
    default:
        break;
    }
    return a;
}

SessionRun runGenerated(Driver& driver, std::uint64_t seed) {
    Rng rng(seed);
    int left = 5 + rng.below(76);
    return run(driver, [&]() -> std::optional<Action> {
        if (left-- == 0) {
            return std::nullopt;
        }
        return randomAction(driver, rng);
    });
}

SessionRun replay(Driver& driver, const std::vector<Action>& actions) {
    std::size_t i = 0;
    return run(driver, [&]() -> std::optional<Action> {
        if (i == actions.size()) {
            return std::nullopt;
        }
        return actions[i++];
    });
}

std::vector<Action> shrink(Driver& driver, std::vector<Action> failing, const std::string& property) {
    const auto stillFails = [&](const std::vector<Action>& candidate) -> std::optional<std::vector<Action>> {
        const SessionRun r = replay(driver, candidate);
        if (r.failure && r.failure->property == property) {
            return r.applied;
        }
        return std::nullopt;
    };
    const auto removeChunks = [&](std::vector<Action> actions) {
        for (std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1);; chunk /= 2) {
            for (std::size_t from = 0; from < actions.size();) {
                std::vector<Action> candidate = actions;
                candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(from),
                                candidate.begin() +
                                    static_cast<std::ptrdiff_t>(std::min(from + chunk, actions.size())));
                if (auto shorter = stillFails(candidate)) {
                    actions = std::move(*shorter);
                } else {
                    from += chunk;
                }
            }
            if (chunk == 1) {
                return actions;
            }
        }
    };
    failing = removeChunks(std::move(failing));
    // An action that unlocks a list early can hold a longer path in place; swapping neighbours
    // lets the removal try again.
    std::size_t i = 0;
    while (i + 1 < failing.size()) {
        std::vector<Action> swapped = failing;
        std::swap(swapped[i], swapped[i + 1]);
        std::optional<std::vector<Action>> still = stillFails(swapped);
        std::vector<Action> shorter = still ? removeChunks(std::move(*still)) : failing;
        if (shorter.size() < failing.size()) {
            failing = std::move(shorter);
            i = 0;
        } else {
            ++i;
        }
    }
    return failing;
}

std::string SessionFailure::report() const {
    std::ostringstream out;
    out << "seed " << seed << " (rerun with KOLVEX_SESSION_SEED=" << seed << ")\n"
        << "property: " << failure.property << "\n"
        << "detail: " << failure.detail << "\n"
        << "shortened from " << original.size() << " to " << shortened.size() << " actions:\n"
        << describe(shortened);
    return out.str();
}

RunConfig configFromEnvironment(int defaultCount) {
    RunConfig config{20240611, defaultCount};
    if (const auto seed = environmentNumber("KOLVEX_SESSION_SEED")) {
        config = {*seed, 1};
    }
    if (const auto count = environmentNumber("KOLVEX_SESSION_COUNT")) {
        config.count = static_cast<int>(*count);
    }
    return config;
}

RunSummary runSessions(Driver& driver, const RunConfig& config) {
    RunSummary summary;
    for (int i = 0; i < config.count; ++i) {
        const std::uint64_t seed = config.firstSeed + static_cast<std::uint64_t>(i);
        const SessionRun r = runGenerated(driver, seed);
        ++summary.sessions;
        summary.actions += static_cast<int>(r.applied.size());
        summary.reports += r.reports;
        summary.refusals += r.refusals;
        if (r.failure) {
            summary.failure =
                SessionFailure{seed, *r.failure, r.applied, shrink(driver, r.applied, r.failure->property)};
            break;
        }
    }
    return summary;
}

} // namespace ui::session
