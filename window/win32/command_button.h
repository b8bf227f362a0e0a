#pragma once

#include <windows.h>

namespace kelvaro::win32 {

// The dialog manager makes the focused push button the default one, and takes that from it
// again, with BM_SETSTYLE, which replaces a button's type: an owner-drawn button would become a
// grey push button. Notes whether `button` is the default and returns the style to set instead,
// which keeps it owner-drawn.
[[nodiscard]] WPARAM keepOwnerDrawn(HWND button, WPARAM style);

// Takes the note of keepOwnerDrawn() off `button`, as it is destroyed.
void forgetDefault(HWND button);

// Draws an owner-drawn command button filled with its colour and its caption in `text`: raised,
// sunk while pressed, framed in `text` while it is the default button, and with the focus
// rectangle while it has the focus.
void drawCommandButton(const DRAWITEMSTRUCT &item, HBRUSH fill, COLORREF text);

} // namespace kelvaro::win32
