#include "main_window.h"
#include "system_colours.h"

#include <array>

// Opens Kelvaro under Windows' black high-contrast scheme, for the README's screenshot
// (scripts/screenshot-windows.sh). Wine takes the scheme's colours but cannot switch high
// contrast on, so the window is told that it is on.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd)
{
    constexpr COLORREF black = RGB(0, 0, 0);
    constexpr COLORREF white = RGB(255, 255, 255);
    constexpr std::array<int, 12> elements {COLOR_WINDOW,        COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                            COLOR_BTNTEXT,       COLOR_3DLIGHT,    COLOR_3DHILIGHT,
                                            COLOR_3DSHADOW,      COLOR_3DDKSHADOW, COLOR_HIGHLIGHT,
                                            COLOR_HIGHLIGHTTEXT, COLOR_GRAYTEXT,   COLOR_SCROLLBAR};
    constexpr std::array<COLORREF, 12> scheme {black,
                                               white,
                                               black,
                                               white,
                                               white,
                                               white,
                                               RGB(128, 128, 128),
                                               white,
                                               RGB(26, 235, 255),
                                               black,
                                               RGB(63, 242, 63),
                                               black};
    SetSysColors(static_cast<int>(elements.size()), elements.data(), scheme.data());
    kelvaro::SystemColours highContrast = kelvaro::win32::systemColours();
    highContrast.highContrast = true;
    kelvaro::win32::forceSystemColours(highContrast);
    return kelvaro::win32::runKelvaro(hInstance, nShowCmd);
}
