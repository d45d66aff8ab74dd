#include "ui/win32/program.h"

#include "ui/win32/command_line.h"
#include "ui/win32/form1.h"
#include "ui/win32/text.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace ui::win32 {
namespace {

std::vector<std::string> arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    for (int i = 1; i < count; ++i) {
        out.push_back(narrow(words[i]));
    }
    LocalFree(words);
    return out;
}

} // namespace

int runProgram(int showCommand) {
    const CommandLine commandLine = readCommandLine(arguments());
    if (commandLine.action != CommandLine::Action::OpenWindow) {
        tell(commandLine.text, commandLine.action == CommandLine::Action::UsageError);
        return commandLine.exitCode;
    }
    Form1 window;
    window.load();
    window.show(showCommand);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab, the arrow keys, Enter and Space as in any dialog.
        if (!IsDialogMessageW(window.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace ui::win32
