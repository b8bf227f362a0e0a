#include "accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

namespace kelvaro::win32 {

AccessibleNames::AccessibleNames()
{
    comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    result = CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void **>(&services));
    if (FAILED(result))
        services = nullptr;
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
    if (services != nullptr)
        result = services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_NAME, name.c_str());
}

void AccessibleNames::restore(HWND control)
{
    if (services != nullptr)
        result = services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          &PROPID_ACC_NAME, 1);
}

} // namespace kelvaro::win32
