#pragma once

#include "colours.h"

#include <windows.h>

#include <optional>

namespace kelvaro::win32 {

// The system's colours as they are now, and whether the user has high contrast on.
[[nodiscard]] SystemColours systemColours();

// Tests and screenshots stand in for the system's scheme here, in this process only: Wine can
// switch high contrast neither on nor off. Empty: the system's own again.
void forceSystemColours(std::optional<SystemColours> colours);

[[nodiscard]] COLORREF toColorRef(Rgb colour);
[[nodiscard]] Rgb toRgb(COLORREF colour);

} // namespace kelvaro::win32
