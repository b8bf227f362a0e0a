#include "win32_window_fixture.h"

#include "colours.h"
#include "dpi.h"
#include "form_description.h"
#include "system_colours.h"
#include "view_state.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

using namespace kelvaro;

namespace {

int scaled(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// The table's rectangle in pixels at `dpi`, in the window's client area.
RECT expectedRect(const ControlDescription &control, UINT dpi)
{
    TwipsRect twips = control.rect;
    for (const ControlDescription &frame : kelvaroForm().controls) {
        if (control.inFrame && frame.kind == ControlKind::Frame) {
            twips.left += frame.rect.left;
            twips.top += frame.rect.top;
        }
    }
    const int left = scaled(twips.left, dpi);
    const int top = scaled(twips.top, dpi);
    return {left, top, left + scaled(twips.width, dpi), top + scaled(twips.height, dpi)};
}

// The client area of the table at `dpi`, and the one font at that DPI in every control.
void expectSizeAndFont(HWND window, UINT dpi)
{
    RECT client {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, scaled(kelvaroForm().clientWidth, dpi)) << dpi << " dpi";
    EXPECT_EQ(client.bottom, scaled(kelvaroForm().clientHeight, dpi)) << dpi << " dpi";
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        LOGFONTW face {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof face,
                   &face);
        EXPECT_EQ(face.lfHeight, -MulDiv(12, static_cast<int>(dpi), 72))
            << dpi << " dpi, control " << GetDlgCtrlID(child);
    }
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

TEST_F(Win32WindowTest, IsAFixedWindowCentredWithOnlyACloseBox)
{
    EXPECT_EQ(text(window), L"Kelvaro");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    MONITORINFO monitor {sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame {};
    GetWindowRect(window, &frame);
    const RECT &work = monitor.rcWork;
    EXPECT_LE(std::abs(frame.left + frame.right - work.left - work.right), 2);
    EXPECT_LE(std::abs(frame.top + frame.bottom - work.top - work.bottom), 2);
}

// At start, and after each move to a monitor of another DPI: Wine never sends the messages, so
// they are sent as Windows does, the size asked first.
TEST_F(Win32WindowTest, EveryShownControlSitsAtItsPlaceAtEveryDpiAndHiddenOnesAreModelDataOnly)
{
    const std::array<UINT, 4> dpis {96, 144, 192, 96};
    for (std::size_t step = 0; step < dpis.size(); ++step) {
        const UINT dpi = dpis.at(step);
        if (step > 0) {
            SIZE size {};
            ASSERT_TRUE(SendMessageW(window, win32::dpiScaledSizeMessage, dpi,
                                     reinterpret_cast<LPARAM>(&size)));
            RECT suggested {};
            GetWindowRect(window, &suggested);
            suggested.right = suggested.left + size.cx;
            suggested.bottom = suggested.top + size.cy;
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        }
        expectSizeAndFont(window, dpi);
        for (const ControlDescription &described : kelvaroForm().controls) {
            SCOPED_TRACE(controlName(described) + " at " + std::to_string(dpi) + " dpi");
            HWND hwnd = control(described.kind, described.index.value_or(0));
            ASSERT_EQ(hwnd != nullptr, described.shown);
            if (!described.shown)
                continue;
            RECT actual {};
            GetWindowRect(hwnd, &actual);
            MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&actual), 2);
            const RECT expected = expectedRect(described, dpi);
            EXPECT_LE(std::max({std::abs(actual.left - expected.left),
                                std::abs(actual.top - expected.top),
                                std::abs(actual.right - expected.right),
                                std::abs(actual.bottom - expected.bottom)}),
                      1);
        }
    }
}

// The most frequent colour that `window` draws in `area` of its client area, and the one that
// stands out most from it: the text.
TextColours drawnColours(HWND window, const RECT &area)
{
    HDC screen = GetDC(window);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PrintWindow(window, dc, PW_CLIENTONLY);
    std::map<COLORREF, int> counts;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x)
            ++counts[GetPixel(dc, x, y)];
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(window, screen);
    const Rgb background = win32::toRgb(
        std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
            return a.second < b.second;
        })->first);
    TextColours colours {background, background};
    for (const auto &[drawn, count] : counts) {
        if (contrastRatio(background, win32::toRgb(drawn))
            > contrastRatio(background, colours.text))
            colours.text = win32::toRgb(drawn);
    }
    return colours;
}

// Where a control draws its text in its client area: inside a button's edges, beside a radio
// button's circle.
RECT textArea(HWND control, ControlKind kind)
{
    RECT area {};
    GetClientRect(control, &area);
    if (kind == ControlKind::CommandButton)
        InflateRect(&area, -3, -3);
    if (kind == ControlKind::OptionButton)
        area.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
    return area;
}

struct ColourCase
{
    std::string name;
    bool highContrast;
    bool tabCycle; // measured after the focus has gone once round the window
    friend void PrintTo(const ColourCase &row, std::ostream *out) { *out << row.name; }
};

class Win32Colours : public Win32WindowTest, public testing::WithParamInterface<ColourCase>
{
protected:
    void TearDown() override
    {
        win32::forceSystemColours(std::nullopt);
        Win32WindowTest::TearDown();
    }
};

// Measured on the drawn window: every text reads at 4.5:1 on its background, the fixed
// backgrounds are the design's, and under high contrast the user's own colours are.
TEST_P(Win32Colours, EveryTextReadsWellOnItsBackground)
{
    const ColourCase &row = GetParam();
    const SystemColours black {.window = {0, 0, 0},
                               .windowText = {255, 255, 255},
                               .buttonFace = {0, 0, 0},
                               .buttonText = {255, 255, 255},
                               .highlight = {26, 235, 255},
                               .highlightText = {0, 0, 0},
                               .highContrast = true};
    if (row.tabCycle) {
        for (int stop = 0; stop < 6; ++stop) // the focus on a button of each kind, to «Чисти»
            press(VK_TAB);
        ASSERT_EQ(GetFocus(), command(1));
        // «Чисти», which has the focus, is framed in its text colour as the default; only it.
        for (Index k = 0; k < 2; ++k) {
            const ControlColours drawn = controlColours(
                *win32::describeControl(win32::controlId(ControlKind::CommandButton, k)),
                win32::systemColours());
            EXPECT_EQ(drawnColours(command(k), {0, 0, 1, 1}).background == drawn.text, k == 1) << k;
        }
    }
    if (row.highContrast) {
        win32::forceSystemColours(black); // Wine cannot switch high contrast on
        SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_TRUE(GetUpdateRect(report(), nullptr, FALSE)) << "switched without a repaint";
        pump();
    }
    const SystemColours system = win32::systemColours();
    EXPECT_EQ(drawnColours(window, {0, 0, 4, 4}).background,
              formColours(kelvaroForm(), system).background);
    for (const ControlDescription *described : shownControls()) {
        if (described->kind == ControlKind::Frame)
            continue; // its caption shares the labels' colours; its lines are the system's
        SCOPED_TRACE(controlName(*described));
        HWND hwnd = control(described->kind, described->index.value_or(0));
        const TextColours shown = drawnColours(hwnd, textArea(hwnd, described->kind));
        EXPECT_GE(contrastRatio(shown.background, shown.text), minimumTextContrast);
        if (described->kind != ControlKind::ListBox) { // lists draw in the system's own colours
            EXPECT_EQ(shown.background, controlColours(*described, system).background);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Win32Window, Win32Colours,
                         testing::Values(ColourCase {"Design", false, false},
                                         ColourCase {"DesignAfterATabCycle", false, true},
                                         ColourCase {"HighContrastBlack", true, false}),
                         [](const auto &info) { return info.param.name; });

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

UINT reportedDpi = 96;

// The DPI functions of Windows 10, 8.1 and 7, reporting `reportedDpi`.
UINT WINAPI dpiForWindow(HWND /*window*/)
{
    return reportedDpi;
}
HRESULT WINAPI dpiForMonitor(HMONITOR /*monitor*/, int /*type*/, UINT *x, UINT *y)
{
    *x = *y = reportedDpi;
    return S_OK;
}
int WINAPI deviceCaps(HDC dc, int index)
{
    return index == LOGPIXELSY ? static_cast<int>(reportedDpi) : GetDeviceCaps(dc, index);
}

struct DpiSystem
{
    std::string name;
    win32::DpiFunctions functions; // what the system has, reporting `reportedDpi`
    friend void PrintTo(const DpiSystem &row, std::ostream *out) { *out << row.name; }
};

class Win32Dpi : public testing::TestWithParam<std::tuple<DpiSystem, UINT>>
{
};

// Windows 10 1607 and later, 8.1, 7: each finds the DPI by the newest function it has, and the
// window opens at the table's size in pixels with its font at that DPI.
TEST_P(Win32Dpi, OpensAtTheTablesSizeAndFontAtTheSystemsDpi)
{
    const auto &[system, dpi] = GetParam();
    reportedDpi = dpi;
    win32::forceDpiFunctions(system.functions);
    HWND window = win32::createMainWindow(GetModuleHandleW(nullptr));
    win32::forceDpiFunctions(std::nullopt);
    ASSERT_NE(window, nullptr);
    expectSizeAndFont(window, dpi);
    DestroyWindow(window);
}

const auto adjustForDpi
    = reinterpret_cast<decltype(win32::DpiFunctions::adjustForDpi)>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));

INSTANTIATE_TEST_SUITE_P(
    Win32Window, Win32Dpi,
    testing::Combine(
        testing::Values(
            DpiSystem {"Windows10",
                       {dpiForWindow, nullptr, GetDeviceCaps, adjustForDpi, AdjustWindowRectEx}},
            DpiSystem {"Windows81",
                       {nullptr, dpiForMonitor, GetDeviceCaps, nullptr, AdjustWindowRectEx}},
            DpiSystem {"Windows7", {nullptr, nullptr, deviceCaps, nullptr, AdjustWindowRectEx}}),
        testing::Values(96U, 120U, 144U, 192U)),
    [](const auto &info) {
        return std::get<0>(info.param).name + "At" + std::to_string(std::get<1>(info.param));
    });
