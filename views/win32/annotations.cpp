#include "annotations.h"

#include "system_function.h"

#include <initguid.h>
#include <oleacc.h>

#include <array>

namespace kelvaro::win32 {

namespace {

// UI Automation's LiveSetting property, which IAccPropServices sets like any other (Windows 8+).
constexpr GUID liveSettingProperty {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG politeLiveSetting = 1;

// COM comes from ole32.dll, loaded with the first annotation: a program that imports it pays for
// its loading at every start.
template<typename Function> Function *ole32(const char *name)
{
    return systemFunction<Function *>(L"ole32.dll", name);
}

IAccPropServices *forcedServices = nullptr;

} // namespace

void Annotations::forceServices(IAccPropServices *services)
{
    forcedServices = services;
}

bool Annotations::start()
{
    if (started)
        return services != nullptr;
    started = true;
    if (forcedServices != nullptr) {
        services = forcedServices;
        services->AddRef();
        return true;
    }
    auto *initialize = ole32<decltype(CoInitializeEx)>("CoInitializeEx");
    auto *create = ole32<decltype(CoCreateInstance)>("CoCreateInstance");
    if (initialize == nullptr || create == nullptr)
        return false;
    comStarted = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      reinterpret_cast<void **>(&services))))
        services = nullptr;
    return services != nullptr;
}

Annotations::~Annotations()
{
    if (services != nullptr)
        services->Release();
    if (comStarted)
        ole32<decltype(CoUninitialize)>("CoUninitialize")();
}

void Annotations::setText(HWND control, const GUID &property, const std::wstring &text)
{
    if (start())
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                 text.c_str());
}

void Annotations::name(HWND control, const std::wstring &name)
{
    setText(control, PROPID_ACC_NAME, name);
}

void Annotations::describe(HWND control, const std::wstring &description)
{
    setText(control, PROPID_ACC_DESCRIPTION, description);
}

void Annotations::makePoliteLiveRegion(HWND control)
{
    if (!start())
        return;
    VARIANT polite {};
    polite.vt = VT_I4;
    polite.lVal = politeLiveSetting;
    services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                          liveSettingProperty, polite);
}

void Annotations::clear(HWND control)
{
    static const std::array<MSAAPROPID, 3> properties {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION,
                                                       liveSettingProperty};
    if (start())
        services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 properties.data(), static_cast<int>(properties.size()));
}

} // namespace kelvaro::win32
