#pragma once

#include "view_state.h"

#include <string>
#include <string_view>

// What the browser page is told, as JSON: the design of the window, to build its controls from,
// and the view state, to show. The page's script only places, shows and forwards; every rule of
// what the window shows or says stays here and in the view state.
namespace kelvaro::web {

// A JSON string literal of `text`, quotes included.
[[nodiscard]] std::string jsonString(std::string_view text);

// The window and its shown controls, in the order of shownControls():
// {"title","width","height","background","color","font":{"family","points"},"focus",
//  "controls":[{"id","kind","left","top","width","height","inFrame","background","color",
//  "items"}]}. Sizes are in pixels at 96 dots per inch; an option button's place is within the
// frame. A control whose colours the design leaves to the system has null ones.
[[nodiscard]] std::string designJson();

// One object per shown control, in the same order:
// [{"text","checked","pick","name","description","tabStop"}].
[[nodiscard]] std::string viewJson(const ViewState &state);

} // namespace kelvaro::web
