// The Win32 window worked with key and mouse messages, handled by the program's own loop as a
// user's keys and clicks are: typing into the result box, every way in and out of a list, where
// the focus goes when its control is disabled or hidden, and a message box nobody expects.
#include "tests/ui/record_values.h"
#include "tests/ui/widest_reports.h"
#include "tests/win32/window_driver.h"
#include "ui/window_layout.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace kolvex_test {
namespace {

using ui::Control;
using ui::testing::ReportChoice;
using ui::testing::reportOf;
namespace layout = ui::layout;

int selected(const ui::win32::Form1& form, Control list) {
    return static_cast<int>(SendMessageW(form.control(list), CB_GETCURSEL, 0, 0));
}

bool enabled(const ui::win32::Form1& form, Control c) {
    return IsWindowEnabled(form.control(c)) != FALSE;
}

// The entries the lists show now, as a combination of the model and mode clicked.
ReportChoice shownChoice(const ui::win32::Form1& form, std::int16_t model, int mode) {
    return {model,
            mode,
            selected(form, Control::Combo1),
            selected(form, Control::Combo2),
            selected(form, Control::Combo3),
            selected(form, Control::Combo4),
            selected(form, mode == 0 ? Control::Combo5 : Control::Combo6)};
}

// The open list is entered and left with keys to the control that has the focus, as the system
// sends them; a list is opened with a click on it.
void openByClick(const ui::win32::Form1& form, Control list) {
    clickAt(form, form.control(list));
    ASSERT_NE(openListOf(form.control(list)), nullptr) << "a click does not open " << ui::controlName(list);
    ASSERT_EQ(GetFocus(), form.control(list));
}

TEST(Win32InputTest, TheResultBoxTakesTypingUntilCalculateOrClearReplacesIt) {
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    HWND text1 = form.control(Control::Text1);
    const ReportChoice c{1, 0, 1, 2, 0, 9, 4};
    setUp(form, c);
    click(form.control(Control::Count_BTN));
    const std::string report = reportOf(c, 0, regionalDecimalSeparator());
    ASSERT_EQ(textOf(text1), report);
    const auto record = ui::testing::recordValues(form.form().settings());

    // A click below the report puts the caret on the empty line after it.
    RECT box{};
    GetClientRect(text1, &box);
    clickAt(form, text1, POINT{4, box.bottom - 4});
    ASSERT_EQ(GetFocus(), text1);
    for (const UINT key : std::vector<UINT>{'N', 'O', 'T', 'E', VK_RETURN, 'X'}) {
        press(form, key);
    }
    press(form, VK_ESCAPE);
    ASSERT_TRUE(IsWindow(form.handle())) << "Escape in the result box closed the window";
    EXPECT_EQ(textOf(text1), report + "note\r\nx");
    EXPECT_EQ(ui::testing::recordValues(form.form().settings()), record) << "typing reached a handler";
    EXPECT_TRUE(enabled(form, Control::Clear_BTN));

    // It looks like any text box that takes typing: white, with its vertical scroll bar.
    const auto style = static_cast<DWORD>(GetWindowLongW(text1, GWL_STYLE));
    EXPECT_EQ(style & (WS_VSCROLL | WS_HSCROLL | ES_READONLY), DWORD{WS_VSCROLL});
    RedrawWindow(text1, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = GetDC(text1);
    const COLORREF blank = GetPixel(dc, box.right - 3, box.bottom - 3);
    ReleaseDC(text1, dc);
    EXPECT_EQ(blank, GetSysColor(COLOR_WINDOW));

    click(form.control(Control::Count_BTN));
    EXPECT_EQ(textOf(text1), report);
    clickAt(form, text1, POINT{4, box.bottom - 4});
    press(form, 'X');
    click(form.control(Control::Clear_BTN));
    EXPECT_EQ(textOf(text1), "");
}

// Every way of taking an entry runs the list's handler once, the same entry again included, and
// leaving an open list without a choice runs none and shows what it showed before. Counted on the
// video system list: its first run enables the quality list, a later one runs the quality handler,
// which enables the resolution list.
TEST(Win32InputTest, EachWayOfChoosingRunsTheHandlerOnceAndLeavingAnOpenListRunsNone) {
    using Steps = std::function<void(const ui::win32::Form1&, Control)>;
    const auto keys = [](std::vector<UINT> pressed) {
        return [pressed](const ui::win32::Form1& form, Control) {
            for (const UINT key : pressed) {
                press(form, key);
            }
        };
    };
    const auto opened = [](Steps then) {
        return [then](const ui::win32::Form1& form, Control list) {
            openByClick(form, list);
            then(form, list);
        };
    };
    const auto clickEntry = [](int entry) {
        return [entry](const ui::win32::Form1& form, Control list) {
            HWND open = openListOf(form.control(list));
            RECT item{};
            SendMessageW(open, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&item));
            clickAt(form, open, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        };
    };
    const auto wheel = [](const ui::win32::Form1& form, Control list) {
        SendMessageW(form.control(list), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
        pumpAsProgram(form);
    };
    const auto focused = [](const ui::win32::Form1& form, Control list) {
        SendMessageW(form.handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(form.control(list)), TRUE);
    };
    const struct {
        const char* name;
        Steps before; // from a list that has no entry chosen yet
        Steps steps;
        int shown;
        int runs;
    } cases[] = {
        {"a click on an entry of the open list", focused, opened(clickEntry(1)), 1, 1},
        {"Down and Return on the open list", focused, opened(keys({VK_DOWN, VK_DOWN, VK_RETURN})), 1, 1},
        {"Down on the closed list", focused, keys({VK_DOWN}), 0, 1},
        {"the wheel on the closed list", focused, wheel, 0, 1},
        {"the same entry again from the open list", keys({VK_DOWN}), opened(keys({VK_RETURN})), 0, 2},
        {"Down and Escape on the open list", focused, opened(keys({VK_DOWN, VK_ESCAPE})), -1, 0},
        {"Down and Escape after a choice", keys({VK_DOWN}), opened(keys({VK_DOWN, VK_ESCAPE})), 0, 1},
        {"Down, then Tab away from the open list", keys({VK_DOWN}), opened(keys({VK_DOWN, VK_TAB})), 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWindow window;
        const ui::win32::Form1& form = window.form;
        click(form.control(Control::Option2_1));
        click(form.control(Control::Option1_0));
        focused(form, Control::Combo1);
        c.before(form, Control::Combo1);
        c.steps(form, Control::Combo1);
        EXPECT_EQ(openListOf(form.control(Control::Combo1)), nullptr) << "the list is still open";
        EXPECT_EQ(selected(form, Control::Combo1), c.shown);
        const int runs = !enabled(form, Control::Combo2) ? 0 : !enabled(form, Control::Combo3) ? 1 : 2;
        EXPECT_EQ(runs, c.runs);
        if (c.shown >= 0) {
            EXPECT_EQ(form.form().settings().VideoSystem, c.shown) << "the record holds another entry";
        }
    }
}

// Open a list, move in it with the arrow keys and leave it with Escape: the list shows the entry
// it showed before, and Calculate reports the entries shown, whatever the list did with the keys.
TEST(Win32InputTest, AfterEscapeFromAnOpenListTheReportIsThatOfTheEntriesShown) {
    const struct {
        Control list;
        std::vector<UINT> keys;
    } cases[] = {
        {Control::Combo4, {VK_DOWN}},
        {Control::Combo2, {VK_DOWN, VK_DOWN}},
        {Control::Combo5, {VK_UP}},
    };
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(ui::controlName(c.list)));
        setUp(form, ReportChoice{1, 0, 1, 2, 0, 9, 4}); // 4CH, PAL, HIGH, the first resolution, 1/10, 1 Day
        const int before = selected(form, c.list);
        openByClick(form, c.list);
        for (const UINT key : c.keys) {
            press(form, key);
        }
        press(form, VK_ESCAPE);
        ASSERT_EQ(openListOf(form.control(c.list)), nullptr) << "Escape left the list open";
        EXPECT_EQ(selected(form, c.list), before) << "Escape took another entry";
        const ReportChoice shown = shownChoice(form, 1, 0);
        click(form.control(Control::Count_BTN));
        EXPECT_EQ(textOf(form.control(Control::Text1)), reportOf(shown, 0, regionalDecimalSeparator()));
    }
}

// The control with the focus is disabled or hidden by a handler: the focus goes on as Tab would,
// to the next control in keyboard order a user can reach.
TEST(Win32InputTest, TheFocusGoesOnAsTabWouldWhenItsControlIsDisabledOrHidden) {
    // A stop is a control, or for an option its frame.
    const auto stop = [](Control c) {
        const layout::ControlLayout& info = layout::controlLayout(c);
        return controlName(info.kind == layout::Kind::OptionButton ? *info.container : c);
    };
    const auto nextStop = [&](const ui::win32::Form1& form, Control from) {
        const auto at = std::find(layout::kFocusOrder.begin(), layout::kFocusOrder.end(), from);
        const auto n = static_cast<std::ptrdiff_t>(layout::kFocusOrder.size());
        for (std::ptrdiff_t step = 1; step < n; ++step) {
            const Control next =
                layout::kFocusOrder[static_cast<std::size_t>((at - layout::kFocusOrder.begin() + step) % n)];
            HWND control = form.control(next);
            if (IsWindowEnabled(control) && IsWindowVisible(control)) {
                return stop(next);
            }
        }
        return std::string_view("(none)");
    };
    const auto stopOf = [&](const ui::win32::Form1& form, HWND focus) {
        for (const layout::ControlLayout& c : layout::kControls) {
            if (form.control(c.id) == focus) {
                return stop(c.id);
            }
        }
        return std::string_view("(none)");
    };
    // A click on an option takes the focus first; its notification alone leaves the focus on the
    // list until the mode handler hides it.
    const auto modeChosen = [](Control option) {
        return [option](const ui::win32::Form1& form) {
            HWND button = form.control(option);
            SendMessageW(form.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            pumpAsProgram(form);
        };
    };
    const struct {
        const char* name;
        int mode;
        Control focus;
        std::function<void(const ui::win32::Form1&)> action;
    } cases[] = {
        {"Clear pressed with Space", 0, Control::Clear_BTN, [](const auto& form) { press(form, VK_SPACE); }},
        {"Clear pressed with Return", 1, Control::Clear_BTN, [](const auto& form) { press(form, VK_RETURN); }},
        {"the duration list hidden by the time mode", 0, Control::Combo5, modeChosen(Control::Option1_1)},
        {"the disk size list hidden by the capacity mode", 1, Control::Combo6, modeChosen(Control::Option1_0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenWindow window;
        const ui::win32::Form1& form = window.form;
        setUp(form, ReportChoice{1, c.mode, 1, 2, 0, 9, 4});
        click(form.control(Control::Count_BTN));
        HWND focus = form.control(c.focus);
        SendMessageW(form.handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
        ASSERT_EQ(GetFocus(), focus);
        c.action(form);
        ASSERT_FALSE(IsWindowEnabled(focus) && IsWindowVisible(focus)) << "the control can still take the focus";
        EXPECT_EQ(stopOf(form, GetFocus()), nextStop(form, c.focus));
    }
}

// A message box the test does not wait for fails the step that opened it and is closed, so the
// test ends at once instead of at the time limit of the run.
TEST(Win32InputTest, AnUnexpectedMessageBoxFailsTheStepThatOpenedItAndIsClosed) {
    OpenWindow window;
    const ui::win32::Form1& form = window.form;
    EXPECT_NONFATAL_FAILURE(click(form.control(Control::Count_BTN)), "the click on \"Calculate\"");
    EXPECT_TRUE(IsWindowEnabled(form.handle())) << "the message box is still open";
    EXPECT_EQ(textOf(form.control(Control::Text1)), "");
}

} // namespace
} // namespace kolvex_test
