#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The state of the window Kelvaro, held without any window system: the control arrays with the
// few properties that the program reads and writes. The windows only mirror it.
namespace kelvaro {

using Index = std::int16_t;

inline constexpr Index noSelection = -1;

class ListBox
{
public:
    ListBox() = default;
    explicit ListBox(std::vector<std::string> items);

    // The text of item i; List(-1) is the empty text. Any other position throws std::out_of_range.
    [[nodiscard]] const std::string &List(Index i) const;
    [[nodiscard]] Index ListCount() const;

    [[nodiscard]] Index ListIndex() const { return listIndex; }
    // The user selects an item, or anyone sets -1 to remove the selection. Throws
    // std::out_of_range for a position that holds no item.
    void setListIndex(Index i);

private:
    std::vector<std::string> items;
    Index listIndex = noSelection;
};

struct OptionButton
{
    std::string Caption;
    bool Value = false;
};

struct TextBox
{
    std::string Text;
};

struct CommandButton
{
    std::string Caption;
};

struct Label
{
    std::string Caption;
};

struct Frame
{
    std::string Caption;
};

// The controls of the window, addressed like the control arrays they are.
struct Kelvaro
{
    std::array<ListBox, 5> List1;
    std::array<OptionButton, 10> Option1;
    std::array<TextBox, 2> Text1;
    std::array<CommandButton, 2> Command1;
    std::array<Label, 2> Label1;
    Frame Frame1;
};

// The hidden lists that hold the catalogue for the logic, which reads them by position: the
// alloys' names, List1(0), and their descriptions, List1(4).
[[nodiscard]] inline const ListBox &alloyNames(const Kelvaro &form)
{
    return form.List1[0];
}
[[nodiscard]] inline const ListBox &descriptions(const Kelvaro &form)
{
    return form.List1[4];
}

// An alloy whose button shows no caption has been found since the last clear.
[[nodiscard]] bool isFound(const Kelvaro &form, Index alloy);

// Removes the selection of the three element lists, List1(1) to List1(3).
void clearElementPicks(Kelvaro &form);

// The user clicks alloy button `index`: it becomes the one selected button of the frame's group.
void selectOption(Kelvaro &form, Index index);

} // namespace kelvaro
