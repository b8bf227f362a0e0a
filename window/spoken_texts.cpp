#include "spoken_texts.h"

namespace kelvaro {

std::string alloyButtonName(const Kelvaro &form, Index alloy)
{
    if (!isFound(form, alloy))
        return form.Option1.at(static_cast<std::size_t>(alloy)).Caption;
    // "сплав" is feminine whatever the gender of the alloy's own name.
    return form.List1[0].List(alloy) + ", намерена сплав";
}

} // namespace kelvaro
