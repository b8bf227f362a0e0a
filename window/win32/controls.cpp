#include "controls.h"

#include "wide_text.h"

#include <algorithm>
#include <vector>

namespace kelvaro::win32 {

namespace {

struct ControlClass
{
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

// Every control but the radio buttons after the first starts a group, so that the arrow keys
// move only inside the alloy group.
ControlClass controlClass(const ControlDescription &control)
{
    constexpr DWORD group = WS_GROUP | WS_TABSTOP;
    switch (control.kind) {
    case ControlKind::Label:
        return {L"STATIC", WS_GROUP | SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::Frame:
        return {L"BUTTON", WS_GROUP | BS_GROUPBOX, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON | (control.index == 0 ? group : 0), 0};
    case ControlKind::ListBox:
        return {L"LISTBOX", group | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        return {L"BUTTON", group | BS_OWNERDRAW, 0};
    case ControlKind::TextBox:
        return {L"EDIT", group | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }
    return {};
}

std::string_view initialText(const ControlDescription &control, const Kelvaro &form)
{
    const auto i = static_cast<std::size_t>(control.index.value_or(0));
    switch (control.kind) {
    case ControlKind::Label:
        return form.Label1.at(i).Caption;
    case ControlKind::Frame:
        return form.Frame1.Caption;
    case ControlKind::OptionButton:
        return form.Option1.at(i).Caption;
    case ControlKind::CommandButton:
        return form.Command1.at(i).Caption;
    case ControlKind::TextBox:
        return form.Text1.at(i).Text;
    case ControlKind::ListBox:
        break;
    }
    return {};
}

// A multi-line EDIT wants every key, so Tab would stay in the report box and Esc would close
// the window; the report box leaves them to the window's dialog keys. The EDIT's own procedure
// is kept in the box's user data.
LRESULT CALLBACK reportBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *const editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_USERDATA));
    const LRESULT result = CallWindowProcW(editProc, box, message, wParam, lParam);
    if (message == WM_GETDLGCODE)
        return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    return result;
}

void leaveDialogKeysToTheWindow(HWND box)
{
    const LONG_PTR editProc
        = SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(reportBoxProc));
    SetWindowLongPtrW(box, GWLP_USERDATA, editProc);
}

std::vector<const ControlDescription *> shownInTabOrder()
{
    std::vector<const ControlDescription *> shown;
    for (const ControlDescription &control : kelvaroForm().controls) {
        if (control.shown) // the hidden data holders live in the model only
            shown.push_back(&control);
    }
    std::sort(shown.begin(), shown.end(),
              [](const auto *a, const auto *b) { return a->tabIndex < b->tabIndex; });
    return shown;
}

HWND &slot(Controls &controls, const ControlDescription &control)
{
    const auto i = static_cast<std::size_t>(control.index.value_or(0));
    switch (control.kind) {
    case ControlKind::Label:
        return controls.Label1.at(i);
    case ControlKind::Frame:
        return controls.Frame1;
    case ControlKind::OptionButton:
        return controls.Option1.at(i);
    case ControlKind::ListBox:
        return controls.List1.at(i);
    case ControlKind::CommandButton:
        return controls.Command1.at(i);
    case ControlKind::TextBox:
        break;
    }
    return controls.Text1.at(i);
}

void addItems(HWND list, const ListBox &items)
{
    for (Index i = 0; i < items.ListCount(); ++i)
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(toWide(items.List(i)).c_str()));
}

} // namespace

int controlId(const ControlDescription &control)
{
    return controlId(control.kind, control.index.value_or(0));
}

const ControlDescription *describeControl(int id)
{
    const std::vector<ControlDescription> &controls = kelvaroForm().controls;
    const auto found = std::find_if(controls.begin(), controls.end(), [id](const auto &control) {
        return control.shown && controlId(control) == id;
    });
    return found != controls.end() ? &*found : nullptr;
}

COLORREF toColorRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
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

Controls createControls(HWND window, const Kelvaro &form)
{
    Controls controls;
    auto *const instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const ControlDescription *control : shownInTabOrder()) {
        const ControlClass kind = controlClass(*control);
        HWND created = CreateWindowExW(
            kind.exStyle, kind.name, toWide(initialText(*control, form)).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(*control))), instance, nullptr);
        if (control->kind == ControlKind::ListBox)
            addItems(created, form.List1.at(static_cast<std::size_t>(*control->index)));
        if (control->kind == ControlKind::TextBox)
            leaveDialogKeysToTheWindow(created);
        slot(controls, *control) = created;
    }
    return controls;
}

void placeControls(HWND window, UINT dpi, HFONT font)
{
    for (const ControlDescription *control : shownInTabOrder()) {
        HWND hwnd = GetDlgItem(window, controlId(*control));
        const RECT rect = toPixels(*control, dpi);
        SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

} // namespace kelvaro::win32
