#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// True on a Linux desktop session without any display to open a window on and no window system
// named on the command line.
bool lacksDisplay(int argc, char* argv[]);

// The one line the program prints instead of starting when there is no display.
std::string noDisplayMessage(std::string_view program);

// Watches the toolkit opening the window system, from before the application object exists
// until opened() is called. A plugin the machine lacks gets the session's window systems as a
// fallback. When nothing can be used, the program prints its own one line and exits with status
// 1 instead of the toolkit's abort; the toolkit's messages of the attempt are then dropped, and
// otherwise passed on once the window system is open.
class WindowSystemGuard {
public:
    WindowSystemGuard(int argc, char* argv[], std::string_view program);
    WindowSystemGuard(const WindowSystemGuard&) = delete;
    WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
    ~WindowSystemGuard();

    void opened();

private:
    std::string m_platformArgument; // the -platform value with fallbacks, pointed to from argv
    bool m_watching = true;
};

} // namespace ui
