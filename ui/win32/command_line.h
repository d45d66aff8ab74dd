#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> commandLineArguments();

// Shows a text where the user who started the program sees it: the standard output or error where
// they go to a file, a pipe or a console, else the console of the command prompt it was started
// from, else a message box, since a program started from Explorer has no console at all.
void tell(std::string_view text, bool isError);

} // namespace ui::win32
