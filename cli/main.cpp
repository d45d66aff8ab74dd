#include "cli/command_line.h"
#include "cli/program.h"
#include "cli/regional_settings.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The program writes every newline itself; the console shows the UTF-8 texts (Chinese) as such.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(argc, argv);
    if (!parsed.query) {
        std::fputs(parsed.message.c_str(), parsed.toStandardError ? stderr : stdout);
        return parsed.exitStatus;
    }
    return cli::run(*parsed.query, stdout, stderr, cli::userDecimalSeparator());
}
