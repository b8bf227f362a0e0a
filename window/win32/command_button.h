#pragma once

#include <windows.h>

namespace kelvaro::win32 {

// Draws an owner-drawn command button filled with its colour: raised, sunk while pressed, and
// with the focus rectangle while it has the focus.
void drawCommandButton(const DRAWITEMSTRUCT &item, HBRUSH fill);

} // namespace kelvaro::win32
