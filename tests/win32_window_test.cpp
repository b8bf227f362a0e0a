#include "win32_window_fixture.h"

#include "form_description.h"

#include <cstdlib>

using namespace kelvaro;

namespace {

constexpr int twipsPerPixelAt96 = 15;

// The table's rectangle in pixels at 96 dpi, in the window's client area.
RECT expectedRect(const ControlDescription &control)
{
    TwipsRect twips = control.rect;
    for (const ControlDescription &frame : kelvaroForm().controls) {
        if (control.inFrame && frame.kind == ControlKind::Frame) {
            twips.left += frame.rect.left;
            twips.top += frame.rect.top;
        }
    }
    const int left = twips.left / twipsPerPixelAt96;
    const int top = twips.top / twipsPerPixelAt96;
    return {left, top, left + twips.width / twipsPerPixelAt96,
            top + twips.height / twipsPerPixelAt96};
}

COLORREF colourOf(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

COLORREF brushColour(HGDIOBJ brush)
{
    LOGBRUSH logBrush {};
    GetObjectW(brush, sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

// The colour at the top left of an owner-drawn button drawn in `state`, inside its edge.
COLORREF drawnColour(HWND window, HWND button, UINT state)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(97, 19, 1, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item {ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(button)),
                         0,          ODA_DRAWENTIRE,
                         state,      button,
                         dc,         {0, 0, 97, 19},
                         0};
    SendMessageW(window, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    const COLORREF colour = GetPixel(dc, 5, 5);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colour;
}

// Room that a caption cannot use: the radio circle and its gap, a button's edges, the frame's
// corners.
int chromeWidth(ControlKind kind)
{
    switch (kind) {
    case ControlKind::OptionButton:
        return GetSystemMetrics(SM_CXMENUCHECK) + 4;
    case ControlKind::CommandButton:
        return 6;
    case ControlKind::Frame:
        return 16;
    default:
        return 0;
    }
}

} // namespace

TEST_F(Win32WindowTest, IsAFixedWindowOfTheTablesSizeCentredWithOnlyACloseBox)
{
    EXPECT_EQ(text(window), L"Kelvaro");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 7665 / twipsPerPixelAt96);
    EXPECT_EQ(client.bottom, 6360 / twipsPerPixelAt96);
    MONITORINFO monitor {sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame {};
    GetWindowRect(window, &frame);
    const RECT &work = monitor.rcWork;
    EXPECT_LE(std::abs(frame.left + frame.right - work.left - work.right), 2);
    EXPECT_LE(std::abs(frame.top + frame.bottom - work.top - work.bottom), 2);
}

TEST_F(Win32WindowTest, EveryShownControlSitsAtItsPlaceAndHiddenOnesAreModelDataOnly)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        SCOPED_TRACE(controlName(described));
        HWND hwnd = control(described.kind, described.index.value_or(0));
        ASSERT_EQ(hwnd != nullptr, described.shown);
        if (!described.shown)
            continue;
        RECT actual {};
        GetWindowRect(hwnd, &actual);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&actual), 2);
        const RECT expected = expectedRect(described);
        EXPECT_LE(std::abs(actual.left - expected.left), 1);
        EXPECT_LE(std::abs(actual.top - expected.top), 1);
        EXPECT_LE(std::abs(actual.right - expected.right), 1);
        EXPECT_LE(std::abs(actual.bottom - expected.bottom), 1);
    }
}

// Controls paint with the table's colours; the read-only report box asks for its colour like a
// label does and must stay a text box, not turn blue. Command buttons fill themselves.
TEST_F(Win32WindowTest, WindowAndControlsShowTheColoursOfTheTable)
{
    EXPECT_EQ(brushColour(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND))),
              colourOf(kelvaroForm().background));
    HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (!described.shown || described.kind == ControlKind::ListBox)
            continue;
        SCOPED_TRACE(controlName(described));
        HWND hwnd = control(described.kind, described.index.value_or(0));
        const COLORREF expected
            = described.background ? colourOf(*described.background) : GetSysColor(COLOR_WINDOW);
        if (described.kind == ControlKind::CommandButton) {
            for (UINT state : {0U, UINT {ODS_SELECTED}, UINT {ODS_FOCUS}})
                EXPECT_EQ(drawnColour(window, hwnd, state), expected) << "state " << state;
            continue;
        }
        const LRESULT brush = SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(hwnd));
        EXPECT_EQ(brushColour(reinterpret_cast<HGDIOBJ>(brush)), expected);
        EXPECT_EQ(GetBkColor(dc), expected);
    }
    DeleteDC(dc);
}

TEST_F(Win32WindowTest, EveryCaptionFitsInTheWindowsOneFontWhichDrawsCyrillic)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (!described.shown)
            continue;
        SCOPED_TRACE(controlName(described));
        HWND hwnd = control(described.kind, described.index.value_or(0));
        auto *font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        LOGFONTW face {};
        ASSERT_TRUE(GetObjectW(font, sizeof face, &face));
        EXPECT_STREQ(face.lfFaceName, L"Times New Roman");
        EXPECT_EQ(face.lfHeight, -16); // 12 points at 96 dpi
        EXPECT_FALSE(face.lfWeight > FW_NORMAL || face.lfItalic || face.lfUnderline);
        HDC dc = GetDC(hwnd);
        HGDIOBJ previous = SelectObject(dc, font);
        EXPECT_EQ(GetTextCharset(dc), RUSSIAN_CHARSET); // the face found has Cyrillic
        const std::wstring caption = described.caption.empty() ? L"" : text(hwnd);
        SIZE size {};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(hwnd, dc);
        RECT rect {};
        GetWindowRect(hwnd, &rect);
        EXPECT_LE(size.cx, rect.right - rect.left - chromeWidth(described.kind));
        EXPECT_LE(size.cy, rect.bottom - rect.top);
    }
}
