#include "cli/command_line.h"

#include "cli/list_option.h"
#include "kolvex/version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <vector>

namespace cli {
namespace {

constexpr std::string_view kProgram = "kolvex-calc";

void defineOptions(CLI::App& app, Query& query) {
    // Help and version as soon as they are read: the values are checked once the whole line is.
    app.set_help_flag();
    app.add_flag_callback(
           "-h,--help", [] { throw CLI::CallForHelp(); }, "Print this help message and exit")
        ->trigger_on_parse();
    addListOptions(app, query);
    app.add_flag("--crlf", query.crlf, "end lines with CR LF");
    app.set_version_flag("--version", std::string(kProgram) + " " + std::string(kolvex::kVersion))->trigger_on_parse();
    app.footer("Each list takes several values separated by commas, or all; every combination is worked out.\n"
               "Exit status: 0 done, 1 output not written, 2 bad option or value, 3 a text report or the only\n"
               "combination with nothing to report (an item not chosen).");
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
    Query query;
    defineOptions(app, query);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {std::nullopt, app.help(), false, kExitSuccess};
    } catch (const CLI::CallForVersion& version) {
        return {std::nullopt, std::string(version.what()) + "\n", false, kExitSuccess};
    } catch (const CLI::ParseError& error) {
        return failure(usageLine(app, error));
    }
    return {query, {}, false, kExitSuccess};
}

} // namespace cli
