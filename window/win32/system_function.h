#pragma once

#include <windows.h>

namespace kelvaro::win32 {

// A function of the system's `library`, looked up when first needed, or null where the system
// lacks it: newer releases added it, or a program that imports the library pays for loading it
// at every start.
template<typename Function> Function systemFunction(const wchar_t *library, const char *name)
{
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        module = LoadLibraryW(library);
    // GetProcAddress returns every function as one generic type.
    return module == nullptr
        ? nullptr
        : reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace kelvaro::win32
