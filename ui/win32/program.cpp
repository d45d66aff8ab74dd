#include "ui/win32/program.h"

#include "ui/command_line.h"
#include "ui/win32/command_line.h"
#include "ui/win32/form1.h"

#include <windows.h>

namespace ui::win32 {

int runProgram(int showCommand) {
    const ProgramStart start = readCommandLine(kWindowsCommandLine, {}, commandLineArguments());
    if (start.action != ProgramStart::Action::OpenWindow) {
        tell(start.text, start.action == ProgramStart::Action::UsageError);
        return start.exitCode;
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
