#include "catalogue.h"

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

// The floor for Kelvaro's start-up on Windows: its window written plainly, with no window model,
// no design table and no logic: the same controls, classes, styles, texts, font and colours,
// placed in pixels at 96 dpi by hand, with Kelvaro's manifest.
namespace {

HBRUSH lightBlue = nullptr;
HBRUSH lightOrange = nullptr;
HBRUSH paleYellow = nullptr;
HBRUSH lightGreen = nullptr;
HBRUSH red = nullptr;

std::wstring wide(std::string_view utf8)
{
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(),
                            static_cast<int>(text.size()))));
    return text;
}

HWND control(HWND parent, const wchar_t *kind, const std::wstring &text, DWORD style, RECT place,
             int id, DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                           place.top, place.right, place.bottom, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void createControls(HWND window)
{
    constexpr DWORD stop = WS_GROUP | WS_TABSTOP;
    HWND report = control(window, L"EDIT", L"",
                          stop | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                          {8, 296, 489, 121}, 600, WS_EX_CLIENTEDGE);
    control(window, L"STATIC", L"Kelvaro", WS_GROUP | SS_CENTER | SS_NOPREFIX, {64, 0, 385, 25},
            100);
    control(window, L"BUTTON", L"Kelvaro", WS_GROUP | BS_GROUPBOX, {24, 32, 161, 225}, 200);
    for (int i = 0; i < 10; ++i)
        control(window, L"BUTTON",
                wide(kelvaro::catalogue::alloyNames.at(static_cast<std::size_t>(i))),
                BS_AUTORADIOBUTTON | (i == 0 ? stop : 0), {40, 52 + 20 * i, 129, 20}, 300 + i);
    for (int list = 1; list <= 3; ++list) {
        HWND box = control(window, L"LISTBOX", L"",
                           stop | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                           {200 + 104 * (list - 1), 56, 97, 194}, 400 + list, WS_EX_CLIENTEDGE);
        for (std::string_view element : kelvaro::catalogue::elementNames)
            SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(element).c_str()));
    }
    control(window, L"BUTTON", L"Провери", stop | BS_OWNERDRAW, {40, 264, 97, 19}, 500);
    control(window, L"BUTTON", L"Чисти", stop | BS_OWNERDRAW, {360, 264, 97, 19}, 501);
    control(window, L"STATIC", L"Участващ химически елемент", WS_GROUP | SS_CENTER | SS_NOPREFIX,
            {200, 32, 305, 25}, 101);
    LOGFONTW face {};
    face.lfHeight = -16;
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = RUSSIAN_CHARSET;
    face.lfOutPrecision = OUT_TT_PRECIS;
    face.lfQuality = CLEARTYPE_QUALITY;
    face.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    wcscpy(face.lfFaceName, L"Times New Roman");
    HFONT font = CreateFontIndirectW(&face);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowTextW(report, wide(kelvaro::catalogue::taskStatement).c_str());
}

void drawButton(const DRAWITEMSTRUCT &item)
{
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, item.CtlID == 500 ? lightGreen : red);
    DrawEdge(item.hDC, &rect, EDGE_RAISED, BF_RECT);
    std::array<wchar_t, 16> caption {};
    GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()));
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, caption.data(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls(window);
        SetFocus(GetDlgItem(window, 600));
        return 0;
    case WM_CTLCOLORSTATIC: {
        const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
        HBRUSH brush = id / 100 == 1 ? lightOrange : id / 100 == 3 ? paleYellow : lightBlue;
        if (id == 600)
            brush = GetSysColorBrush(COLOR_WINDOW);
        LOGBRUSH colour {};
        GetObjectW(brush, sizeof colour, &colour);
        SetBkColor(reinterpret_cast<HDC>(wParam), colour.lbColor);
        return reinterpret_cast<LRESULT>(brush);
    }
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd)
{
    lightBlue = CreateSolidBrush(RGB(192, 192, 255));
    lightOrange = CreateSolidBrush(RGB(255, 192, 128));
    paleYellow = CreateSolidBrush(RGB(255, 255, 192));
    lightGreen = CreateSolidBrush(RGB(128, 255, 128));
    red = CreateSolidBrush(RGB(255, 0, 0));
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = hInstance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = lightBlue;
    windowClass.lpszClassName = L"PlainKelvaro";
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame {0, 0, 511, 424};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Kelvaro", style,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, hInstance, nullptr);
    ShowWindow(window, nShowCmd);
    UpdateWindow(window);
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
