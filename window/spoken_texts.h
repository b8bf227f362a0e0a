#pragma once

#include "window_model.h"

#include <string>

// What a screen reader says of the window's state, in words that every window uses alike.
namespace kelvaro {

// The accessible name of alloy button `alloy`: its caption, or, once the caption is blank, the
// alloy's name and that it has been found, so that the button is never silent.
[[nodiscard]] std::string alloyButtonName(const Kelvaro &form, Index alloy);

} // namespace kelvaro
