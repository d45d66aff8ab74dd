#pragma once

#include <string>
#include <string_view>

namespace ui {

class Form1;

// True on a Linux desktop session without any display to open a window on, where Qt would
// otherwise abort with a message about its platform plugin.
bool lacksDisplay();

// The one line the program prints instead of starting when there is no display.
std::string noDisplayMessage(std::string_view program);

// The start-up sequence after the window exists: the load step, then the window shown centred
// on its screen with the focus on Calculate. The program and the start-up probe share it.
void start(Form1& window);

} // namespace ui
