#pragma once

#include "form_description.h"

#include <windows.h>

#include <array>

// The system's own controls for the shown controls of the design table, made by one loop over it.
namespace kelvaro::win32 {

// Every control's id, after its control: Option1(6) is 306, List1(2) is 402. Ids from 100 up
// stay clear of IDOK and IDCANCEL, which Enter and Esc send to the window.
[[nodiscard]] constexpr int controlId(ControlKind kind, Index index)
{
    return 100 * (static_cast<int>(kind) + 1) + index;
}

[[nodiscard]] int controlId(const ControlDescription &control);

// The shown control with this id, or none.
[[nodiscard]] const ControlDescription *describeControl(int id);

[[nodiscard]] COLORREF toColorRef(Rgb colour);

// A rectangle of the table in pixels at `dpi`, in the window's client coordinates.
[[nodiscard]] RECT toPixels(const ControlDescription &control, UINT dpi);

struct Controls
{
    std::array<HWND, 5> List1 {};
    std::array<HWND, 10> Option1 {};
    std::array<HWND, 2> Text1 {};
    std::array<HWND, 2> Command1 {};
    std::array<HWND, 2> Label1 {};
    HWND Frame1 {};
};

// Creates every shown control in tab order, with the model's captions, items and text.
[[nodiscard]] Controls createControls(HWND window, const Kelvaro &form);

// Places the controls at `dpi` and gives every one of them the window's font.
void placeControls(HWND window, UINT dpi, HFONT font);

} // namespace kelvaro::win32
