#pragma once

#include "announcer.h"

#include <windows.h>

// The window Kelvaro in the plain Windows API: a thin view of the window model, built from the
// design table, that shows the view state after every change and decides nothing itself.
namespace kelvaro::win32 {

// Registers the window class and creates the window, centred on its screen but not yet shown.
[[nodiscard]] HWND createMainWindow(HINSTANCE instance);

// Runs the window's messages until it is closed; returns the program's exit code.
int runMessageLoop(HWND window);

// The program: creates the window, shows it as `showCommand` says and runs it to its end.
int runKelvaro(HINSTANCE instance, int showCommand);

// How the window's last sentence reached screen readers, and its live region, if it made one.
[[nodiscard]] Announcement lastAnnouncement(HWND window);
[[nodiscard]] HWND liveRegion(HWND window);

} // namespace kelvaro::win32
