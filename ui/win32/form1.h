#pragma once

#include "ui/form.h"
#include "ui/view.h"
#include "ui/win32/drop_down_list.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/window_font.h"
#include "ui/window_layout.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>

namespace ui::win32 {

// The calculator's one window as plain Win32 controls: every control of the layout at its place,
// bound so that each user event reaches exactly one handler of the form. It keeps no state of its
// own; the form owns it all and tells the window what to change through the View calls.
//
// Every control is a child of the window itself, at its container's place plus its own, so that
// the dialog keyboard (Tab, Shift+Tab, arrow keys within an option row) walks them all. A
// control's id is 100 plus its ui::Control, its place in the layout table; Language(i) is command 200 + i.
class Form1 final : public View {
public:
    static constexpr int kFirstControlId = 100;
    static constexpr int kFirstLanguageCommand = 200;

    // Created hidden, laid out for the screen density of the monitor it opens on. A window that
    // ends the program posts the end of the message loop when it is closed.
    explicit Form1(bool endsProgram = true);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    // The load step: runs once, after the controls exist and before the window is first shown.
    void load();
    // Shown centred on the work area of its monitor and wholly on it, the focus on the start focus
    // control of the layout.
    void show(int showCommand = SW_SHOWNORMAL);

    HWND handle() const { return m_window; }
    HWND control(Control c) const;
    const Form& form() const { return m_form; }

    void setControlEnabled(Control c, bool enabled) override;
    void setControlVisible(Control c, bool visible) override;
    void setCaption(Control c, std::string_view caption) override;
    int selectedIndex(Control list) const override;
    std::string selectedText(Control list) const override;
    void setEntryText(Control list, int entry, std::string_view text) override;
    void setResultText(std::string_view text) override;
    void setResultName(std::string_view name) override;
    void showMessage(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() const override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The steps that build the window, in the order the constructor runs them.
    void createWindow();
    void buildMenu();
    void buildControls();
    void fillLists();
    void layOut(int dpi); // places, sizes and fonts of everything at `dpi`, the client area last

    void onCommand(int id, int code);
    void onDpiChanged(int dpi, const RECT& suggested);

    void applyFont(std::size_t index);

    bool m_endsProgram;
    HWND m_window = nullptr;
    ControlWindows m_controls{};
    int m_dpi = layout::kDesignDpi;
    std::unique_ptr<WindowFonts> m_fonts;
    std::array<HICON, 2> m_icons{}; // the title bar's and the task switcher's, at the window's density
    ListChoices m_listChoices;
    Form m_form{*this};
};

} // namespace ui::win32
