#pragma once

#include <thread>

namespace ui {

// Fontconfig reads its configuration files and font caches (about 3 ms here) the first time
// the toolkit looks for a font: on the main thread, in the middle of building the window. This
// starts that reading on a thread of its own, so that it runs alongside the toolkit opening the
// display; wait() before the first font is asked for. Where the toolkit uses no fontconfig, it
// does nothing. Start it once the program itself has done changing the environment.
class FontConfigPreload {
public:
    FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;
    ~FontConfigPreload();

    void wait();

private:
    std::thread m_reader;
};

} // namespace ui
