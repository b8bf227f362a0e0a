#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The fixed content that Kelvaro teaches. All texts are UTF-8 Bulgarian; line ends are CR LF.
namespace kelvaro::catalogue {

inline constexpr std::size_t alloyCount = 10;
inline constexpr std::size_t elementCount = 12;

// Alloy names in Bulgarian alphabetical order; position i is alloy index i everywhere.
inline constexpr std::array<std::string_view, alloyCount> alloyNames = {
    "алпака",     "бронз",  "бяло злато", "галинстан", "кантал",
    "константан", "месинг", "нихром",     "стомана",   "тибетска сплав",
};

// The element vocabulary of the three element lists, in Bulgarian alphabetical order.
inline constexpr std::array<std::string_view, elementCount> elementNames = {
    "алуминий", "въглерод", "галий", "желязо", "злато", "индий",
    "калай",    "мед",      "никел", "сребро", "хром",  "цинк",
};

// One paragraph per alloy, in the order of alloyNames.
extern const std::array<std::string_view, alloyCount> alloyDescriptions;

// The exercise's task statement, shown in the report box at start.
extern const std::string_view taskStatement;

// A saying kept in a hidden text box.
extern const std::string_view saying;

} // namespace kelvaro::catalogue
