#pragma once

#include "window_model.h"

#include <array>

// The check command: which alloy do the picked elements name, and the report about it.
namespace kelvaro {

struct Picks
{
    std::array<Index, 3> positions {noSelection, noSelection, noSelection}; // lists 1 to 3
};

struct Identification
{
    Index alloy = noSelection;
    Picks picks;
};

// The picks of the three element lists as they stand.
[[nodiscard]] Picks currentPicks(const Kelvaro &form);

// The alloy whose rule the picks meet, the last of them in rule order; -1 when none does.
[[nodiscard]] Index alloyNamedBy(const Kelvaro &form, const Picks &picks);

// Remembers the picks of the three element lists, clears their selection, and applies the rules.
[[nodiscard]] Identification identifyAlloy(Kelvaro &form);

// Writes the report of a found alloy and marks it found; deselects every alloy button.
void reportAlloy(Kelvaro &form, const Identification &identification);

void CheckAlloy(Kelvaro &form);

} // namespace kelvaro
