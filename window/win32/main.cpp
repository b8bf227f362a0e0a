#include "main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    HWND window = kelvaro::win32::createMainWindow(instance);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    return kelvaro::win32::runMessageLoop(window);
}
