#include "controls.h"

#include "annotations.h"
#include "command_button.h"
#include "wide_text.h"

#include <algorithm>

namespace kelvaro::win32 {

namespace {

struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

// Every control but the radio buttons after the first starts a group, so that the arrow keys
// move only inside the alloy group. The view state sets the tab stops.
ControlClass controlClass(const ControlDescription &control)
{
    switch (control.kind) {
    case ControlKind::Label:
        return {L"STATIC", WS_GROUP | SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::Frame:
        return {L"BUTTON", WS_GROUP | BS_GROUPBOX, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON | (control.index == 0 ? DWORD {WS_GROUP} : 0), 0};
    case ControlKind::ListBox:
        return {L"LISTBOX", WS_GROUP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        return {L"BUTTON", WS_GROUP | BS_OWNERDRAW, 0};
    case ControlKind::TextBox:
        return {L"EDIT", WS_GROUP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }
    return {};
}

// The control's own window procedure, kept in its user data by subclass().
LRESULT callOwnProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *const own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return CallWindowProcW(own, control, message, wParam, lParam);
}

// A multi-line EDIT wants every key, so Tab would stay in the report box and Esc would close the
// window; the report box leaves them to the window's dialog keys.
LRESULT CALLBACK reportBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = callOwnProcedure(box, message, wParam, lParam);
    if (message == WM_GETDLGCODE)
        return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    return result;
}

// Enter presses the focused button of a dialog, its default one; an owner-drawn button is no
// push button to the dialog manager until it says it is the default. It stays owner-drawn when
// the dialog manager then changes its type.
LRESULT CALLBACK commandButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BM_SETSTYLE)
        wParam = keepOwnerDrawn(wParam);
    const LRESULT result = callOwnProcedure(button, message, wParam, lParam);
    if (message == WM_GETDLGCODE)
        return (result & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
    return result;
}

void subclass(HWND control, WNDPROC procedure)
{
    const LONG_PTR own
        = SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SetWindowLongPtrW(control, GWLP_USERDATA, own);
}

void addItems(HWND list, const ControlDescription &control)
{
    for (std::string_view item : control.items)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
}

// Rewrites a text only when it changed, so that nothing flickers and a reader keeps his place.
bool showText(HWND control, const std::wstring &text)
{
    if (windowText(control) == text)
        return false;
    SetWindowTextW(control, text.c_str());
    return true;
}

void showTabStop(HWND control, bool tabStop)
{
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const LONG_PTR wanted = tabStop ? style | WS_TABSTOP : style & ~LONG_PTR {WS_TABSTOP};
    if (wanted != style)
        SetWindowLongPtrW(control, GWL_STYLE, wanted);
}

} // namespace

int controlId(const ControlDescription &control)
{
    return controlId(control.kind, control.index.value_or(0));
}

const ControlDescription *describeControl(int id)
{
    const auto &shown = shownControls();
    const auto found = std::find_if(shown.begin(), shown.end(), [id](const auto *control) {
        return controlId(*control) == id;
    });
    return found != shown.end() ? *found : nullptr;
}

RECT toPixels(const ControlDescription &control, UINT dpi)
{
    TwipsRect twips = control.rect;
    if (control.inFrame) {
        const ControlDescription *frame = describeControl(controlId(ControlKind::Frame, 0));
        twips.left += frame->rect.left;
        twips.top += frame->rect.top;
    }
    const auto pixels = [dpi](int value) { return MulDiv(value, static_cast<int>(dpi), 1440); };
    const int left = pixels(twips.left);
    const int top = pixels(twips.top);
    return {left, top, left + pixels(twips.width), top + pixels(twips.height)};
}

std::vector<HWND> createControls(HWND window)
{
    std::vector<HWND> controls;
    auto *const instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const ControlDescription *control : shownControls()) {
        const ControlClass kind = controlClass(*control);
        HWND created = CreateWindowExW(
            kind.exStyle, kind.name, L"", WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(*control))), instance, nullptr);
        if (control->kind == ControlKind::ListBox)
            addItems(created, *control);
        if (control->kind == ControlKind::TextBox)
            subclass(created, reportBoxProc);
        if (control->kind == ControlKind::CommandButton)
            subclass(created, commandButtonProc);
        controls.push_back(created);
    }
    return controls;
}

void placeControls(const std::vector<HWND> &controls, UINT dpi, HFONT font)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT rect = toPixels(*shownControls().at(i), dpi);
        SetWindowPos(controls[i], nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void showView(HWND control, const ControlView &view)
{
    const ControlKind kind = view.control->kind;
    if (kind != ControlKind::ListBox && showText(control, toWide(view.text))
        && view.fromFirstLine) {
        SendMessageW(control, EM_SETSEL, 0, 0);
        SendMessageW(control, EM_SCROLLCARET, 0, 0);
    }
    const WPARAM check = view.checked ? BST_CHECKED : BST_UNCHECKED;
    if (kind == ControlKind::OptionButton
        && static_cast<WPARAM>(SendMessageW(control, BM_GETCHECK, 0, 0)) != check)
        SendMessageW(control, BM_SETCHECK, check, 0);
    if (kind == ControlKind::ListBox && SendMessageW(control, LB_GETCURSEL, 0, 0) != view.pick)
        SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(view.pick), 0);
    // After the check: unchecking a radio button takes its tab stop away.
    showTabStop(control, view.tabStop);
}

void annotate(HWND control, const ControlView &view, const ControlView *before,
              Annotations &annotations)
{
    if (before == nullptr || before->accessibleName != view.accessibleName)
        annotations.name(control, toWide(view.accessibleName));
    if (before == nullptr ? !view.accessibleDescription.empty()
                          : before->accessibleDescription != view.accessibleDescription)
        annotations.describe(control, toWide(view.accessibleDescription));
}

} // namespace kelvaro::win32
