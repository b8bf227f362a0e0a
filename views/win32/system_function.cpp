#include "system_function.h"

#include <string>

namespace kelvaro::win32 {

namespace {

// Where the loader has LOAD_LIBRARY_SEARCH_SYSTEM32, it has AddDllDirectory too: Microsoft's
// own test for KB2533623.
bool loaderSearchesTheSystemFolder()
{
    static const bool has
        = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
    return has;
}

} // namespace

HMODULE loadSystemLibrary(const wchar_t *library)
{
    if (loaderSearchesTheSystemFolder())
        return LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    path.resize(length);
    return LoadLibraryW((path + L'\\' + library).c_str());
}

void loadLibrariesFromTheSystemOnly()
{
    using SetDefaultDllDirectories = BOOL(WINAPI *)(DWORD);
    const auto set
        = systemFunction<SetDefaultDllDirectories>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (set != nullptr)
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    else
        SetDllDirectoryW(L""); // at least not the current folder, a document's, say
}

} // namespace kelvaro::win32
