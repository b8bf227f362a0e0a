#pragma once

#include <windows.h>

namespace kelvaro::win32 {

// Loads one of the system's libraries from the system folder only. A bare name would search the
// program's folder first, where anyone who can put a file beside kelvaro.exe (a Downloads folder,
// a USB stick) could plant a library of that name.
[[nodiscard]] HMODULE loadSystemLibrary(const wchar_t *library);

// From now on, libraries loaded by a bare name, by the system's libraries too, come from the
// system folder only, where the system can do so (Windows 8, and 7 with KB2533623).
void loadLibrariesFromTheSystemOnly();

// A function of the system's `library`, looked up when first needed, or null where the system
// lacks it: newer releases added it, or a program that imports the library pays for loading it
// at every start.
template<typename Function> Function systemFunction(const wchar_t *library, const char *name)
{
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr)
        module = loadSystemLibrary(library);
    // GetProcAddress returns every function as one generic type.
    return module == nullptr
        ? nullptr
        : reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace kelvaro::win32
