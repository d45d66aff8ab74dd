#include "ui/win32/command_line.h"

#include "ui/win32/text.h"

#include <kolvex/version.h>

#include <windows.h>

namespace ui::win32 {
namespace {

constexpr std::string_view kProgramName = "kolvex-calculator";
constexpr std::size_t kLongestQuoted = 60;

constexpr std::string_view kHelp =
    "Usage: kolvex-calculator [options]\n"
    "Kolvex DVR Record time calculator: how much hard disk a recording takes, or how long a hard disk\n"
    "lasts. Opens its window; it reads no files.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "\n"
    "kolvex-calc.exe, beside it, works out the same reports on the command line.\n";

std::string usageError(const std::string& what) {
    return std::string(kProgramName) + ": " + what + "; see '" + std::string(kProgramName) + " --help'\n";
}

std::string quotable(std::string_view argument) {
    return argument.size() <= kLongestQuoted ? std::string(argument)
                                             : std::string(argument.substr(0, kLongestQuoted)) + "...";
}

// With Windows line ends, as a console and Notepad both show them.
std::wstring forWindows(std::string_view text) {
    std::wstring out;
    for (const wchar_t c : widen(text)) {
        if (c == L'\n') {
            out += L'\r';
        }
        out += c;
    }
    return out;
}

bool writeTo(HANDLE handle, const std::wstring& text) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    }
    const std::string bytes = narrow(text);
    return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0;
}

} // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help" || argument == "/?") {
            return {CommandLine::Action::Print, std::string(kHelp), 0};
        }
        if (argument == "-v" || argument == "--version") {
            return {CommandLine::Action::Print, std::string(kProgramName) + " " + std::string(kolvex::kVersion) + "\n",
                    0};
        }
    }
    if (!arguments.empty()) {
        const std::string& first = arguments.front();
        const bool option = first.starts_with('-');
        return {CommandLine::Action::UsageError,
                usageError((option ? "unknown option '" : "unexpected argument '") + quotable(first) + "'"), 2};
    }
    return {};
}

void tell(std::string_view text, bool isError) {
    const std::wstring wide = forWindows(text);
    if (writeTo(GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), wide)) {
        return;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        // The prompt is already back when a GUI program writes; the text starts on a line of its own.
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        const bool written = writeTo(console, L"\r\n" + wide);
        if (console != INVALID_HANDLE_VALUE) {
            CloseHandle(console);
        }
        FreeConsole();
        if (written) {
            return;
        }
    }
    MessageBoxW(nullptr, wide.c_str(), widen(kProgramName).c_str(),
                MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace ui::win32
