#pragma once

#include <windows.h>

namespace kelvaro::win32 {

// The dialog manager marks a push button as the default one or not with BM_SETSTYLE, which
// replaces the button's type: an owner-drawn button would become a grey push button. The style
// to set instead, which keeps it owner-drawn.
[[nodiscard]] WPARAM keepOwnerDrawn(WPARAM style);

// Draws an owner-drawn command button filled with its colour and its caption in `text`: raised,
// sunk while pressed, and while it has the focus, which makes it the button that Enter presses,
// framed in `text` as a default button is, with the focus rectangle.
void drawCommandButton(const DRAWITEMSTRUCT &item, HBRUSH fill, COLORREF text);

} // namespace kelvaro::win32
