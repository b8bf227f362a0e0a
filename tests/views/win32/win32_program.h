#pragma once

#include <windows.h>

#include <string>

// kelvaro.exe started in a process of its own, as a user starts it, and its window.
class StartedProgram
{
public:
    explicit StartedProgram(const std::wstring &path)
    {
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + path + L"\"";
        if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process))
            CloseHandle(process.hThread);
    }
    ~StartedProgram()
    {
        if (process.hProcess == nullptr)
            return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
    }
    StartedProgram(const StartedProgram &) = delete;
    StartedProgram &operator=(const StartedProgram &) = delete;

    [[nodiscard]] bool started() const { return process.hProcess != nullptr; }

    // Its window Kelvaro, not another program's, once it shows it and waits for input; null
    // after 15 s without.
    [[nodiscard]] HWND waitForWindow() const
    {
        WaitForInputIdle(process.hProcess, 15000);
        Search search {process.dwProcessId, nullptr};
        for (int tries = 0; tries < 300 && search.found == nullptr; ++tries) {
            EnumWindows(findKelvaro, reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr)
                Sleep(50);
        }
        return search.found;
    }

    // Closes `window` as its close box does: true when the program then ends with exit code 0.
    [[nodiscard]] bool close(HWND window) const
    {
        DWORD exitCode = 1;
        return PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0)
            && WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0
            && GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0;
    }

private:
    struct Search
    {
        DWORD process;
        HWND found;
    };

    static BOOL CALLBACK findKelvaro(HWND window, LPARAM lParam)
    {
        auto &search = *reinterpret_cast<Search *>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        std::wstring name(64, L'\0');
        name.resize(static_cast<std::size_t>(GetClassNameW(window, name.data(), 64)));
        if (owner != search.process || name != L"bg.kelvaro.Kelvaro" || !IsWindowVisible(window))
            return TRUE;
        search.found = window;
        return FALSE;
    }

    PROCESS_INFORMATION process {};
};
