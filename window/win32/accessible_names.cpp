#include "accessible_names.h"

#include <initguid.h>
#include <oleacc.h>

namespace kelvaro::win32 {

namespace {

// COM comes from ole32.dll, loaded with the first name given: a program that imports it pays
// for its loading at every start, and a fresh exercise has no name to give.
template<typename Function> Function *ole32(const char *name)
{
    static HMODULE library = LoadLibraryW(L"ole32.dll");
    if (library == nullptr)
        return nullptr;
    // GetProcAddress returns every function as one generic type.
    return reinterpret_cast<Function *>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

bool AccessibleNames::start()
{
    if (started)
        return services != nullptr;
    started = true;
    auto *initialize = ole32<decltype(CoInitializeEx)>("CoInitializeEx");
    auto *create = ole32<decltype(CoCreateInstance)>("CoCreateInstance");
    if (initialize == nullptr || create == nullptr) {
        result = E_NOTIMPL;
        return false;
    }
    comStarted = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    result = create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                    reinterpret_cast<void **>(&services));
    if (FAILED(result))
        services = nullptr;
    return services != nullptr;
}

AccessibleNames::~AccessibleNames()
{
    if (services != nullptr)
        services->Release();
    if (comStarted)
        ole32<decltype(CoUninitialize)>("CoUninitialize")();
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
