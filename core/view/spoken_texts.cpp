#include "spoken_texts.h"

#include "check_alloy.h"

namespace kelvaro {

std::string alloyButtonName(const Kelvaro &form, Index alloy)
{
    if (!isFound(form, alloy))
        return form.Option1.at(static_cast<std::size_t>(alloy)).Caption;
    // "сплав" is feminine whatever the gender of the alloy's own name.
    return alloyNames(form).List(alloy) + ", намерена сплав";
}

std::string commandOutcome(const Kelvaro &form, Index command)
{
    if (command == 1)
        return "Всичко е изчистено. Започни упражнението отначало.";
    if (command != 0)
        return {};
    const Index alloy = alloyNamedBy(form, currentPicks(form));
    if (alloy == noSelection)
        return "Няма сплав с тези елементи в този ред.";
    // From the names list: the caption of an alloy found before is blank.
    return "Намерена сплав: " + alloyNames(form).List(alloy) + ".";
}

std::string pickDescription(const Kelvaro &form, std::size_t list)
{
    const ListBox &box = form.List1.at(list);
    if (box.ListIndex() == noSelection)
        return "Няма избран елемент.";
    return "Избран елемент: " + box.List(box.ListIndex()) + ".";
}

} // namespace kelvaro
