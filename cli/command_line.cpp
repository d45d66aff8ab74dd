#include "cli/command_line.h"

#include "cli/list_option.h"
#include "cli/usage_error.h"
#include "kolvex/version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <vector>

namespace cli {
namespace {

constexpr std::string_view kProgram = "kolvex-calc";

struct RawOptions {
    std::vector<std::string> models, systems, qualities, resolutions, speeds, durations, hdds, languages;
    std::string format;
    bool crlf = false;
};

CLI::Option* addListOption(CLI::App& app, const std::string& name, std::vector<std::string>& into,
                           const std::string& help) {
    return app.add_option(name, into, help)->delimiter(',')->type_name("LIST")->take_all();
}

void defineOptions(CLI::App& app, RawOptions& raw) {
    addListOption(app, "--model", raw.models, "4CH, 8CH or 16CH");
    addListOption(app, "--system", raw.systems, "NTSC or PAL");
    addListOption(app, "--quality", raw.qualities, "HYPER, SUPER, HIGH, MIDDLE or LOW");
    addListOption(app, "--resolution", raw.resolutions,
                  "an entry text of the model and system, such as 120IPS@720*240, or its position 1 to 3");
    addListOption(app, "--speed", raw.speeds, "1/1 to 1/999, or a range such as 1/1..1/30");
    CLI::Option* const duration = addListOption(app, "--duration", raw.durations,
                                                "capacity: the record duration, 1 Hour to 1 Month, such as \"1 Day\"");
    duration->excludes(addListOption(app, "--hdd", raw.hdds, "record time: the disk size, 80G to 750G"));
    addListOption(app, "--language", raw.languages, "the report's language: en, zh, de, fr or nl (default en)");
    app.add_option("--format", raw.format, "text, csv or json (default: text for one combination, else csv)")
        ->type_name("FORMAT");
    app.add_flag("--crlf", raw.crlf, "end lines with CR LF");
    app.set_version_flag("--version", std::string(kProgram) + " " + std::string(kolvex::kVersion));
    app.footer("Each list takes several values separated by commas, or all; every combination is worked out.\n"
               "Exit status: 0 done, 1 output not written, 2 bad option or value, 3 a text report or the only\n"
               "combination with nothing to report (an item not chosen).");
}

Query toQuery(const RawOptions& raw) {
    Query q;
    q.models = parseModels(raw.models);
    q.systems = parseSystems(raw.systems);
    q.qualities = parseQualities(raw.qualities);
    q.resolutions = parseResolutions(raw.resolutions);
    q.speeds = parseSpeeds(raw.speeds);
    if (!raw.durations.empty()) {
        q.mode = Mode::Capacity;
        q.periods = parseDurations(raw.durations);
    } else {
        q.periods = parseHddSizes(raw.hdds);
    }
    q.languages = parseLanguages(raw.languages);
    if (!raw.format.empty()) {
        q.format = parseFormat(raw.format);
    }
    q.crlf = raw.crlf;
    checkResolutionTexts(q);
    return q;
}

// The library's message on one line, and for an unknown argument the options there are.
std::string usageLine(const CLI::App& app, const CLI::ParseError& error) {
    std::string text = error.what();
    std::replace(text.begin(), text.end(), '\n', ' ');
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        text += "; accepted options:";
        for (const CLI::Option* option : app.get_options()) {
            text += " " + option->get_name();
        }
    }
    return text;
}

ParsedCommandLine failure(std::string line) {
    return {std::nullopt, std::string(kProgram) + ": " + line + "\n", true, kExitUsage};
}

} // namespace

ParsedCommandLine parseCommandLine(int argc, const char* const* argv) {
    CLI::App app("Works out the recording calculator's report, or a table of many settings, on the command line.",
                 std::string(kProgram));
    RawOptions raw;
    defineOptions(app, raw);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {std::nullopt, app.help(), false, kExitSuccess};
    } catch (const CLI::CallForVersion& version) {
        return {std::nullopt, std::string(version.what()) + "\n", false, kExitSuccess};
    } catch (const CLI::ParseError& error) {
        return failure(usageLine(app, error));
    }
    try {
        return {toQuery(raw), {}, false, kExitSuccess};
    } catch (const UsageError& error) {
        return failure(error.what());
    }
}

} // namespace cli
