#pragma once

#include <windows.h>

#include <optional>

// The window's DPI on every Windows from 7 on: the functions for it came in three releases, so
// they are looked up at run time and the newest one the system has is used.
namespace kelvaro::win32 {

// WM_GETDPISCALEDSIZE, which Windows 10 1703 and later send before WM_DPICHANGED.
inline constexpr UINT dpiScaledSizeMessage = 0x02E4;

struct DpiFunctions
{
    UINT(WINAPI *forWindow)(HWND) = nullptr; // GetDpiForWindow, Windows 10 1607
    HRESULT(WINAPI *forMonitor)(HMONITOR, int, UINT *, UINT *) = nullptr; // GetDpiForMonitor, 8.1
    int(WINAPI *forDevice)(HDC, int) = nullptr; // GetDeviceCaps, every Windows
    BOOL(WINAPI *adjustForDpi)(RECT *, DWORD, BOOL, DWORD, UINT) = nullptr; // Windows 10 1607
    BOOL(WINAPI *adjust)(RECT *, DWORD, BOOL, DWORD) = nullptr; // AdjustWindowRectEx, every Windows
};

// Tests force each fallback here, with functions that report the DPI they test; empty: the
// system's own.
void forceDpiFunctions(std::optional<DpiFunctions> functions);

// The DPI of the monitor that shows `window` (on Windows 7, the system's).
[[nodiscard]] UINT windowDpi(HWND window);

// The size of a window of `style` whose client area is `client` pixels at `dpi`.
[[nodiscard]] SIZE windowSizeFor(SIZE client, DWORD style, UINT dpi);

} // namespace kelvaro::win32
