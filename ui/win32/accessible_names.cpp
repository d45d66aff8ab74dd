#include "ui/win32/accessible_names.h"

#include <oleacc.h> // the service's and the property's ids come from the uuid library

#include <string>

namespace ui::win32 {
namespace {

// The annotation service of the thread that builds the window, kept for the window's life; null
// where the system has none.
IAccPropServices* services() {
    static IAccPropServices* const instance = [] {
        IAccPropServices* s = nullptr;
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                    reinterpret_cast<void**>(&s)))) {
            return static_cast<IAccPropServices*>(nullptr);
        }
        return s;
    }();
    return instance;
}

} // namespace

void setAccessibleName(HWND control, std::wstring_view name) {
    if (IAccPropServices* s = services()) {
        const std::wstring text(name);
        s->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, text.c_str());
    }
}

void clearAccessibleName(HWND control) {
    if (IAccPropServices* s = services()) {
        MSAAPROPID name = PROPID_ACC_NAME;
        s->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    }
}

} // namespace ui::win32
