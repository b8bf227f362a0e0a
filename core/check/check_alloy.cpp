#include "check_alloy.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

namespace {

struct Rule
{
    std::string_view first;
    std::string_view second;
    std::optional<std::string_view> third; // empty: a two-element alloy, the third list is ignored
    Index alloy;
};

// Evaluated in this order, every one of them: a later match replaces an earlier one, which is
// how copper, zinc and nickel make alpaca rather than brass.
constexpr std::array<Rule, 10> rules {{
    {"мед", "цинк", std::nullopt, 6},
    {"мед", "калай", std::nullopt, 1},
    {"мед", "никел", std::nullopt, 5},
    {"желязо", "въглерод", std::nullopt, 8},
    {"мед", "цинк", "никел", 0},
    {"злато", "сребро", "никел", 2},
    {"галий", "индий", "калай", 3},
    {"желязо", "хром", "алуминий", 4},
    {"никел", "хром", "желязо", 7},
    {"злато", "сребро", "мед", 9},
}};

constexpr std::string_view prefix = "Елементи на сплавта ";
constexpr std::string_view infix = " са: ";
constexpr std::string_view firstSeparator = " ";
constexpr std::string_view separator = ", ";
constexpr std::string_view lineEnd = "\r\n";

const std::string &pickedText(const Kelvaro &form, const Picks &picks, std::size_t list)
{
    return form.List1.at(list).List(picks.positions.at(list - 1));
}

} // namespace

Picks currentPicks(const Kelvaro &form)
{
    Picks picks;
    for (std::size_t list = 1; list <= 3; ++list)
        picks.positions.at(list - 1) = form.List1.at(list).ListIndex();
    return picks;
}

Index alloyNamedBy(const Kelvaro &form, const Picks &picks)
{
    const std::string &first = pickedText(form, picks, 1);
    const std::string &second = pickedText(form, picks, 2);
    const std::string &third = pickedText(form, picks, 3);
    // A later rule overrides an earlier one, so the last match in rule order counts.
    const auto match = std::find_if(rules.rbegin(), rules.rend(), [&](const Rule &rule) {
        return first == rule.first && second == rule.second
            && (!rule.third || third == *rule.third);
    });
    return match == rules.rend() ? noSelection : match->alloy;
}

Identification identifyAlloy(Kelvaro &form)
{
    Identification result;
    result.picks = currentPicks(form);
    clearElementPicks(form);
    result.alloy = alloyNamedBy(form, result.picks);
    return result;
}

void reportAlloy(Kelvaro &form, const Identification &identification)
{
    const Index alloy = identification.alloy;
    if (alloy != noSelection) {
        const auto i = static_cast<std::size_t>(alloy);
        // The name comes from the names list: the button's caption is blank once the alloy is
        // found.
        std::string report
            = std::string(prefix) + alloyNames(form).List(alloy) + std::string(infix);
        for (std::size_t list = 1; list <= 3; ++list) {
            if (identification.picks.positions.at(list - 1) == noSelection)
                continue;
            report += list == 1 ? firstSeparator : separator;
            report += pickedText(form, identification.picks, list);
        }
        report += lineEnd;
        report += descriptions(form).List(alloy);
        report += lineEnd;
        form.Text1[0].Text = std::move(report);
        form.Option1.at(i).Caption.clear();
    }
    for (OptionButton &button : form.Option1)
        button.Value = false;
}

void CheckAlloy(Kelvaro &form)
{
    reportAlloy(form, identifyAlloy(form));
}

} // namespace kelvaro
