#pragma once

#include "view_state.h"

#include <windows.h>

// The window's frame, from the view state, and its size, place and font at a DPI, from the design
// table.
namespace kelvaro::win32 {

[[nodiscard]] DWORD windowStyle(const WindowView &frame);

// The one font of the window at `dpi`, or the next serif face with Cyrillic where it is missing.
[[nodiscard]] HFONT createWindowFont(UINT dpi);

// The client area of the table at `dpi`, in pixels.
[[nodiscard]] SIZE clientSizeAt(UINT dpi);

// The size of the whole window whose client area is the table's at `dpi`.
[[nodiscard]] SIZE windowSizeAt(HWND window, UINT dpi);

// Places the window at `left`, `top` with a client area of exactly `client`.
void placeWindow(HWND window, int left, int top, SIZE client, UINT dpi);

// Sizes the client area from the table at the window's DPI and centres the window on its screen.
void centreOnScreen(HWND window);

} // namespace kelvaro::win32
