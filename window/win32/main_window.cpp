#include "main_window.h"

#include "accessible_names.h"
#include "command_button.h"
#include "commands.h"
#include "controls.h"
#include "form_description.h"
#include "gdi_object.h"
#include "spoken_texts.h"
#include "wide_text.h"

#include <algorithm>
#include <bitset>
#include <cwchar>
#include <utility>
#include <vector>

namespace kelvaro::win32 {

namespace {

constexpr const wchar_t *className = L"bg.kelvaro.Kelvaro";
constexpr int iconResource = 1;

// Rewrites a text only when it changed, so that nothing flickers and a reader keeps his place.
bool setText(HWND window, const std::wstring &text)
{
    if (windowText(window) == text)
        return false;
    SetWindowTextW(window, text.c_str());
    return true;
}

// The one font of the window, or the next serif face with Cyrillic where it is missing.
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

DWORD windowStyle(const FormDescription &form)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION; // a caption with a fixed single border
    if (form.controlBox)
        style |= WS_SYSMENU;
    if (form.minButton)
        style |= WS_MINIMIZEBOX;
    if (form.maxButton)
        style |= WS_MAXIMIZEBOX;
    if (!form.fixedBorder)
        style |= WS_THICKFRAME;
    return style;
}

class MainWindow
{
public:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    [[nodiscard]] HRESULT accessibleNameResult() const { return names.lastResult(); }

private:
    explicit MainWindow(HWND window) : window(window), form(loadKelvaro()) { }

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onCreate();
    void onCommand(int id, int code);
    LRESULT onControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    void onDrawItem(const DRAWITEMSTRUCT &item);
    void onDpiChanged(UINT dpi, const RECT &suggested);
    void onDestroy();
    void applyDpi(UINT dpi);
    void showModel();
    void showOptions();
    void showLists();
    void showReport();
    HBRUSH brush(COLORREF colour);

    HWND window;
    Kelvaro form;
    Controls controls;
    GdiObject<HFONT> font;
    std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> brushes;
    AccessibleNames names;
    std::bitset<10> named; // alloy buttons that carry an accessible name of their own
    HWND lastFocus = nullptr;
};

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new MainWindow(window)));
    // The window owns its state from WM_NCCREATE and deletes it at WM_NCDESTROY.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
    auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onControlColour(message, wParam, lParam);
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(window, GetFocus()))
            lastFocus = GetFocus(); // given back when the window is active again
        // The default procedure focuses the window on activation; WM_SETFOCUS passes it on.
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETFOCUS:
        SetFocus(lastFocus != nullptr ? lastFocus : controls.Text1[0]);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void MainWindow::onCreate()
{
    controls = createControls(window, form);
    applyDpi(GetDpiForWindow(window));
    showModel();
}

void MainWindow::onCommand(int id, int code)
{
    const ControlDescription *control = describeControl(id);
    if (control == nullptr || !control->index)
        return; // Enter and Esc send IDOK and IDCANCEL: they press nothing
    const Index index = *control->index;
    switch (control->kind) {
    case ControlKind::ListBox:
        if (code == LBN_SELCHANGE) {
            const LRESULT row = SendMessageW(controls.List1.at(static_cast<std::size_t>(index)),
                                             LB_GETCURSEL, 0, 0);
            form.List1.at(static_cast<std::size_t>(index)).setListIndex(static_cast<Index>(row));
        }
        break;
    case ControlKind::OptionButton:
        if (code == BN_CLICKED) {
            selectOption(form, index);
            showOptions();
        }
        break;
    case ControlKind::CommandButton:
        // Owner-drawn buttons report a second click soon after the first as a double click.
        if (code == BN_CLICKED || code == BN_DOUBLECLICKED) {
            Command1_Click(form, index);
            showModel();
        }
        break;
    default:
        break;
    }
}

LRESULT MainWindow::onControlColour(UINT message, WPARAM wParam, LPARAM lParam)
{
    const ControlDescription *control
        = describeControl(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
    if (control == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    COLORREF colour = GetSysColor(COLOR_WINDOW); // a read-only text box keeps a text box's colour
    if (control->background)
        colour = toColorRef(*control->background);
    else if (control->kind != ControlKind::TextBox)
        return DefWindowProcW(window, message, wParam, lParam);
    SetBkColor(reinterpret_cast<HDC>(wParam), colour);
    return reinterpret_cast<LRESULT>(brush(colour));
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT &item)
{
    const ControlDescription *control = describeControl(static_cast<int>(item.CtlID));
    if (control != nullptr && control->kind == ControlKind::CommandButton)
        drawCommandButton(item,
                          brush(control->background ? toColorRef(*control->background)
                                                    : GetSysColor(COLOR_BTNFACE)));
}

void MainWindow::onDpiChanged(UINT dpi, const RECT &suggested)
{
    applyDpi(dpi);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::applyDpi(UINT dpi)
{
    // The controls take the new font before the old one is deleted.
    GdiObject<HFONT> next(createWindowFont(dpi));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), FALSE);
    placeControls(window, dpi, next.get());
    font = std::move(next);
}

HBRUSH MainWindow::brush(COLORREF colour)
{
    const auto made = std::find_if(brushes.begin(), brushes.end(),
                                   [colour](const auto &entry) { return entry.first == colour; });
    if (made != brushes.end())
        return made->second.get();
    brushes.emplace_back(colour, GdiObject<HBRUSH>(CreateSolidBrush(colour)));
    return brushes.back().second.get();
}

void MainWindow::showModel()
{
    showOptions();
    showLists();
    showReport();
}

void MainWindow::showOptions()
{
    const auto *checked = std::find_if(form.Option1.begin(), form.Option1.end(),
                                       [](const OptionButton &button) { return button.Value; });
    // The group is one stop of the Tab cycle: its checked button, or the first one. Unchecking
    // a radio button takes its tab stop away, so the stop is put back after the checks.
    const auto tabStop = static_cast<std::size_t>(
        checked == form.Option1.end() ? 0 : checked - form.Option1.begin());
    for (std::size_t k = 0; k < controls.Option1.size(); ++k) {
        HWND button = controls.Option1[k];
        const auto alloy = static_cast<Index>(k);
        setText(button, toWide(form.Option1[k].Caption));
        SendMessageW(button, BM_SETCHECK, form.Option1[k].Value ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE,
                          k == tabStop ? style | WS_TABSTOP : style & ~LONG_PTR {WS_TABSTOP});
        if (isFound(form, alloy)) {
            names.name(button, toWide(alloyButtonName(form, alloy)));
            named.set(k);
        } else if (named.test(k)) {
            names.restore(button);
            named.reset(k);
        }
    }
}

void MainWindow::onDestroy()
{
    // The system keeps an annotation until it is cleared, also past its control's end.
    for (std::size_t k = 0; k < controls.Option1.size(); ++k) {
        if (named.test(k))
            names.restore(controls.Option1[k]);
    }
    named.reset();
    PostQuitMessage(0);
}

void MainWindow::showLists()
{
    for (std::size_t i = 1; i <= 3; ++i) {
        const Index row = form.List1.at(i).ListIndex();
        SendMessageW(controls.List1.at(i), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

void MainWindow::showReport()
{
    HWND box = controls.Text1[0];
    if (setText(box, toWide(form.Text1[0].Text))) {
        SendMessageW(box, EM_SETSEL, 0, 0); // a new report is read from its first line
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
    }
}

bool registerWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass {};
    if (GetClassInfoExW(instance, className, &windowClass))
        return true;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindow::procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconResource));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(toColorRef(kelvaroForm().background));
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

// Sizes the client area from the table at the window's DPI and centres the window on its screen.
void centreOnScreen(HWND window, DWORD style)
{
    const FormDescription &form = kelvaroForm();
    const auto dpi = static_cast<int>(GetDpiForWindow(window));
    RECT frame {0, 0, MulDiv(form.clientWidth, dpi, 1440), MulDiv(form.clientHeight, dpi, 1440)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, (work.left + work.right - width) / 2,
                 (work.top + work.bottom - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

HWND createMainWindow(HINSTANCE instance)
{
    if (!registerWindowClass(instance))
        return nullptr;
    const FormDescription &form = kelvaroForm();
    const DWORD style = windowStyle(form);
    HWND window = CreateWindowExW(0, className, toWide(form.caption).c_str(), style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  instance, nullptr);
    if (window != nullptr)
        centreOnScreen(window, style);
    return window;
}

bool handleDialogKey(HWND window, MSG &message)
{
    return IsDialogMessageW(window, &message) != FALSE;
}

int runMessageLoop(HWND window)
{
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!handleDialogKey(window, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

HRESULT accessibleNameResult(HWND window)
{
    const auto *self
        = reinterpret_cast<const MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->accessibleNameResult() : E_INVALIDARG;
}

} // namespace kelvaro::win32
