#include "main_window.h"

#include "annotations.h"
#include "colours.h"
#include "command_button.h"
#include "controls.h"
#include "dpi.h"
#include "form_description.h"
#include "gdi_object.h"
#include "placement.h"
#include "system_colours.h"
#include "system_function.h"
#include "view_state.h"
#include "wide_text.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <utility>
#include <vector>

namespace kelvaro::win32 {

namespace {

constexpr const wchar_t *className = L"bg.kelvaro.Kelvaro";
constexpr int iconResource = 1;
constexpr UINT_PTR annotationTimer = 1;

bool screenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) != FALSE && running != FALSE;
}

class MainWindow
{
public:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    [[nodiscard]] const Announcer &spoken() const { return announcer; }

private:
    explicit MainWindow(HWND window)
        : window(window), form(loadKelvaro()), announcer(window, annotations)
    { }

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onCreate();
    void onCommand(int id, int code);
    LRESULT onControlColour(UINT message, WPARAM wParam, LPARAM lParam);
    void onEraseBackground(HDC dc);
    void onDrawItem(const DRAWITEMSTRUCT &item);
    void onColoursChanged();
    void startAnnotating();
    void onDpiChanged(UINT dpi, const RECT &suggested);
    void onDestroy();
    void applyDpi(UINT dpi);
    void showState();
    HBRUSH brush(Rgb colour);

    HWND window;
    Kelvaro form;
    std::vector<HWND> controls; // one per shown control, in the order of shownControls()
    ViewState shown; // the view state last shown
    bool annotating = false; // screen readers are told the names and descriptions
    SystemColours colours = systemColours();
    GdiObject<HFONT> font;
    std::vector<std::pair<COLORREF, GdiObject<HBRUSH>>> brushes;
    Annotations annotations;
    Announcer announcer;
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
    case WM_ERASEBKGND:
        onEraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: // high contrast switched on or off, or a screen reader started
        onColoursChanged();
        if (wParam == SPI_SETSCREENREADER)
            startAnnotating();
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_TIMER:
        if (wParam == annotationTimer)
            startAnnotating();
        return 0;
    case dpiScaledSizeMessage: // the size for the new DPI, so that the client area stays exact
        *reinterpret_cast<SIZE *>(lParam) = windowSizeAt(window, static_cast<UINT>(wParam));
        return TRUE;
    case WM_GETMINMAXINFO: // at a high DPI on a small screen, the system would squeeze the window
        reinterpret_cast<MINMAXINFO *>(lParam)->ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && IsChild(window, GetFocus()))
            lastFocus = GetFocus(); // given back when the window is active again
        // The default procedure focuses the window on activation; WM_SETFOCUS passes it on.
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_SETFOCUS:
        SetFocus(lastFocus != nullptr ? lastFocus : controls.at(focusAtStart()));
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
    controls = createControls(window);
    applyDpi(windowDpi(window));
    showState();
    // Annotating loads COM, a few percent of the start: a running screen reader gets the names
    // before the window shows, anyone else right after its first paint, the lowest of messages.
    if (screenReaderRunning())
        startAnnotating();
    else
        SetTimer(window, annotationTimer, 0, nullptr);
}

void MainWindow::startAnnotating()
{
    KillTimer(window, annotationTimer);
    if (annotating)
        return;
    annotating = true;
    for (std::size_t i = 0; i < controls.size(); ++i)
        annotate(controls[i], shown[i], nullptr, annotations);
}

void MainWindow::onCommand(int id, int code)
{
    const ControlDescription *control = describeControl(id);
    if (control == nullptr)
        return; // Enter and Esc elsewhere send IDOK and IDCANCEL: they press nothing
    switch (control->kind) {
    case ControlKind::ListBox:
        if (code == LBN_SELCHANGE) {
            const LRESULT row = SendMessageW(GetDlgItem(window, id), LB_GETCURSEL, 0, 0);
            pickRow(form, *control, static_cast<Index>(row));
            showState();
        }
        break;
    case ControlKind::OptionButton:
        if (code == BN_CLICKED) {
            selectButton(form, *control);
            showState();
        }
        break;
    case ControlKind::CommandButton:
        // Owner-drawn buttons report a second click soon after the first as a double click.
        if (code == BN_CLICKED || code == BN_DOUBLECLICKED) {
            const std::wstring outcome = toWide(pressCommand(form, *control));
            showState();
            announcer.say(outcome);
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
    // Whatever sets a background sets its text colour too: a scheme's text may not suit it.
    const ControlColours drawn = controlColours(*control, colours);
    auto *const dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, toColorRef(drawn.text));
    SetBkColor(dc, toColorRef(drawn.background));
    return reinterpret_cast<LRESULT>(brush(drawn.background));
}

void MainWindow::onEraseBackground(HDC dc)
{
    RECT client {};
    GetClientRect(window, &client);
    FillRect(dc, &client, brush(formColours(kelvaroForm(), colours).background));
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT &item)
{
    const ControlDescription *control = describeControl(static_cast<int>(item.CtlID));
    if (control == nullptr || control->kind != ControlKind::CommandButton)
        return;
    const ControlColours drawn = controlColours(*control, colours);
    drawCommandButton(item, brush(drawn.background), toColorRef(drawn.text));
}

void MainWindow::onColoursChanged()
{
    const SystemColours now = systemColours();
    if (now == colours)
        return;
    colours = now;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::onDpiChanged(UINT dpi, const RECT &suggested)
{
    applyDpi(dpi);
    placeWindow(window, suggested.left, suggested.top, clientSizeAt(dpi), dpi);
}

void MainWindow::applyDpi(UINT dpi)
{
    // The controls take the new font before the old one is deleted.
    GdiObject<HFONT> next(createWindowFont(dpi));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), FALSE);
    placeControls(controls, dpi, next.get());
    font = std::move(next);
}

HBRUSH MainWindow::brush(Rgb colour)
{
    const COLORREF wanted = toColorRef(colour);
    const auto made = std::find_if(brushes.begin(), brushes.end(),
                                   [wanted](const auto &entry) { return entry.first == wanted; });
    if (made != brushes.end())
        return made->second.get();
    brushes.emplace_back(wanted, GdiObject<HBRUSH>(CreateSolidBrush(wanted)));
    return brushes.back().second.get();
}

void MainWindow::showState()
{
    const ViewState state = viewState(form);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        showView(controls[i], state[i]);
        if (annotating)
            annotate(controls[i], state[i], &shown.at(i), annotations);
    }
    shown = state;
}

void MainWindow::onDestroy()
{
    // The system keeps an annotation until it is cleared, also past its control's end.
    KillTimer(window, annotationTimer);
    if (annotating) {
        for (HWND control : controls)
            annotations.clear(control);
    }
    if (announcer.liveRegion() != nullptr)
        annotations.clear(announcer.liveRegion());
    PostQuitMessage(0);
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
    windowClass.lpszClassName = className; // no class brush: the window paints its own colours
    return RegisterClassExW(&windowClass) != 0;
}

const MainWindow *windowOf(HWND window)
{
    return reinterpret_cast<const MainWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace

HWND createMainWindow(HINSTANCE instance)
{
    if (!registerWindowClass(instance))
        return nullptr;
    const WindowView frame = windowView();
    HWND window = CreateWindowExW(0, className, toWide(frame.title).c_str(), windowStyle(frame),
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, instance, nullptr);
    if (window != nullptr && frame.centred)
        centreOnScreen(window);
    return window;
}

int runMessageLoop(HWND window)
{
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog keys: Tab, Shift+Tab, the arrows in the alloy group, Space and Enter.
        if (IsDialogMessageW(window, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

int runKelvaro(HINSTANCE instance, int showCommand)
{
    loadLibrariesFromTheSystemOnly();
    HWND window = createMainWindow(instance);
    if (window == nullptr)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return runMessageLoop(window);
}

Announcement lastAnnouncement(HWND window)
{
    const MainWindow *self = windowOf(window);
    return self != nullptr ? self->spoken().lastAnnouncement() : Announcement::none;
}

HWND liveRegion(HWND window)
{
    const MainWindow *self = windowOf(window);
    return self != nullptr ? self->spoken().liveRegion() : nullptr;
}

} // namespace kelvaro::win32
