#include "win32_program.h"

#include <array>
#include <cstdio>
#include <string>

// win32_library_search PROGRAM LIBRARY: copies PROGRAM into a folder of its own with LIBRARY
// beside it under the names of the system libraries that it loads at run time, as anyone who can
// write to a Downloads folder or a USB stick could plant them. The program starts, announces the
// outcome of a check and ends, and none of the planted libraries has been loaded.
namespace {

constexpr std::array<const wchar_t *, 2> plantedNames {L"uiautomationcore.dll", L"shcore.dll"};
constexpr int checkButton = 500; // Command1(0), «Провери»
constexpr const wchar_t *nothingFound = L"Няма сплав с тези елементи в този ред.";

int fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    return 1;
}

BOOL CALLBACK findSentence(HWND child, LPARAM found)
{
    std::wstring text(128, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(child, text.data(), 128)));
    if (text != nothingFound)
        return TRUE;
    *reinterpret_cast<bool *>(found) = true;
    return FALSE;
}

// Where the system has UI Automation notifications, the sentence goes there, not to a live
// region that this program could read.
bool announcedAsNotification()
{
    HMODULE automation
        = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return automation != nullptr
        && GetProcAddress(automation, "UiaRaiseNotificationEvent") != nullptr;
}

// Presses «Провери» with nothing picked and waits until the live region tells the outcome.
bool announcesAfterACheck(HWND window)
{
    HWND button = GetDlgItem(window, checkButton);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    bool found = false;
    for (int tries = 0; tries < 100 && !found; ++tries) {
        Sleep(50);
        EnumChildWindows(window, findSentence, reinterpret_cast<LPARAM>(&found));
    }
    return found;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3)
        return fail("usage: win32_library_search PROGRAM LIBRARY");
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetTempPathW(MAX_PATH, folder.data()));
    folder += L"kelvaro-planted-" + std::to_wstring(GetCurrentProcessId()) + L'\\';
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"kelvaro.exe";
    bool ready = CopyFileW(argv[1], program.c_str(), FALSE) != FALSE;
    for (const wchar_t *name : plantedNames)
        ready = ready && CopyFileW(argv[2], (folder + name).c_str(), FALSE) != FALSE;
    int result = ready ? 0 : fail("cannot set up the folder with the planted libraries");
    if (result == 0) {
        const StartedProgram started(program);
        HWND window = started.waitForWindow();
        if (window == nullptr)
            result = fail("the window Kelvaro did not appear");
        else if (!announcedAsNotification() && !announcesAfterACheck(window))
            result = fail("the outcome of the check was not announced");
        if (window != nullptr && !started.close(window))
            result = fail("the program did not end with exit code 0 when its window was closed");
    }
    for (const wchar_t *name : plantedNames) {
        const std::wstring marker = folder + name + L".loaded";
        if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES)
            result = fail("a library planted beside the program was loaded");
        DeleteFileW(marker.c_str());
        DeleteFileW((folder + name).c_str());
    }
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
    return result;
}
