#pragma once

#include "window_model.h"

#include <cstddef>
#include <string>

// The words a screen reader is told of the window's state, free of any toolkit; the view state
// gives them to every window.
namespace kelvaro {

// The accessible name of alloy button `alloy`: its caption, or, once the caption is blank, the
// alloy's name and that it has been found, so that the button is never silent.
[[nodiscard]] std::string alloyButtonName(const Kelvaro &form, Index alloy);

// The one sentence spoken after command button `command` has run, worked out before it runs:
// the check empties the picks it is about. Empty for an index that is no command.
[[nodiscard]] std::string commandOutcome(const Kelvaro &form, Index command);

// The accessible description of element list `list` (1 to 3): the element picked in it.
[[nodiscard]] std::string pickDescription(const Kelvaro &form, std::size_t list);

} // namespace kelvaro
