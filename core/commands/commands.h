#pragma once

#include "window_model.h"

namespace kelvaro {

// The click handler of the command buttons: 0 checks the picks, 1 clears; any other does nothing.
void Command1_Click(Kelvaro &form, Index index);

// Starts the exercise afresh: every alloy button shows its name again and no element is picked.
void ClearAll(Kelvaro &form);

} // namespace kelvaro
