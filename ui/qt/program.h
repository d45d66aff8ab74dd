#pragma once

#include <functional>

namespace ui::qt {

class Form1;

// The calculator program from its command line to the end of its event loop: --help and the
// like, the window system opened, the window started. Returns the exit status. `started` is
// called once the window is shown; the start-up probe measures the program through it.
int runProgram(int argc, char* argv[], const std::function<void(Form1&)>& started = {});

} // namespace ui::qt
