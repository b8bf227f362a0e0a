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

// Remembers the picks of the three element lists, clears their selection, and applies the rules.
[[nodiscard]] Identification identifyAlloy(Kelvaro &form);

// Writes the report of a found alloy and marks it found; deselects every alloy button.
void reportAlloy(Kelvaro &form, const Identification &identification);

void CheckAlloy(Kelvaro &form);

} // namespace kelvaro
