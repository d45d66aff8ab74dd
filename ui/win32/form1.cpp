#include "ui/win32/form1.h"

#include "lang/language_texts.h"
#include "ui/win32/accessible_names.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/message_box.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/scaling.h"
#include "ui/win32/start.h"
#include "ui/win32/text.h"

#include <kolvex/version.h>

#include <commctrl.h>

#include <string>

namespace ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"KolvexForm1";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; // one size

using layout::ControlLayout;
using layout::Kind;

const ControlLayout& layoutAt(std::size_t index) {
    return layout::kControls[index];
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind windowKindOf(Kind kind) {
    switch (kind) {
    case Kind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case Kind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case Kind::DropDownList:
        return {WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL, 0};
    case Kind::Label:
        // Captions never wrap: a second line would be cut off.
        return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::CommandButton:
        return {L"BUTTON", BS_PUSHBUTTON, 0};
    case Kind::TextBox:
        // Takes typing, a note beside the report, Return a new line of it.
        return {WC_EDITW, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

HICON loadIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(KOLVEX_WINDOW_ICON_RESOURCE),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace

Form1::Form1(bool endsProgram) : m_endsProgram(endsProgram) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    loadWindowFont();
    createWindow();
    buildMenu();
    buildControls();
    fillLists();
    orderForKeyboard(m_controls);
    setResultName(initialResultBoxName());
    layOut(static_cast<int>(GetDpiForWindow(m_window)));
}

Form1::~Form1() {
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
    for (HICON icon : m_icons) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

void Form1::load() {
    m_form.onLoad();
}

void Form1::createWindow() {
    static const bool registered = [] {
        WNDCLASSEXW c{};
        c.cbSize = sizeof c;
        c.lpfnWndProc = &Form1::windowProc;
        // A dialog's own keyboard and focus handling, for a window of standard controls.
        c.cbWndExtra = DLGWINDOWEXTRA;
        c.hInstance = GetModuleHandleW(nullptr);
        c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
        c.lpszClassName = kClassName;
        c.hIcon = loadIcon(GetSystemMetrics(SM_CXICON));
        c.hIconSm = loadIcon(GetSystemMetrics(SM_CXSMICON));
        return RegisterClassExW(&c) != 0;
    }();
    (void)registered;
    const std::wstring title = widen(std::string(layout::kTitleBeforeVersion) + std::string(kolvex::kVersion));
    m_window =
        CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, title.c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

void Form1::buildMenu() {
    HMENU bar = CreateMenu();
    HMENU languages = CreatePopupMenu();
    for (std::size_t i = 0; i < lang::kLanguageNames.size(); ++i) {
        AppendMenuW(languages, MF_STRING, kFirstLanguageCommand + i, widen(lang::kLanguageNames[i]).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(languages), widen(layout::kLanguageMenuCaption).c_str());
    SetMenu(m_window, bar);
}

void Form1::buildControls() {
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const ControlLayout& info = layoutAt(i);
        const WindowKind kind = windowKindOf(info.kind);
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
        style |= info.visible ? WS_VISIBLE : 0;
        style |= info.enabled ? 0 : WS_DISABLED;
        style |= keyboardStyle(info.id);
        m_controls[i] =
            CreateWindowExW(kind.extendedStyle, kind.className, widen(info.caption).c_str(), style, 0, 0, 0, 0,
                            m_window, reinterpret_cast<HMENU>(kFirstControlId + i), GetModuleHandleW(nullptr), nullptr);
    }
    leaveEscapeToWindow(control(Control::Text1));
}

void Form1::fillLists() {
    for (const Control list : kLists) {
        HWND box = control(list);
        const std::size_t count = layout::entryCount(list);
        SendMessageW(box, CB_INITSTORAGE, count, count * 16);
        for (std::size_t entry = 0; entry < count; ++entry) {
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(layout::entryText(list, entry)).c_str()));
        }
        SendMessageW(box, CB_SETMINVISIBLE, layout::kVisibleEntries, 0);
    }
}

void Form1::layOut(int dpi) {
    m_dpi = dpi;
    // The old fonts stay until every control has let go of them.
    auto fonts = std::make_unique<WindowFonts>(dpi);
    std::swap(fonts, m_fonts);
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const RECT place = placeAt(layoutAt(i).id, dpi);
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        SetWindowPos(m_controls[i], nullptr, place.left, place.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        applyFont(i);
        if (layoutAt(i).kind == Kind::DropDownList) {
            sizeDropDownList(m_controls[i], width, height);
        }
    }
    for (std::size_t which = 0; which < m_icons.size(); ++which) {
        HICON icon = loadIcon(GetSystemMetricsForDpi(which == 0 ? SM_CXSMICON : SM_CXICON, static_cast<UINT>(dpi)));
        SendMessageW(m_window, WM_SETICON, which == 0 ? ICON_SMALL : ICON_BIG, reinterpret_cast<LPARAM>(icon));
        if (m_icons[which] != nullptr) {
            DestroyIcon(m_icons[which]);
        }
        m_icons[which] = icon;
    }
    fitClientArea(m_window, dpi);
    InvalidateRect(m_window, nullptr, TRUE);
}

void Form1::show(int showCommand) {
    keepOnWorkArea(m_window, true);
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SendMessageW(m_window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(layout::kStartFocus)), TRUE);
}

HWND Form1::control(Control c) const {
    return m_controls[static_cast<std::size_t>(c)];
}

void Form1::applyFont(std::size_t index) {
    HWND window = m_controls[index];
    const std::wstring text = windowText(window);
    HFONT font = layoutAt(index).kind == Kind::Label
                     ? m_fonts->captionFont(text, layout::toPixels(layoutAt(index).at.width, m_dpi))
                     : m_fonts->windowFont(text);
    if (reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

LRESULT CALLBACK Form1::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefDlgProcW(window, message, wParam, lParam);
    }
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
    }
    return result;
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case kChoiceDone:
        m_listChoices.choiceDone();
        return 0;
    case kListClosed:
        m_listChoices.listClosed(static_cast<Control>(wParam), control(static_cast<Control>(wParam)));
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // Closing asks nothing; Escape, which a dialog takes for closing, does nothing here.
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        for (HWND window : m_controls) {
            clearAccessibleName(window);
        }
        if (m_endsProgram) {
            PostQuitMessage(0);
        }
        break;
    default:
        break;
    }
    return DefDlgProcW(m_window, message, wParam, lParam);
}

void Form1::onCommand(int id, int code) {
    if (id >= kFirstLanguageCommand && id < kFirstLanguageCommand + static_cast<int>(lang::kLanguageCount)) {
        m_form.languageItemChosen(id - kFirstLanguageCommand);
        return;
    }
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(layout::kControls.size())) {
        return; // the dialog's own OK and Cancel of Enter and Escape
    }
    const ControlLayout& info = layoutAt(static_cast<std::size_t>(index));
    switch (info.kind) {
    case Kind::OptionButton:
        if (code == BN_CLICKED) {
            // A click reaches the handler even on the option that is already selected.
            m_form.optionClicked(info.id);
        }
        return;
    case Kind::CommandButton:
        if (code == BN_CLICKED) {
            m_form.buttonClicked(info.id);
        }
        return;
    case Kind::DropDownList:
        if (m_listChoices.isChoice(m_window, info.id, control(info.id), code)) {
            m_form.listChosen(info.id);
        }
        return;
    default:
        return;
    }
}

void Form1::onDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layOut(dpi);
    keepOnWorkArea(m_window, false);
}

void Form1::setControlEnabled(Control c, bool enabled) {
    if (!enabled) {
        moveFocusOffIf(m_window, control(c));
    }
    EnableWindow(control(c), enabled ? TRUE : FALSE);
}

void Form1::setControlVisible(Control c, bool visible) {
    if (!visible) {
        moveFocusOffIf(m_window, control(c));
    }
    ShowWindow(control(c), visible ? SW_SHOWNA : SW_HIDE);
}

void Form1::setCaption(Control c, std::string_view caption) {
    const std::wstring text = widen(caption);
    SetWindowTextW(control(c), text.c_str());
    applyFont(static_cast<std::size_t>(c));
    if (const auto list = layout::listOfRowCaption(c)) {
        setAccessibleName(control(*list), text);
    }
}

int Form1::selectedIndex(Control list) const {
    return static_cast<int>(SendMessageW(control(list), CB_GETCURSEL, 0, 0));
}

std::string Form1::selectedText(Control list) const {
    HWND box = control(list);
    const auto selected = static_cast<WPARAM>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (static_cast<LRESULT>(selected) == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXTLEN, selected, 0)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()))));
    return narrow(text);
}

void Form1::setEntryText(Control list, int entry, std::string_view text) {
    // A list has no call that rewrites an entry: it is taken out and put back at its place, and the
    // selection put back as it was. None of this reaches the window as a choice.
    HWND box = control(list);
    const LRESULT selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, CB_DELETESTRING, static_cast<WPARAM>(entry), 0);
    SendMessageW(box, CB_INSERTSTRING, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(widen(text).c_str()));
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void Form1::setResultText(std::string_view text) {
    SetWindowTextW(control(Control::Text1), widen(text).c_str());
    applyFont(static_cast<std::size_t>(Control::Text1));
}

void Form1::setResultName(std::string_view name) {
    if (HWND box = control(Control::Text1)) {
        name.empty() ? clearAccessibleName(box) : setAccessibleName(box, widen(name));
    }
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    showMessageBox(m_window, widen(title), widen(text), *m_fonts);
}

std::string Form1::decimalSeparator() const {
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return length > 1 ? narrow(std::wstring_view(separator, static_cast<std::size_t>(length - 1))) : ".";
}

} // namespace ui::win32
