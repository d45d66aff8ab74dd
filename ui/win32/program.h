#pragma once

namespace ui::win32 {

// The calculator program from its command line to the end of its message loop: --help and the
// like, or the window opened with the dialog keyboard. Returns the exit status.
int runProgram(int showCommand);

} // namespace ui::win32
