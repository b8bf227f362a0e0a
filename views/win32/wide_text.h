#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace kelvaro::win32 {

// The model's UTF-8 text as the UTF-16 that the wide Windows API takes, at the boundary only.
[[nodiscard]] std::wstring toWide(std::string_view text);

// A window's caption or a control's text, as the wide API gives it.
[[nodiscard]] std::wstring windowText(HWND window);

} // namespace kelvaro::win32
