#include "ui/win32/program.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return ui::win32::runProgram(showCommand);
}
