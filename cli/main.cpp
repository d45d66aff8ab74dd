#include "cli/command_line.h"
#include "cli/program.h"
#include "cli/regional_settings.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

int runCommandLine(int argc, char** argv) {
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(argc, argv);
    if (!parsed.query) {
        std::fputs(parsed.message.c_str(), parsed.toStandardError ? stderr : stdout);
        return parsed.exitStatus;
    }
    return cli::run(*parsed.query, stdout, stderr, cli::userDecimalSeparator());
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The program writes every newline itself, and a console shows the UTF-8 texts (Chinese) as
    // such while it runs; the console's code page is given back afterwards.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const UINT consolePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    const int status = runCommandLine(argc, argv);
    SetConsoleOutputCP(consolePage);
    return status;
#else
    return runCommandLine(argc, argv);
#endif
}
