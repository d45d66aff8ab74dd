#pragma once

#include <string_view>

namespace ui::qt {

// From before the application object exists until the window is shown, a fatal message of the
// toolkit means that no window can be opened: the program then prints one line of its own and
// ends with status 1 instead of the toolkit's abort. The toolkit's other messages, which name
// the window system and the display it tried, are printed as they come.
class WindowSystemGuard {
public:
    explicit WindowSystemGuard(std::string_view program);
    WindowSystemGuard(const WindowSystemGuard&) = delete;
    WindowSystemGuard& operator=(const WindowSystemGuard&) = delete;
    ~WindowSystemGuard();

    // The window is shown: fatal messages from here on are the toolkit's again.
    void windowShown();

private:
    bool m_watching = true;
};

} // namespace ui::qt
