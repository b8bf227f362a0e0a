#pragma once

#include "window_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>

// The user's picks in the three element lists, by the elements' names, for the core's tests.
namespace kelvaro::tests {

// The user selects `element` in element list `list` (1 to 3); an empty text picks nothing.
inline void pick(Kelvaro &form, std::size_t list, std::string_view element)
{
    if (element.empty())
        return;
    ListBox &box = form.List1.at(list);
    for (Index i = 0; i < box.ListCount(); ++i) {
        if (box.List(i) == element) {
            box.setListIndex(i);
            return;
        }
    }
    throw std::invalid_argument("no element " + std::string(element));
}

inline void pickAll(Kelvaro &form, std::string_view first, std::string_view second,
                    std::string_view third = {})
{
    pick(form, 1, first);
    pick(form, 2, second);
    pick(form, 3, third);
}

inline void expectNoPicks(const Kelvaro &form)
{
    for (std::size_t list = 1; list <= 3; ++list)
        EXPECT_EQ(form.List1[list].ListIndex(), noSelection) << "List1(" << list << ").ListIndex";
}

} // namespace kelvaro::tests
