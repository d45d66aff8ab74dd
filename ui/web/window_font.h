#pragma once

#include <cstdint>
#include <span>

namespace ui::web {

// The window's font as the page loads it: the bundled Roboto Condensed cut down at build time to
// the Latin letters, digits and punctuation the window shows, hinted by ttfautohint, as WOFF2.
std::span<const std::uint8_t> windowFontData();

} // namespace ui::web
