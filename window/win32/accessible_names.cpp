#include "accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

namespace kelvaro::win32 {

// COM starts with the first name given, not with the window: a fresh exercise has none to give.
bool AccessibleNames::start()
{
    if (!started) {
        started = true;
        comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        result = CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IAccPropServices, reinterpret_cast<void **>(&services));
        if (FAILED(result))
            services = nullptr;
    }
    return services != nullptr;
}

AccessibleNames::~AccessibleNames()
{
    if (services != nullptr)
        services->Release();
    if (comStarted)
        CoUninitialize();
}

void AccessibleNames::name(HWND control, const std::wstring &name)
{
    if (start())
        result = services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_NAME, name.c_str());
}

void AccessibleNames::restore(HWND control)
{
    if (start())
        result = services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          &PROPID_ACC_NAME, 1);
}

} // namespace kelvaro::win32
