#include "ui/win32/window_font.h"

#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"
#include "ui/window_layout.h"

#include <algorithm>
#include <cmath>

namespace ui::win32 {
namespace {

// A device context to measure in, with `font` selected for its lifetime.
class Measuring {
public:
    explicit Measuring(HFONT font) : m_dc(CreateCompatibleDC(nullptr)), m_old(SelectObject(m_dc, font)) {}
    Measuring(const Measuring&) = delete;
    Measuring& operator=(const Measuring&) = delete;
    ~Measuring() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

int emHeight(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

std::wstring withoutLineEnds(std::wstring_view text) {
    std::wstring out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](wchar_t c) { return c != L'\r' && c != L'\n'; });
    return out;
}

int textWidth(HFONT font, std::wstring_view text) {
    const Measuring m(font);
    SIZE size{};
    GetTextExtentPoint32W(m.dc(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// GDI hands out a stand-in for a family it does not have; only the family itself counts.
bool isFamily(HFONT font, std::wstring_view family) {
    const Measuring m(font);
    wchar_t face[LF_FACESIZE] = {};
    const int length = GetTextFaceW(m.dc(), LF_FACESIZE, face);
    return length > 0 &&
           CompareStringOrdinal(face, -1, family.data(), static_cast<int>(family.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

bool loadWindowFont() {
    static const bool loaded = [] {
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(KOLVEX_WINDOW_FONT_RESOURCE), RT_RCDATA);
        HGLOBAL data = resource != nullptr ? LoadResource(module, resource) : nullptr;
        if (data == nullptr) {
            return false;
        }
        DWORD fonts = 0;
        return AddFontMemResourceEx(LockResource(data), SizeofResource(module, resource), nullptr, &fonts) != nullptr;
    }();
    return loaded;
}

bool holdsEveryGlyph(HFONT font, std::wstring_view text) {
    const std::wstring characters = withoutLineEnds(text);
    if (characters.empty()) {
        return true;
    }
    std::vector<WORD> glyphs(characters.size());
    const Measuring m(font);
    if (GetGlyphIndicesW(m.dc(), characters.data(), static_cast<int>(characters.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        return false;
    }
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

WindowFonts::~WindowFonts() {
    for (const Entry& e : m_fonts) {
        DeleteObject(e.handle);
    }
}

HFONT WindowFonts::font(std::wstring_view family, int height, int width) {
    for (const Entry& e : m_fonts) {
        if (e.family == family && e.height == height && e.width == width) {
            return e.handle;
        }
    }
    LOGFONTW wanted{};
    wanted.lfHeight = height;
    wanted.lfWidth = width;
    wanted.lfWeight = FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wanted.lfOutPrecision = OUT_TT_PRECIS;
    wanted.lfQuality = CLEARTYPE_QUALITY;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    HFONT handle = CreateFontIndirectW(&wanted);
    m_fonts.push_back({std::wstring(family), height, width, handle});
    return handle;
}

HFONT WindowFonts::firstHolding(std::span<const std::string_view> families, int height, std::wstring_view text) {
    for (const std::string_view family : families) {
        const std::wstring name = widen(family);
        HFONT candidate = font(name, height);
        if (isFamily(candidate, name) && holdsEveryGlyph(candidate, text)) {
            return candidate;
        }
    }
    return nullptr;
}

HFONT WindowFonts::windowFont(std::wstring_view text) {
    const int height = emHeight(layout::kWindowFontPoints, m_dpi);
    return fontFor(font(widen(layout::kWindowFontFamily), height), text);
}

HFONT WindowFonts::captionFont(std::wstring_view text, int roomPixels) {
    const int height = emHeight(layout::kCaptionFontPoints, m_dpi);
    HFONT plain = firstHolding(layout::kCaptionFontFamilies, height, text);
    if (plain == nullptr) {
        plain = fontFor(font(widen(layout::kCaptionFontFamilies[0]), height), text);
    }
    // A narrower cut of the same family, by its average character width.
    const Measuring m(plain);
    TEXTMETRICW metrics{};
    GetTextMetricsW(m.dc(), &metrics);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(m.dc(), LF_FACESIZE, face);
    const int own = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    const auto cutOf = [&](int width) { return width == own ? plain : font(face, height, width); };
    return cutOf(layout::captionCut(own, 1, [&](int width) {
        return layout::CaptionRoom{textWidth(cutOf(width), text), roomPixels};
    }));
}

HFONT WindowFonts::fontFor(HFONT base, std::wstring_view text) {
    if (holdsEveryGlyph(base, text)) {
        return base;
    }
    LOGFONTW wanted{};
    GetObjectW(base, sizeof wanted, &wanted);
    HFONT chinese = firstHolding(layout::kChineseFontFamilies, wanted.lfHeight, text);
    return chinese != nullptr ? chinese : base;
}

} // namespace ui::win32
