#include "commands.h"

#include "check_alloy.h"

namespace kelvaro {

void Command1_Click(Kelvaro &form, Index index)
{
    if (index == 0)
        CheckAlloy(form);
    else if (index == 1)
        ClearAll(form);
}

void ClearAll(Kelvaro &form)
{
    for (std::size_t i = 0; i < form.Option1.size(); ++i)
        form.Option1[i].Caption = alloyNames(form).List(static_cast<Index>(i));
    clearElementPicks(form);
}

} // namespace kelvaro
