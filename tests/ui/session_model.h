#pragma once

#include "calc/record_settings.h"
#include "ui/view.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Randomized user sessions against any window a Driver can work: the actions a user has, which of
// them the window offers at a moment, the properties that hold after each one, and the shrinking
// of a failing session. Nothing here knows the toolkit, so the same sessions can drive the form
// behind a fake view or the real window.
namespace ui::session {

enum class Kind : std::uint8_t { Model, Mode, Choose, Calculate, Clear, Language };

// `index` is the Option2 element (1..3), the Option1 element (0, 1), the entry chosen in `list`,
// or the Language item (0..4).
struct Action {
    Kind kind = Kind::Calculate;
    int index = 0;
    Control list = Control::Combo1;
};

// "model 16CH", "mode Option1_1", "choose Combo3[1]", "Calculate", "Clear", "Language German".
std::string describe(const Action& action);

// The option a user clicks for a model (1 to 3) or mode (0, 1) action, none for any other index.
// Written out here rather than read from the window's description, so that an option bound there
// to the wrong element is clicked as a user would and caught.
constexpr std::optional<Control> optionOf(Kind kind, int index) {
    constexpr std::array kModels = {Control::Option2_1, Control::Option2_2, Control::Option2_3};
    constexpr std::array kModes = {Control::Option1_0, Control::Option1_1};
    if (kind == Kind::Model && index >= 1 && index <= static_cast<int>(kModels.size())) {
        return kModels[static_cast<std::size_t>(index - 1)];
    }
    if (kind == Kind::Mode && index >= 0 && index < static_cast<int>(kModes.size())) {
        return kModes[static_cast<std::size_t>(index)];
    }
    return std::nullopt;
}

struct Message {
    std::string title;
    std::string text;
};

// A window under test, as a user meets it.
class Driver {
public:
    virtual ~Driver() = default;

    virtual void restart() = 0;                   // a freshly opened window, its load step run
    virtual void apply(const Action& action) = 0; // only called for actions the window offers
    virtual bool enabled(Control c) const = 0;
    virtual bool visible(Control c) const = 0;
    virtual std::string caption(Control c) const = 0;
    virtual int entryCount(Control list) const = 0;
    virtual std::string entryText(Control list, int entry) const = 0;
    virtual int selectedIndex(Control list) const = 0; // -1 when none
    virtual std::string resultText() const = 0;        // as the form handed it over, CRLF lines included
    virtual std::size_t messageCount() const = 0;      // message boxes shown so far
    virtual Message lastMessage() const = 0;
    virtual std::string decimalSeparator() const = 0;
    // The window's settings record, or null when out of reach; the checks that need it are skipped.
    virtual const calc::RecordSettings* record() const = 0;
    // Whether an option button (Option2_1, Option1_0) shows its check mark, or nothing when the
    // driver cannot tell; the check is then skipped.
    virtual std::optional<bool> checked(Control /*option*/) const { return std::nullopt; }
};

// Options and lists while enabled (lists also visible), Clear while enabled; the rest always.
bool isAvailable(const Driver& driver, const Action& action);

struct Failure {
    std::string property;
    std::string detail;
};

struct SessionRun {
    std::vector<Action> applied; // the actions carried out, up to and including a failing one
    std::optional<Failure> failure;
    int reports = 0;  // successful calculations
    int refusals = 0; // calculations that showed the message
};

// 5 to 80 actions drawn from the seed among those offered at each moment, checked after each one.
SessionRun runGenerated(Driver& driver, std::uint64_t seed);
// The given actions in order, passing over those the window does not offer at that point.
SessionRun replay(Driver& driver, const std::vector<Action>& actions);
// Removes actions (halving chunks, then single ones after swapping neighbours) while the same
// property still fails.
std::vector<Action> shrink(Driver& driver, std::vector<Action> failing, const std::string& property);

struct SessionFailure {
    std::uint64_t seed = 0;
    Failure failure;
    std::size_t originalLength = 0;
    std::vector<Action> shortened;
    std::string report() const; // seed, property and the shortened actions, one a line
};

struct RunConfig {
    std::uint64_t firstSeed = 0;
    int count = 0;
};

// KOLVEX_SESSION_SEED runs that one seed; KOLVEX_SESSION_COUNT sets how many seeds run.
RunConfig configFromEnvironment(int defaultCount);

struct RunSummary {
    int sessions = 0;
    int actions = 0;
    int reports = 0;
    int refusals = 0;
    std::optional<SessionFailure> failure; // the first failing session, shortened
};

RunSummary runSessions(Driver& driver, const RunConfig& config);

} // namespace ui::session
