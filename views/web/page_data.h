#pragma once

#include "view_state.h"

#include <string>
#include <string_view>

// What the browser page is told after start, as JSON: the view state, to show. The page's markup
// holds the window at start (page_markup.h); its script only shows and forwards, and every rule
// of what the window shows or says stays here and in the view state.
namespace kelvaro::web {

// A JSON string literal of `text`, quotes included.
[[nodiscard]] std::string jsonString(std::string_view text);

// One object per shown control, in the order of shownControls(), which the page's markup gives
// by the controls' ids: [{"text","checked","pick","name","description","tabStop","fromFirstLine"}].
[[nodiscard]] std::string viewJson(const ViewState &state);

} // namespace kelvaro::web
