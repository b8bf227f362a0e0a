#include "dpi.h"

namespace kelvaro::win32 {

namespace {

constexpr int effectiveDpi = 0; // MDT_EFFECTIVE_DPI
constexpr UINT defaultDpi = 96;

std::optional<DpiFunctions> forced;

template<typename Function> Function lookUp(HMODULE library, const char *name)
{
    // GetProcAddress returns every function as one generic type.
    return library == nullptr
        ? nullptr
        : reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

DpiFunctions systemFunctions()
{
    HMODULE user = GetModuleHandleW(L"user32.dll");
    DpiFunctions found;
    found.forWindow = lookUp<decltype(found.forWindow)>(user, "GetDpiForWindow");
    found.adjustForDpi = lookUp<decltype(found.adjustForDpi)>(user, "AdjustWindowRectExForDpi");
    // shcore.dll came with Windows 8.1 and is needed only where GetDpiForWindow is missing.
    if (found.forWindow == nullptr)
        found.forMonitor
            = lookUp<decltype(found.forMonitor)>(LoadLibraryW(L"shcore.dll"), "GetDpiForMonitor");
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
    if (dpi.forWindow != nullptr && dpi.forWindow(window) != 0)
        return dpi.forWindow(window);
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
