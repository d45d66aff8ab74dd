#include "ui/win32/command_line.h"

#include "ui/command_line.h"
#include "ui/win32/text.h"

#include <windows.h>

#include <shellapi.h>

namespace ui::win32 {
namespace {

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

std::vector<std::string> commandLineArguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 1; i < count; ++i) {
        out.push_back(narrow(words[i]));
    }
    LocalFree(words);
    return out;
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
    MessageBoxW(nullptr, wide.c_str(), widen(programName(kWindowsCommandLine, {})).c_str(),
                MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace ui::win32
