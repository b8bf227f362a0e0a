#pragma once

#include <string>
#include <string_view>

namespace kelvaro::win32 {

// The model's UTF-8 text as the UTF-16 that the wide Windows API takes, at the boundary only.
[[nodiscard]] std::wstring toWide(std::string_view text);

} // namespace kelvaro::win32
