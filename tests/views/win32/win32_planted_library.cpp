#include <windows.h>

#include <string>

// A library planted beside kelvaro.exe under the name of a system library that it loads at run
// time: should it be loaded, it leaves a marker file beside itself.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/)
{
    if (reason == DLL_PROCESS_ATTACH) {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(instance, path.data(), MAX_PATH));
        HANDLE marker = CreateFileW((path + L".loaded").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(marker);
    }
    return TRUE;
}
