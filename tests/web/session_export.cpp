#include "lang/language_texts.h"
#include "tests/ui/fake_driver.h"
#include "tests/ui/session_model.h"
#include "ui/captioned_controls.h"
#include "ui/window_layout.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

// Writes the randomized sessions of the session model as JSON, for the browser tests to replay on
// the real page: each session's actions and, after each action, what a user of the window sees.
// The sessions run against the form behind the fake view, so the model has checked every state
// written here.
//
//   kolvex-session-export [count [first seed]] > sessions.json
namespace ui::session {
namespace {

std::string json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

std::string actionJson(const Action& a) {
    static constexpr std::string_view kKinds[] = {"model", "mode", "choose", "calculate", "clear", "language"};
    std::string out =
        "{\"kind\":" + json(kKinds[static_cast<std::size_t>(a.kind)]) + ",\"index\":" + std::to_string(a.index);
    if (a.kind == Kind::Choose) {
        out += ",\"list\":" + json(controlName(a.list));
    }
    return out + ",\"describe\":" + json(describe(a)) + "}";
}

// What a user sees: the enabled and shown controls, the captions, Combo3's entries, the
// selections, the result box and the messages so far.
std::string stateJson(const Driver& d) {
    std::string enabled, visible, captions, selected;
    for (int i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<Control>(i);
        const std::string name = json(controlName(c));
        enabled += (i ? "," : "") + name + ":" + (d.enabled(c) ? "true" : "false");
        visible += (i ? "," : "") + name + ":" + (d.visible(c) ? "true" : "false");
    }
    for (const auto& [control, item] : kCaptionedControls) {
        captions += (captions.empty() ? "" : ",") + json(controlName(control)) + ":" + json(d.caption(control));
    }
    for (const Control list : kLists) {
        selected +=
            (selected.empty() ? "" : ",") + json(controlName(list)) + ":" + std::to_string(d.selectedIndex(list));
    }
    std::string resolutions;
    for (int e = 0; e < d.entryCount(Control::Combo3); ++e) {
        resolutions += (e ? "," : "") + json(d.entryText(Control::Combo3, e));
    }
    std::string out = "{\"enabled\":{" + enabled + "},\"visible\":{" + visible + "},\"captions\":{" + captions +
                      "},\"selected\":{" + selected + "},\"Combo3\":[" + resolutions +
                      "],\"result\":" + json(d.resultText()) + ",\"messages\":" + std::to_string(d.messageCount());
    if (d.messageCount() > 0) {
        const Message m = d.lastMessage();
        out += ",\"lastMessage\":{\"title\":" + json(m.title) + ",\"text\":" + json(m.text) + "}";
    }
    return out + "}";
}

// The form behind the fake view, writing down each session as it goes. Like the page's select
// element, a list raises no event when the entry it shows is chosen again.
class RecordingDriver : public FakeDriver {
public:
    RecordingDriver()
        : FakeDriver([this](const Action& a) { return a.kind == Kind::Choose && selectedIndex(a.list) == a.index; }) {}

    std::string sessions() const { return m_sessions + (m_sessions.empty() ? "" : "]}"); }

    void restart() override {
        FakeDriver::restart();
        m_sessions +=
            std::string(m_sessions.empty() ? "" : "]},") + "\n{\"start\":" + stateJson(*this) + ",\"steps\":[";
        m_firstStep = true;
    }
    void apply(const Action& a) override {
        FakeDriver::apply(a);
        m_sessions += std::string(m_firstStep ? "" : ",") + "\n {\"action\":" + actionJson(a) +
                      ",\"state\":" + stateJson(*this) + "}";
        m_firstStep = false;
    }

private:
    std::string m_sessions;
    bool m_firstStep = true;
};

} // namespace
} // namespace ui::session

int main(int argc, char** argv) {
    using namespace ui;
    using namespace ui::session;
    const int count = argc > 1 ? std::atoi(argv[1]) : 30;
    const std::uint64_t firstSeed = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 20240611;

    RecordingDriver recorder;
    const RunSummary summary = runSessions(recorder, {firstSeed, count});
    if (summary.failure) {
        std::cerr << summary.failure->report();
        return 1;
    }
    // And the window's facts the browser tests check the page against.
    std::string rowCaptions, languages;
    for (const auto& [control, item] : kCaptionedControls) {
        if (const auto list = ui::layout::listOfRowCaption(control)) {
            rowCaptions +=
                (rowCaptions.empty() ? "" : ",") + json(controlName(control)) + ":" + json(controlName(*list));
        }
    }
    for (const std::string_view language : lang::kLanguageNames) {
        languages += (languages.empty() ? "" : ",") + json(language);
    }
    std::cout << "{\"firstSeed\":" << firstSeed << ",\"rowCaptions\":{" << rowCaptions << "},\"languages\":["
              << languages << "],\"sessions\":[" << recorder.sessions() << "]}\n";
    std::cerr << summary.sessions << " sessions, " << summary.actions << " actions, " << summary.reports << " reports, "
              << summary.refusals << " refused calculations\n";
    return 0;
}
