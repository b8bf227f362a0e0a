#pragma once

#include <windows.h>

namespace kelvaro::win32 {

// Draws an owner-drawn command button filled with its colour and its caption in `text`: raised,
// sunk while pressed, and with the focus rectangle while it has the focus.
void drawCommandButton(const DRAWITEMSTRUCT &item, HBRUSH fill, COLORREF text);

} // namespace kelvaro::win32
