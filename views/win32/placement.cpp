#include "placement.h"

#include "dpi.h"
#include "wide_text.h"

#include <cwchar>

namespace kelvaro::win32 {

HFONT createWindowFont(UINT dpi)
{
    const FontDescription &font = kelvaroForm().font;
    LOGFONTW face {};
    face.lfHeight = -MulDiv(font.pointSize, static_cast<int>(dpi), 72);
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = static_cast<BYTE>(font.charset);
    face.lfOutPrecision = OUT_TT_PRECIS;
    face.lfQuality = CLEARTYPE_QUALITY;
    face.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    const std::wstring family = toWide(font.family);
    wcsncpy(face.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&face);
}

DWORD windowStyle(const WindowView &frame)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION; // a caption with a fixed single border
    if (frame.systemMenu)
        style |= WS_SYSMENU;
    if (frame.minimizeButton)
        style |= WS_MINIMIZEBOX;
    if (frame.maximizeButton)
        style |= WS_MAXIMIZEBOX;
    if (frame.resizable)
        style |= WS_THICKFRAME;
    return style;
}

SIZE clientSizeAt(UINT dpi)
{
    const FormDescription &form = kelvaroForm();
    const auto scale = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
    return {scale(form.clientWidth), scale(form.clientHeight)};
}

SIZE windowSizeAt(HWND window, UINT dpi)
{
    return windowSizeFor(clientSizeAt(dpi),
                         static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), dpi);
}

void placeWindow(HWND window, int left, int top, SIZE client, UINT dpi)
{
    // Where the system draws a frame other than it reckons (Windows 8.1, Wine), the frame's own
    // size is taken.
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    SIZE size = windowSizeFor(client, style, dpi);
    SetWindowPos(window, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT shown {};
    GetClientRect(window, &shown);
    if (shown.right == client.cx && shown.bottom == client.cy)
        return;
    size.cx += client.cx - shown.right;
    size.cy += client.cy - shown.bottom;
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreOnScreen(HWND window)
{
    const UINT dpi = windowDpi(window);
    const SIZE client = clientSizeAt(dpi);
    const SIZE size = windowSizeAt(window, dpi);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    placeWindow(window, (work.left + work.right - size.cx) / 2,
                (work.top + work.bottom - size.cy) / 2, client, dpi);
}

} // namespace kelvaro::win32
