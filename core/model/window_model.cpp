#include "window_model.h"

#include <stdexcept>
#include <utility>

namespace kelvaro {

namespace {
const std::string emptyText;
}

ListBox::ListBox(std::vector<std::string> items) : items(std::move(items))
{
    if (this->items.size() > static_cast<std::size_t>(INT16_MAX))
        throw std::length_error("ListBox: too many items");
}

const std::string &ListBox::List(Index i) const
{
    if (i == noSelection)
        return emptyText;
    if (i < 0 || i >= ListCount())
        throw std::out_of_range("ListBox::List: no item " + std::to_string(i));
    return items[static_cast<std::size_t>(i)];
}

Index ListBox::ListCount() const
{
    return static_cast<Index>(items.size());
}

void ListBox::setListIndex(Index i)
{
    if (i < noSelection || i >= ListCount())
        throw std::out_of_range("ListBox::setListIndex: no item " + std::to_string(i));
    listIndex = i;
}

bool isFound(const Kelvaro &form, Index alloy)
{
    return form.Option1.at(static_cast<std::size_t>(alloy)).Caption.empty();
}

void clearElementPicks(Kelvaro &form)
{
    for (std::size_t list = 1; list <= 3; ++list)
        form.List1.at(list).setListIndex(noSelection);
}

void selectOption(Kelvaro &form, Index index)
{
    const auto selected = static_cast<std::size_t>(index);
    if (index < 0 || selected >= form.Option1.size())
        throw std::out_of_range("selectOption: no alloy button " + std::to_string(index));
    for (std::size_t k = 0; k < form.Option1.size(); ++k)
        form.Option1[k].Value = (k == selected);
}

} // namespace kelvaro
