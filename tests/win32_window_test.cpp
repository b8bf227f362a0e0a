#include "win32_window_fixture.h"

#include "form_description.h"

#include <array>
#include <cstdlib>

using namespace kelvaro;

namespace {

constexpr int twipsPerPixelAt96 = 15;

RECT inClient(HWND window, HWND control)
{
    RECT rect {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

// The table's rectangle in pixels at 96 dpi, in the window's client area.
RECT expectedRect(const ControlDescription &control)
{
    TwipsRect twips = control.rect;
    if (control.inFrame) {
        for (const ControlDescription &frame : kelvaroForm().controls) {
            if (frame.kind == ControlKind::Frame) {
                twips.left += frame.rect.left;
                twips.top += frame.rect.top;
            }
        }
    }
    const int left = twips.left / twipsPerPixelAt96;
    const int top = twips.top / twipsPerPixelAt96;
    return {left, top, left + twips.width / twipsPerPixelAt96,
            top + twips.height / twipsPerPixelAt96};
}

COLORREF brushColour(LRESULT brush)
{
    LOGBRUSH logBrush {};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

COLORREF colourOf(Rgb rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace

TEST_F(Win32WindowTest, HasItsTitleAFixedBorderACloseBoxAndNoMinimizeOrMaximizeBox)
{
    EXPECT_EQ(text(window), L"Kelvaro");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    RECT client {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 7665 / twipsPerPixelAt96);
    EXPECT_EQ(client.bottom, 6360 / twipsPerPixelAt96);
}

TEST_F(Win32WindowTest, IsCentredOnTheScreen)
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame {};
    GetWindowRect(window, &frame);
    EXPECT_LE(std::abs((frame.left + frame.right) - (monitor.rcWork.left + monitor.rcWork.right)),
              2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)),
              2);
}

TEST_F(Win32WindowTest, EveryShownControlSitsAtItsPlaceAndHiddenOnesAreModelDataOnly)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        SCOPED_TRACE(controlName(described));
        HWND hwnd = control(described.kind, described.index.value_or(0));
        if (!described.shown) {
            EXPECT_EQ(hwnd, nullptr);
            continue;
        }
        ASSERT_NE(hwnd, nullptr);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        const RECT actual = inClient(window, hwnd);
        const RECT expected = expectedRect(described);
        EXPECT_LE(std::abs(actual.left - expected.left), 1);
        EXPECT_LE(std::abs(actual.top - expected.top), 1);
        EXPECT_LE(std::abs(actual.right - expected.right), 1);
        EXPECT_LE(std::abs(actual.bottom - expected.bottom), 1);
    }
}

// Labels, frame and alloy buttons paint with the table's colours when they ask the window; the
// read-only report box asks the same way and must stay a text box, not turn blue.
TEST_F(Win32WindowTest, ControlsAndWindowShowTheColoursOfTheTable)
{
    LOGBRUSH background {};
    GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)),
               sizeof background, &background);
    EXPECT_EQ(background.lbColor, colourOf(kelvaroForm().background));
    HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (!described.shown || described.kind == ControlKind::CommandButton
            || described.kind == ControlKind::ListBox)
            continue;
        SCOPED_TRACE(controlName(described));
        const COLORREF expected
            = described.background ? colourOf(*described.background) : GetSysColor(COLOR_WINDOW);
        const LRESULT brush = SendMessageW(
            window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
            reinterpret_cast<LPARAM>(control(described.kind, described.index.value_or(0))));
        EXPECT_EQ(brushColour(brush), expected);
        EXPECT_EQ(GetBkColor(dc), expected);
    }
    DeleteDC(dc);
}

// A command button is filled with its colour whether it rests, is pressed or has the focus.
TEST_F(Win32WindowTest, CommandButtonsAreFilledWithTheirColourInEveryState)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (described.kind != ControlKind::CommandButton)
            continue;
        HWND button = command(*described.index);
        for (UINT state : {0U, UINT {ODS_SELECTED}, UINT {ODS_FOCUS}}) {
            SCOPED_TRACE(controlName(described) + " state " + std::to_string(state));
            HDC screen = GetDC(button);
            HDC dc = CreateCompatibleDC(screen);
            HBITMAP bitmap = CreateCompatibleBitmap(screen, 97, 19);
            ReleaseDC(button, screen);
            HGDIOBJ previous = SelectObject(dc, bitmap);
            DRAWITEMSTRUCT item {ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(button)),
                                 0,          ODA_DRAWENTIRE,
                                 state,      button,
                                 dc,         {0, 0, 97, 19},
                                 0};
            SendMessageW(window, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
            EXPECT_EQ(GetPixel(dc, 5, 5), colourOf(*described.background));
            SelectObject(dc, previous);
            DeleteObject(bitmap);
            DeleteDC(dc);
        }
    }
}

TEST_F(Win32WindowTest, EveryControlHasTheWindowsFontWithCyrillic)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (!described.shown)
            continue;
        SCOPED_TRACE(controlName(described));
        HWND hwnd = control(described.kind, described.index.value_or(0));
        auto *font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW face {};
        GetObjectW(font, sizeof face, &face);
        EXPECT_STREQ(face.lfFaceName, L"Times New Roman");
        EXPECT_EQ(face.lfHeight, -16); // 12 points at 96 dpi
        EXPECT_EQ(face.lfWeight, FW_NORMAL);
        EXPECT_FALSE(face.lfItalic || face.lfUnderline || face.lfStrikeOut);
        HDC dc = GetDC(hwnd);
        HGDIOBJ previous = SelectObject(dc, font);
        EXPECT_EQ(GetTextCharset(dc), RUSSIAN_CHARSET); // the face found draws Cyrillic
        SelectObject(dc, previous);
        ReleaseDC(hwnd, dc);
    }
}

// Room that a control's caption cannot use: the radio circle and its gap, a button's edges, the
// frame's corners.
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

TEST_F(Win32WindowTest, NoCaptionIsClipped)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (!described.shown || described.caption.empty())
            continue;
        SCOPED_TRACE(controlName(described));
        HWND hwnd = control(described.kind, described.index.value_or(0));
        const std::wstring caption = text(hwnd);
        HDC dc = GetDC(hwnd);
        HGDIOBJ previous
            = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        SIZE size {};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(hwnd, dc);
        RECT rect {};
        GetWindowRect(hwnd, &rect);
        EXPECT_LE(size.cx, rect.right - rect.left - chromeWidth(described.kind)) << size.cx;
        EXPECT_LE(size.cy, rect.bottom - rect.top) << size.cy;
    }
}
