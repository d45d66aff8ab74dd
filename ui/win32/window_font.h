#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {

// Makes the window font that ships inside the executable usable by this process, without
// installing it; false when its resource is missing.
bool loadWindowFont();

// Whether `font` has a glyph of its own for every character of `text`; line ends do not count.
bool holdsEveryGlyph(HFONT font, std::wstring_view text);

// The fonts of the window at one screen density. Each text gets a font that has all of its
// characters: the window font, the first caption family that has them, or else a Chinese font,
// since no font is filled in from another here. Row captions too wide for their label are drawn
// in a narrower cut of their font. The fonts live as long as this object.
class WindowFonts {
public:
    explicit WindowFonts(int dpi) : m_dpi(dpi) {}
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;
    ~WindowFonts();

    HFONT windowFont(std::wstring_view text);
    HFONT captionFont(std::wstring_view text, int roomPixels);
    // A font of the same height as `font` that has every character of `text`: `font` itself when
    // it has them.
    HFONT fontFor(HFONT font, std::wstring_view text);

private:
    struct Entry {
        std::wstring family;
        int height; // pixels, negative: the em height, as LOGFONT takes it
        int width;  // 0 for the font's own width
        HFONT handle;
    };

    HFONT font(std::wstring_view family, int height, int width = 0);
    // The font of the first family that is installed and has every character; null when none.
    HFONT firstHolding(std::span<const std::string_view> families, int height, std::wstring_view text);

    int m_dpi;
    std::vector<Entry> m_fonts;
};

} // namespace ui::win32
