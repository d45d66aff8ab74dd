#include "tests/ui/session_model.h"

#include "calc/calculation.h"
#include "calc/selection.h"
#include "calc/value_tables.h"
#include "lang/language_texts.h"
#include "tests/ui/record_values.h"
#include "ui/captioned_controls.h"
#include "ui/form.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace ui::session {
namespace {

constexpr std::size_t kClear = static_cast<std::size_t>(Control::Clear_BTN);

std::string name(Control c) {
    return std::string(controlName(c));
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        out += ch == '\r' ? "\\r" : ch == '\n' ? "\\n" : std::string(1, ch);
    }
    return out + "\"";
}

// splitmix64: small and the same on every platform, so a seed means the same session everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    int below(int n) {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t m_state;
};

// One of the actions the window offers now; each kind of action, and each usable list, about equally likely.
Action randomAction(const Driver& d, Rng& rng) {
    std::vector<Action> kinds = {{Kind::Model}, {Kind::Calculate}, {Kind::Language}};
    if (d.enabled(Control::Option1_0) || d.enabled(Control::Option1_1)) {
        kinds.push_back({Kind::Mode});
    }
    if (d.enabled(Control::Clear_BTN)) {
        kinds.push_back({Kind::Clear});
    }
    for (const Control list : kLists) {
        if (d.enabled(list) && d.visible(list)) {
            kinds.push_back({Kind::Choose, 0, list});
        }
    }
    Action a = kinds[static_cast<std::size_t>(rng.below(static_cast<int>(kinds.size())))];
    if (a.kind == Kind::Model) {
        a.index = 1 + rng.below(3);
    } else if (a.kind == Kind::Language) {
        a.index = rng.below(5);
    } else if (a.kind == Kind::Mode) {
        do {
            a.index = rng.below(2);
        } while (!isAvailable(d, a));
    } else if (a.kind == Kind::Choose) {
        // Now and then the entry already selected, which the window takes as a new choice.
        const int selected = d.selectedIndex(a.list);
        a.index = selected >= 0 && rng.below(6) == 0 ? selected : rng.below(d.entryCount(a.list));
    }
    return a;
}

// What a user sees, and the record behind it, just before an action.
struct Seen {
    std::array<bool, kControlCount> enabled{}, visible{};
    std::array<int, 6> selected{};
    std::array<std::string, 3> resolutions;
    std::string result;
    std::size_t messages = 0;
    std::optional<decltype(testing::recordValues(calc::RecordSettings{}))> values;

    explicit Seen(const Driver& d) : result(d.resultText()), messages(d.messageCount()) {
        for (std::size_t i = 0; i < enabled.size(); ++i) {
            enabled[i] = d.enabled(static_cast<Control>(i));
            visible[i] = d.visible(static_cast<Control>(i));
        }
        for (std::size_t i = 0; i < kLists.size(); ++i) {
            selected[i] = d.selectedIndex(kLists[i]);
        }
        for (int e = 0; e < 3 && e < d.entryCount(Control::Combo3); ++e) {
            resolutions[static_cast<std::size_t>(e)] = d.entryText(Control::Combo3, e);
        }
        if (const calc::RecordSettings* r = d.record()) {
            values = testing::recordValues(*r);
        }
    }

    // The same control states but Clear's, selections, resolution entries and record.
    bool sameSettingsAs(const Seen& o) const {
        auto a = enabled;
        a[kClear] = o.enabled[kClear];
        return a == o.enabled && visible == o.visible && selected == o.selected && resolutions == o.resolutions &&
               values == o.values;
    }
};

// Follows a session from the user's side: it knows only the last model, mode and language chosen
// and whether the last Calculate or Clear left a report, and checks the window against that.
class Checker {
public:
    int reports = 0;
    int refusals = 0;

    std::optional<Failure> start(const Driver& d) {
        if (!d.resultText().empty() || d.messageCount() != 0) {
            return Failure{"start state", "the result box holds text or a message was shown"};
        }
        for (const Control list : kLists) {
            if (d.selectedIndex(list) != -1) {
                return Failure{"start state", name(list) + " starts with a selection"};
            }
        }
        return always(d); // with nothing chosen, only Count_BTN enabled and the duration row shown
    }

    std::optional<Failure> step(Driver& d, const Action& a) {
        const Seen before(d);
        std::optional<calc::RecordSettings> record;
        if (a.kind == Kind::Calculate && d.record() != nullptr) {
            record = *d.record();
        }
        d.apply(a);
        if (a.kind == Kind::Model) {
            m_model = a.index;
        } else if (a.kind == Kind::Mode) {
            m_mode = a.index;
        } else if (a.kind == Kind::Language) {
            m_language = a.index;
        }
        const Seen now(d);
        std::optional<Failure> f =
            a.kind == Kind::Calculate ? calculated(d, before, now, record) : other(a, before, now);
        return f ? f : always(d);
    }

private:
    std::optional<Failure> other(const Action& a, const Seen& before, const Seen& now) {
        if (now.messages != before.messages) {
            return Failure{"only Calculate shows a message", "after " + describe(a)};
        }
        if (a.kind == Kind::Clear) {
            m_reportShown = false;
            if (!now.result.empty()) {
                return Failure{"Clear empties the result box", "it holds " + quoted(now.result)};
            }
        } else if (now.result != before.result) {
            return Failure{"only Calculate and Clear change the result box",
                           describe(a) + " wrote " + quoted(now.result)};
        }
        if (a.kind == Kind::Language && !now.sameSettingsAs(before)) {
            return Failure{"a language switch changes only captions", "a state, selection or record value changed"};
        }
        return std::nullopt;
    }

    std::optional<Failure> calculated(const Driver& d, const Seen& before, const Seen& now,
                                      std::optional<calc::RecordSettings>& record) {
        const bool refused = now.messages == before.messages + 1;
        if (!refused && now.messages != before.messages) {
            return Failure{"Calculate shows at most one message", std::to_string(now.messages - before.messages)};
        }
        // Complete as a user sees it: every list the mode needs shows a choice. A list refreshed by
        // another handler while nothing was selected in it gives nothing to record, so it does not count.
        const auto chosen = [&](std::size_t list) { return before.selected[list] >= 0; };
        const bool ready = chosen(0) && chosen(1) && chosen(2) && chosen(3) && chosen(m_mode == 0 ? 4 : 5);
        if (ready == refused) {
            return Failure{"Calculate reports exactly when every list the mode needs has a choice",
                           refused ? "refused with every list chosen" : "reported with a list not chosen"};
        }
        std::optional<calc::CalculationOutcome> expected;
        if (record) {
            std::array<std::string, 6> texts;
            for (std::size_t i = 0; i < kLists.size(); ++i) {
                texts[i] = chosen(i) ? d.entryText(kLists[i], before.selected[i]) : std::string();
            }
            const calc::ListTexts lists{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]};
            expected = calc::calculate(*record, lists, d.decimalSeparator());
        }
        if (refused) {
            ++refusals;
            const Message m = d.lastMessage();
            const auto want = lang::kLanguageTexts[static_cast<std::size_t>(m_language)][lang::MissingItemMessage];
            if (m.title != kMessageTitle || m.text != want) {
                return Failure{"the message is the missing-item text of the current language",
                               quoted(m.title) + ": " + quoted(m.text)};
            }
            if (!now.sameSettingsAs(before) || now.enabled[kClear] != before.enabled[kClear] ||
                now.result != before.result) {
                return Failure{"a refused Calculate changes nothing", "a state, selection, value or text changed"};
            }
            return std::nullopt;
        }
        ++reports;
        m_reportShown = true;
        if (expected && now.result != expected->text) {
            return Failure{"Calculate writes the report of the current settings and language",
                           quoted(now.result) + ", expected " + quoted(expected->text)};
        }
        Seen stored = before;
        if (record) {
            stored.values = testing::recordValues(*record);
        }
        if (!now.sameSettingsAs(stored)) {
            return Failure{"Calculate stores its results and changes nothing else", "a state, selection or value"};
        }
        return std::nullopt;
    }

    // Enabled exactly once the step that unlocks the control has run.
    bool unlocked(const Driver& d, Control c) const {
        const calc::RecordSettings* r = d.record();
        switch (c) {
        case Control::Option1_0:
        case Control::Option1_1:
            return m_model != 0;
        case Control::Combo1:
        case Control::Label1_0:
            return m_mode >= 0;
        case Control::Combo2:
        case Control::Label1_1:
            return d.selectedIndex(Control::Combo1) >= 0;
        case Control::Combo3: // the quality handler has run, by a choice or run by another handler
        case Control::Label1_2:
            return r != nullptr ? r->QualityChosen : d.enabled(Control::Combo3);
        case Control::Combo4:
        case Control::Label1_3:
            return r != nullptr ? r->ResolutionChosen : d.enabled(Control::Combo4);
        case Control::Clear_BTN:
            return m_reportShown;
        case Control::Combo5:
        case Control::Label1_4:
        case Control::Combo6:
        case Control::Label1_5:
            return d.selectedIndex(Control::Combo4) >= 0;
        default: // Calculate, the model options, the frames and the result box, from the start
            return true;
        }
    }

    // The properties that hold after every action, checked in this order.
    std::optional<Failure> always(const Driver& d) {
        using Check = std::optional<Failure> (Checker::*)(const Driver&);
        for (const Check check :
             {&Checker::enabledStates, &Checker::shownRow, &Checker::checkMarks, &Checker::captions,
              &Checker::resolutionEntries, &Checker::recordFollowsChoices, &Checker::recordHoldsSelectedValues}) {
            if (std::optional<Failure> f = (this->*check)(d)) {
                return f;
            }
        }
        return std::nullopt;
    }

    std::optional<Failure> enabledStates(const Driver& d) {
        for (std::size_t i = 0; i < m_everEnabled.size(); ++i) {
            const auto c = static_cast<Control>(i);
            const bool on = d.enabled(c);
            if (m_everEnabled[i] && !on && c != Control::Clear_BTN) {
                return Failure{"an enabled control stays enabled", name(c) + " was disabled again"};
            }
            m_everEnabled[i] = m_everEnabled[i] || on;
            if (on != unlocked(d, c)) {
                return Failure{"a control is enabled exactly once its step is done",
                               name(c) + (on ? " is enabled" : " is disabled")};
            }
        }
        return std::nullopt;
    }

    std::optional<Failure> shownRow(const Driver& d) {
        const bool durationRow = m_mode != 1;
        for (int i = 0; i < kControlCount; ++i) {
            const auto c = static_cast<Control>(i);
            bool shown = true;
            if (c == Control::Label1_4 || c == Control::Combo5) {
                shown = durationRow;
            } else if (c == Control::Label1_5 || c == Control::Combo6) {
                shown = !durationRow;
            }
            if (d.visible(c) != shown) {
                return Failure{"the duration or disk size row follows the last mode", name(c) + " is wrongly shown"};
            }
        }
        return std::nullopt;
    }

    std::optional<Failure> checkMarks(const Driver& d) {
        const struct {
            Control option;
            bool shown;
        } options[] = {{Control::Option2_1, m_model == 1},
                       {Control::Option2_2, m_model == 2},
                       {Control::Option2_3, m_model == 3},
                       {Control::Option1_0, m_mode == 0},
                       {Control::Option1_1, m_mode == 1}};
        for (const auto& o : options) {
            const std::optional<bool> checked = d.checked(o.option);
            if (checked && *checked != o.shown) {
                return Failure{"the last model and mode chosen, and no other option, show the check mark",
                               name(o.option) + (*checked ? " is checked" : " is not checked")};
            }
        }
        return std::nullopt;
    }

    std::optional<Failure> captions(const Driver& d) {
        for (const auto& [control, item] : kCaptionedControls) {
            const std::string caption = d.caption(control);
            if (caption != lang::kLanguageTexts[static_cast<std::size_t>(m_language)][item]) {
                return Failure{"captions follow the language", name(control) + " reads " + quoted(caption)};
            }
        }
        return std::nullopt;
    }

    // The resolution entries of the current model and the chosen video system (NTSC while none is).
    const calc::ResolutionRow& resolutionRow(const Driver& d) const {
        const int system = std::max(d.selectedIndex(Control::Combo1), 0);
        return calc::resolutionRow(static_cast<std::int16_t>(m_model), static_cast<std::int16_t>(system));
    }

    std::optional<Failure> resolutionEntries(const Driver& d) {
        if (d.entryCount(Control::Combo3) != 3) {
            return Failure{"Combo3 has three entries", std::to_string(d.entryCount(Control::Combo3))};
        }
        const calc::ResolutionRow& row = resolutionRow(d);
        for (int e = 0; e < 3; ++e) {
            if (d.entryText(Control::Combo3, e) != row[static_cast<std::size_t>(e)].text) {
                return Failure{"Combo3 offers the entries of the current model and video system",
                               "entry " + std::to_string(e) + " reads " + quoted(d.entryText(Control::Combo3, e))};
            }
        }
        return std::nullopt;
    }

    std::optional<Failure> recordFollowsChoices(const Driver& d) {
        const calc::RecordSettings* r = d.record();
        if (r == nullptr) {
            return std::nullopt;
        }
        if (r->ModelIndex != m_model || r->ModelChosen != (m_model != 0) || r->LanguageIndex != m_language ||
            (m_mode >= 0 && r->CapacityMode != (m_mode == 0 ? calc::kTrue16 : calc::kFalse16))) {
            return Failure{"the record follows the last model, mode and language",
                           "ModelIndex " + std::to_string(r->ModelIndex) + ", CapacityMode " +
                               std::to_string(r->CapacityMode) + ", LanguageIndex " + std::to_string(r->LanguageIndex)};
        }
        return std::nullopt;
    }

    std::optional<Failure> recordHoldsSelectedValues(const Driver& d) {
        const calc::RecordSettings* r = d.record();
        if (r == nullptr) {
            return std::nullopt;
        }
        const int system = std::max(d.selectedIndex(Control::Combo1), 0);
        const calc::ResolutionRow& row = resolutionRow(d);
        for (std::size_t list = 0; list < kLists.size(); ++list) {
            const int e = d.selectedIndex(kLists[list]);
            const auto i = static_cast<std::size_t>(e);
            bool ok = e < 0;
            if (ok) {
                continue;
            }
            switch (list) {
            case 0:
                ok = r->VideoSystem == e && r->SystemChosen;
                break;
            case 1:
                ok = r->FieldSizeK == calc::kFieldSizeK[static_cast<std::size_t>(system)][i] && r->QualityChosen;
                break;
            case 2:
                ok = r->FieldRate == row[i].fieldRate && r->ImageRate == row[i].imageRate && r->ResolutionChosen;
                break;
            case 3:
                ok = r->SpeedFactor == calc::speedFactorOf(e) && r->SpeedChosen;
                break;
            case 4:
                ok = r->RecordHours == calc::kRecordHours[i].hours && r->DurationChosen;
                break;
            default:
                ok = r->HddSizeGB == calc::kHddSizes[i].gigabytes && r->HddChosen;
            }
            if (!ok) {
                return Failure{"the record holds the value of every selected entry",
                               name(kLists[list]) + "[" + std::to_string(e) + "]"};
            }
        }
        return std::nullopt;
    }

    std::array<bool, kControlCount> m_everEnabled{};
    int m_model = 0;    // 0 = no model clicked yet
    int m_mode = -1;    // -1 = no mode clicked yet
    int m_language = 0; // English at start
    bool m_reportShown = false;
};

// Runs actions from `next` until it gives none, checking after each one.
template <class Next>
SessionRun run(Driver& driver, Next next) {
    SessionRun out;
    driver.restart();
    Checker checker;
    out.failure = checker.start(driver);
    for (std::optional<Action> a = next(); a && !out.failure; a = next()) {
        if (isAvailable(driver, *a)) {
            out.applied.push_back(*a);
            out.failure = checker.step(driver, *a);
        }
    }
    out.reports = checker.reports;
    out.refusals = checker.refusals;
    return out;
}

std::optional<std::uint64_t> environmentNumber(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::strtoull(value, nullptr, 0);
}

} // namespace

std::string describe(const Action& a) {
    switch (a.kind) {
    case Kind::Model:
        return std::string("model ") + std::string(calc::kModelCaptions[static_cast<std::size_t>(a.index - 1)]);
    case Kind::Mode:
        return "mode Option1_" + std::to_string(a.index);
    case Kind::Choose:
        return "choose " + name(a.list) + "[" + std::to_string(a.index) + "]";
    case Kind::Calculate:
        return "Calculate";
    case Kind::Clear:
        return "Clear";
    case Kind::Language:
        return "Language " + std::string(lang::kLanguageNames[static_cast<std::size_t>(a.index)]);
    }
    return "?";
}

bool isAvailable(const Driver& d, const Action& a) {
    switch (a.kind) {
    case Kind::Mode:
        return d.enabled(a.index == 0 ? Control::Option1_0 : Control::Option1_1);
    case Kind::Choose:
        return d.enabled(a.list) && d.visible(a.list) && a.index >= 0 && a.index < d.entryCount(a.list);
    case Kind::Calculate:
        return d.enabled(Control::Count_BTN);
    case Kind::Clear:
        return d.enabled(Control::Clear_BTN);
    default:
        return true;
    }
}

SessionRun runGenerated(Driver& driver, std::uint64_t seed) {
    Rng rng(seed);
    int left = 5 + rng.below(76);
    return run(driver, [&]() -> std::optional<Action> {
        if (left-- <= 0) {
            return std::nullopt;
        }
        return randomAction(driver, rng);
    });
}

SessionRun replay(Driver& driver, const std::vector<Action>& actions) {
    std::size_t i = 0;
    return run(driver, [&]() { return i < actions.size() ? std::optional<Action>(actions[i++]) : std::nullopt; });
}

std::vector<Action> shrink(Driver& driver, std::vector<Action> failing, const std::string& property) {
    const auto stillFails = [&](const std::vector<Action>& candidate) -> std::optional<std::vector<Action>> {
        const SessionRun r = replay(driver, candidate);
        return r.failure && r.failure->property == property ? std::optional(r.applied) : std::nullopt;
    };
    const auto removeChunks = [&](std::vector<Action> actions) {
        for (std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1);; chunk /= 2) {
            for (std::size_t from = 0; from < actions.size();) {
                std::vector<Action> candidate = actions;
                const auto first = candidate.begin() + static_cast<std::ptrdiff_t>(from);
                candidate.erase(first, first + static_cast<std::ptrdiff_t>(std::min(chunk, actions.size() - from)));
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
    for (std::size_t i = 0; i + 1 < failing.size();) {
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
    std::string out = "seed " + std::to_string(seed) + " (rerun with KOLVEX_SESSION_SEED=" + std::to_string(seed) +
                      ")\nproperty: " + failure.property + "\ndetail: " + failure.detail + "\nshortened from " +
                      std::to_string(originalLength) + " to " + std::to_string(shortened.size()) + " actions:\n";
    for (std::size_t i = 0; i < shortened.size(); ++i) {
        out += "  " + std::to_string(i + 1) + ". " + describe(shortened[i]) + "\n";
    }
    return out;
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
    for (int i = 0; i < config.count && !summary.failure; ++i) {
        const std::uint64_t seed = config.firstSeed + static_cast<std::uint64_t>(i);
        const SessionRun r = runGenerated(driver, seed);
        ++summary.sessions;
        summary.actions += static_cast<int>(r.applied.size());
        summary.reports += r.reports;
        summary.refusals += r.refusals;
        if (r.failure) {
            summary.failure =
                SessionFailure{seed, *r.failure, r.applied.size(), shrink(driver, r.applied, r.failure->property)};
        }
    }
    return summary;
}

} // namespace ui::session
