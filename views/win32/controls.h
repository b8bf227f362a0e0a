#pragma once

#include "form_description.h"
#include "view_state.h"

#include <windows.h>

#include <vector>

// The system's own controls for the shown controls of the design table, made by one loop over
// them, and how each shows its part of the view state.
namespace kelvaro::win32 {

class Annotations;

// Every control's id, after its control: Option1(6) is 306, List1(2) is 402. Ids from 100 up
// stay clear of IDOK and IDCANCEL, which Enter and Esc send to the window.
[[nodiscard]] constexpr int controlId(ControlKind kind, Index index)
{
    return 100 * (static_cast<int>(kind) + 1) + index;
}

[[nodiscard]] int controlId(const ControlDescription &control);

// The shown control with this id, or none.
[[nodiscard]] const ControlDescription *describeControl(int id);

// A rectangle of the table in pixels at `dpi`, in the window's client coordinates.
[[nodiscard]] RECT toPixels(const ControlDescription &control, UINT dpi);

// Creates every shown control, in the order of shownControls(), which is the tab order.
[[nodiscard]] std::vector<HWND> createControls(HWND window);

// Places the controls at `dpi` and gives every one of them the window's font.
void placeControls(const std::vector<HWND> &controls, UINT dpi, HFONT font);

// Sets on `control` whatever of `view` it does not show yet.
void showView(HWND control, const ControlView &view);

// Gives `control` the name and description of `view` for screen readers. Annotations cannot be
// read back, so they are compared with `before`, the view last annotated, if any.
void annotate(HWND control, const ControlView &view, const ControlView *before,
              Annotations &annotations);

} // namespace kelvaro::win32
