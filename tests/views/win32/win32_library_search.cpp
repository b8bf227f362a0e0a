#include "win32_program.h"

#include <cstdio>
#include <string>

// win32_library_search PROGRAM LIBRARY: copies PROGRAM into a folder of its own with LIBRARY
// beside it under the name of a system library that it loads at run time, as anyone who can
// write to a Downloads folder or a USB stick could plant it. The program starts, announces the
// outcome of a check and ends, and the planted library has not been loaded.
namespace {

// What the program loads at its first announcement. (shcore.dll, which it loads only on a
// Windows without GetDpiForWindow, comes through the same function.)
constexpr const wchar_t *plantedName = L"uiautomationcore.dll";
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
// region that this program can read.
bool announcedAsNotification()
{
    HMODULE automation
        = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return automation != nullptr
        && GetProcAddress(automation, "UiaRaiseNotificationEvent") != nullptr;
}

// Presses «Провери» with nothing picked, which announces the outcome. The program handles each
// sent message before SendMessage returns: the live region then holds the sentence, where the
// system has no notifications to take it.
bool announcesAfterACheck(HWND window)
{
    HWND button = GetDlgItem(window, checkButton);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    bool found = announcedAsNotification();
    EnumChildWindows(window, findSentence, reinterpret_cast<LPARAM>(&found));
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
    const std::wstring planted = folder + plantedName;
    const std::wstring marker = planted + L".loaded"; // written by the library as it is loaded
    const bool ready = CopyFileW(argv[1], program.c_str(), FALSE) != FALSE
        && CopyFileW(argv[2], planted.c_str(), FALSE) != FALSE;
    int result = ready ? 0 : fail("cannot set up the folder with the planted library");
    if (result == 0) {
        const StartedProgram started(program);
        HWND window = started.started() ? started.waitForWindow() : nullptr;
        if (window == nullptr)
            result = fail("the program did not start, or its window Kelvaro did not appear");
        else if (!announcesAfterACheck(window))
            result = fail("the outcome of the check was not announced");
        if (window != nullptr && !started.close(window))
            result = fail("the program did not end with exit code 0 when its window was closed");
    }
    if (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES)
        result = fail("the library planted beside the program was loaded");
    for (const std::wstring &file : {marker, planted, program})
        DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    return result;
}
