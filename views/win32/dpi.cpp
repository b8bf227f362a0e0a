#include "dpi.h"

#include "system_function.h"

namespace kelvaro::win32 {

namespace {

constexpr int effectiveDpi = 0; // MDT_EFFECTIVE_DPI
constexpr UINT defaultDpi = 96;

std::optional<DpiFunctions> forced;

DpiFunctions systemFunctions()
{
    DpiFunctions found;
    found.forWindow = systemFunction<decltype(found.forWindow)>(L"user32.dll", "GetDpiForWindow");
    found.adjustForDpi
        = systemFunction<decltype(found.adjustForDpi)>(L"user32.dll", "AdjustWindowRectExForDpi");
    // shcore.dll came with Windows 8.1 and is needed only where GetDpiForWindow is missing.
    if (found.forWindow == nullptr)
        found.forMonitor
            = systemFunction<decltype(found.forMonitor)>(L"shcore.dll", "GetDpiForMonitor");
    found.forDevice = GetDeviceCaps;
    found.adjust = AdjustWindowRectEx;
    return found;
}

const DpiFunctions &functions()
{
    static const DpiFunctions system = systemFunctions();
    return forced ? *forced : system;
}

} // namespace

void forceDpiFunctions(std::optional<DpiFunctions> functions)
{
    forced = functions;
}

UINT windowDpi(HWND window)
{
    const DpiFunctions &dpi = functions();
    if (const UINT forWindow = dpi.forWindow != nullptr ? dpi.forWindow(window) : 0; forWindow != 0)
        return forWindow;
    UINT x = 0;
    UINT y = 0;
    if (dpi.forMonitor != nullptr
        && SUCCEEDED(dpi.forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                                    effectiveDpi, &x, &y)))
        return y;
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = dpi.forDevice(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch > 0 ? static_cast<UINT>(pixelsPerInch) : defaultDpi;
}

SIZE windowSizeFor(SIZE client, DWORD style, UINT dpi)
{
    RECT frame {0, 0, client.cx, client.cy};
    if (functions().adjustForDpi != nullptr)
        functions().adjustForDpi(&frame, style, FALSE, 0, dpi);
    else
        functions().adjust(&frame, style, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace kelvaro::win32
