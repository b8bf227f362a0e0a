#pragma once

#include <string>
#include <string_view>

// The page's markup, written when the page is built, from the design and the view state at
// start: the browser shows the exercise before any script runs, and the page's script only
// applies later view states (page_data.h) and feeds the user's input back.
namespace kelvaro::web {

// `text` with the characters that HTML gives a meaning escaped, for text and attribute values.
[[nodiscard]] std::string htmlText(std::string_view text);

// What goes into the page's head: its title, its colour for the browser and the home screen,
// and the colours of every control, for the usual colour scheme and under forced colours.
[[nodiscard]] std::string headMarkup();

// The window, which names its shown controls in the order of shownControls() (data-controls) and
// the one with the focus at start (data-focus): every shown control in reading order at its place,
// in pixels at 96 dots per inch
// as unitless custom properties (--left, --top, --width, --height); the alloy buttons in their
// frame, the element lists under their heading in #elements, and the command buttons with the
// line that says each command's outcome (#outcome) in #commands.
[[nodiscard]] std::string windowMarkup();

} // namespace kelvaro::web
