#include "main_window.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd)
{
    HWND window = kelvaro::win32::createMainWindow(hInstance);
    if (window == nullptr)
        return 1;
    ShowWindow(window, nShowCmd);
    UpdateWindow(window);
    return kelvaro::win32::runMessageLoop(window);
}
