#include <windows.h>

#include <cstdio>
#include <string>

// win32_start_and_close PROGRAM: starts PROGRAM, waits for the window Kelvaro, closes it as its
// close box does, and expects the program to end by itself with exit code 0.
int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fputs("usage: win32_start_and_close PROGRAM\n", stderr);
        return 2;
    }
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program: error %lu\n", GetLastError());
        return 1;
    }
    HWND window = nullptr;
    for (int tries = 0; tries < 300 && window == nullptr; ++tries) {
        window = FindWindowW(L"bg.kelvaro.Kelvaro", L"Kelvaro");
        if (window == nullptr)
            Sleep(50);
    }
    DWORD exitCode = 1;
    if (window == nullptr)
        std::fputs("the window Kelvaro did not appear\n", stderr);
    else if (PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0)
             && WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        std::fputs("the program did not end when its window was closed\n", stderr);
    if (exitCode != 0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode == 0 ? 0 : 1;
}
