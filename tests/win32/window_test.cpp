// The Win32 window at the screen density of the wine prefix it runs in: where it opens and how it
// follows a change of density, every report line on one line of the result box, a report in each
// language with the regional decimal separator, fonts that have a glyph for every text of the
// language table, and the names screen readers announce.
#include "lang/language_texts.h"
#include "tests/ui/widest_reports.h"
#include "tests/win32/message_box_closer.h"
#include "tests/win32/window_driver.h"
#include "ui/captioned_controls.h"
#include "ui/win32/text.h"
#include "ui/win32/window_font.h"
#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kolvex_test {
namespace {

using ui::Control;
namespace layout = ui::layout;

constexpr int kLanguages = static_cast<int>(lang::kLanguageCount);

using Choice = ui::testing::ReportChoice;
using ui::testing::reportOf;

// The combinations with the widest report lines in `font`.
std::map<int, Choice> widestChoices(HFONT font, int mode) {
    std::array<int, 128> widths{};
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    GetCharWidth32W(dc, 0, 127, widths.data());
    SelectObject(dc, old);
    DeleteDC(dc);
    ui::testing::Advances advance{};
    std::copy(widths.begin(), widths.end(), advance.begin());
    return ui::testing::widestChoices(mode, advance);
}

int dpiOf(HWND window) {
    return static_cast<int>(GetDpiForWindow(window));
}

TEST(Win32WindowTest, TheWidestReportOfEachLanguageShowsOneLineOfTheResultBoxPerLine) {
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    HWND text1 = form.control(Control::Text1);
    for (int mode = 0; mode < 2; ++mode) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(text1, WM_GETFONT, 0, 0));
        const std::map<int, Choice> choices = widestChoices(font, mode);
        ASSERT_EQ(choices.size(), mode == 0 ? 8U : 9U);
        for (const auto& [line, choice] : choices) {
            setUp(form, choice);
            for (std::int16_t language = 0; language < kLanguages; ++language) {
                chooseLanguage(form, language);
                click(form.control(Control::Count_BTN));
                const std::string shown = textOf(text1);
                SCOPED_TRACE("mode " + std::to_string(mode) + " language " + std::to_string(language) + " at " +
                             std::to_string(dpiOf(form.handle())) + " dpi, widest line " + std::to_string(line) +
                             ":\n" + shown);
                ASSERT_EQ(shown, reportOf(choice, language, regionalDecimalSeparator()));
                // Each report line starts a line of the box; after the last line end comes the
                // empty line the caret would go to.
                const std::wstring wide = ui::win32::widen(shown);
                const auto lines = static_cast<int>(SendMessageW(text1, EM_GETLINECOUNT, 0, 0));
                EXPECT_EQ(lines, (mode == 0 ? 8 : 9) + 1);
                std::size_t start = 0;
                for (int i = 0; i < lines && start < wide.size(); ++i) {
                    EXPECT_EQ(SendMessageW(text1, EM_LINEINDEX, static_cast<WPARAM>(i), 0), static_cast<LRESULT>(start))
                        << "line " << i << " wraps";
                    start = wide.find(L"\r\n", start) + 2;
                }
            }
        }
    }
}

// Reports in every language use the separator of the regional settings the test runs under,
// and the captions, the reports and the message are drawn in fonts that have a glyph of their
// own for every character: a box drawn for a missing one would pass every text comparison.
TEST(Win32WindowTest, EachLanguageReportsWithTheRegionalSeparatorInFontsThatHaveItsGlyphs) {
    if (const char* expected = std::getenv("KOLVEX_EXPECT_DECIMAL_POINT")) {
        ASSERT_EQ(regionalDecimalSeparator(), expected) << "the regional settings are not the ones this run is for";
    }
    const auto holds = [](HWND control) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        return ui::win32::holdsEveryGlyph(font, ui::win32::widen(textOf(control)));
    };
    for (std::int16_t language = 0; language < kLanguages; ++language) {
        SCOPED_TRACE(std::string(lang::kLanguageNames[static_cast<std::size_t>(language)]));
        OpenWindow fresh;
        const ui::win32::Form1& f = fresh.form;
        MessageBoxCloser messages(f);
        chooseLanguage(f, language);
        for (const auto& [control, item] : ui::kCaptionedControls) {
            EXPECT_TRUE(holds(f.control(control))) << textOf(f.control(control));
        }
        messages.whileOpen([&] { click(f.control(Control::Count_BTN)); });
        ASSERT_EQ(messages.seen().size(), 1U);
        EXPECT_EQ(messages.seen()[0].text,
                  lang::kLanguageTexts[static_cast<std::size_t>(language)][lang::MissingItemMessage]);
        // A capacity report, then a time report: between them every report label and unit.
        for (const Choice& c : {Choice{3, 0, 1, 1, 2, 2, 13}, Choice{1, 1, 1, 4, 2, 998, 8}}) {
            setUp(f, c);
            click(f.control(Control::Count_BTN));
            const std::string report = textOf(f.control(Control::Text1));
            EXPECT_EQ(report, reportOf(c, language, regionalDecimalSeparator()));
            EXPECT_NE(report.find(regionalDecimalSeparator()), std::string::npos);
            EXPECT_TRUE(holds(f.control(Control::Text1))) << report;
        }
    }
}

// Where the window opens and what it offers: one size, its client area as the layout gives it at
// the screen's density, centred on the work area and wholly on it, the focus on Calculate, every
// list entry of the layout (999 speeds); after a change of density it is laid out anew, every
// control's text drawn at the new density's size.
TEST(Win32WindowTest, OpensCentredAndFollowsAChangeOfDensity) {
    OpenWindow window;
    HWND form = window.form.handle();
    EXPECT_EQ(GetFocus(), window.form.control(Control::Count_BTN));
    const auto style = static_cast<DWORD>(GetWindowLongW(form, GWL_STYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              DWORD{WS_SYSMENU | WS_MINIMIZEBOX})
        << "one size: no maximise button, no sizing border";
    EXPECT_NE(GetClassLongPtrW(form, GCLP_HICON), 0U) << "no icon for the taskbar";
    EXPECT_NE(GetClassLongPtrW(form, GCLP_HICONSM), 0U) << "no icon for the title bar";
    for (const Control list : ui::kLists) {
        ASSERT_EQ(SendMessageW(window.form.control(list), CB_GETCOUNT, 0, 0),
                  static_cast<LRESULT>(layout::entryCount(list)));
        const int last = static_cast<int>(layout::entryCount(list)) - 1;
        EXPECT_EQ(entryOf(window.form, list, last), layout::entryText(list, static_cast<std::size_t>(last)));
    }
    const auto expectLaidOutAt = [&](int dpi) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        RECT client{};
        GetClientRect(form, &client);
        EXPECT_EQ(client.right, layout::toPixels(layout::kClientWidth, dpi));
        EXPECT_EQ(client.bottom, layout::toPixels(layout::kClientHeight, dpi));
        const layout::ControlLayout& text1 = layout::controlLayout(Control::Text1);
        RECT r{};
        GetWindowRect(window.form.control(Control::Text1), &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, layout::toPixels(text1.at.left, dpi));
        EXPECT_EQ(r.right - r.left, layout::toPixels(text1.at.width, dpi));
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &monitor);
        RECT outer{};
        GetWindowRect(form, &outer);
        RECT inside{};
        EXPECT_TRUE(IntersectRect(&inside, &outer, &monitor.rcWork) && EqualRect(&inside, &outer))
            << "the window is not wholly on the work area";
        for (const layout::ControlLayout& c : layout::kControls) {
            HWND control = window.form.control(c.id);
            const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
            LOGFONTW wanted{};
            EXPECT_EQ(GetObjectW(font, sizeof wanted, &wanted), static_cast<int>(sizeof wanted))
                << c.name << " has no font";
            HDC dc = GetDC(control);
            HGDIOBJ old = SelectObject(dc, font);
            std::array<wchar_t, LF_FACESIZE> face{};
            GetTextFaceW(dc, LF_FACESIZE, face.data());
            SelectObject(dc, old);
            ReleaseDC(control, dc);
            const bool caption = c.kind == layout::Kind::Label;
            const double points = caption ? layout::kCaptionFontPoints : layout::kWindowFontPoints;
            EXPECT_EQ(wanted.lfHeight, -std::lround(points * dpi / 72.0)) << c.name;
            if (!caption) {
                EXPECT_EQ(ui::win32::narrow(face.data()), layout::kWindowFontFamily) << c.name;
            }
        }
        return std::pair{outer, monitor.rcWork};
    };
    const auto [outer, area] = expectLaidOutAt(dpiOf(form));
    EXPECT_LE(std::abs((outer.left - area.left) - (area.right - outer.right)), 1);
    EXPECT_LE(std::abs((outer.top - area.top) - (area.bottom - outer.bottom)), 1);
    for (const int dpi : {144, 192, 96}) {
        RECT suggested = outer;
        SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        expectLaidOutAt(dpi);
    }
}

// Tab and Shift+Tab walk every usable control in the keyboard order of the layout and round
// again, as in any dialog; an option row is one stop.
TEST(Win32WindowTest, TabAndShiftTabWalkTheControlsInKeyboardOrder) {
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    setUp(form, Choice{1, 1, 1, 4, 2, 998, 8});
    click(form.control(Control::Count_BTN)); // Clear becomes usable
    std::vector<std::string_view> stops;
    // A stop is a control, or for an option its frame.
    const auto stop = [](Control c) {
        const layout::ControlLayout& info = layout::controlLayout(c);
        return controlName(info.kind == layout::Kind::OptionButton ? *info.container : c);
    };
    for (const Control c : layout::kFocusOrder) {
        HWND control = form.control(c);
        const std::string_view row = stop(c);
        if (IsWindowEnabled(control) && IsWindowVisible(control) && (stops.empty() || stops.back() != row)) {
            stops.push_back(row);
        }
    }
    const auto stopOf = [&](HWND focus) {
        for (const layout::ControlLayout& c : layout::kControls) {
            if (form.control(c.id) == focus) {
                return stop(c.id);
            }
        }
        return std::string_view("(none)");
    };
    for (const bool backwards : {false, true}) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = backwards ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(form.handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(form.control(Control::Count_BTN)), TRUE);
        for (std::size_t step = 1; step <= stops.size(); ++step) {
            MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
            IsDialogMessageW(form.handle(), &tab);
            const std::size_t expected = backwards ? stops.size() - step : step % stops.size();
            EXPECT_EQ(stopOf(GetFocus()), stops[expected]) << (backwards ? "Shift+Tab " : "Tab ") << step;
        }
    }
    BYTE none[256] = {};
    SetKeyboardState(none);
}

// A screen reader announces a list by the label just before it in the window's order, as the
// system's accessibility layer names a control without a caption of its own; the window also sets
// the names as annotations, which wine does not read back. The label must follow the language.
TEST(Win32WindowTest, EachListComesJustAfterItsRowCaptionForScreenReaders) {
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    for (const int language : {0, 1, 2}) {
        chooseLanguage(form, language);
        const auto& texts = lang::kLanguageTexts[static_cast<std::size_t>(language)];
        for (const auto& [control, item] : ui::kCaptionedControls) {
            if (const auto list = layout::listOfRowCaption(control)) {
                HWND before = GetWindow(form.control(*list), GW_HWNDPREV);
                EXPECT_EQ(before, form.control(control)) << textOf(before);
                EXPECT_EQ(textOf(before), texts[item]);
            }
        }
    }
}

} // namespace
} // namespace kolvex_test
