#include "main_window.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd)
{
    return kelvaro::win32::runKelvaro(hInstance, nShowCmd);
}
