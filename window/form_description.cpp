#include "form_description.h"

#include "catalogue.h"

#include <stdexcept>

namespace kelvaro {

namespace {

constexpr Rgb lightBlue {192, 192, 255};
constexpr Rgb lightOrange {255, 192, 128};
constexpr Rgb paleYellow {255, 255, 192};
constexpr Rgb lightGreen {128, 255, 128};
constexpr Rgb red {255, 0, 0};

ControlDescription label(Index index, TwipsRect rect, std::string_view caption, Index tab)
{
    return {
        ControlKind::Label, "Label1", index, rect, lightOrange, true, tab, caption, {}, {}, false};
}

ControlDescription list(Index index, TwipsRect rect, std::span<const std::string_view> items,
                        bool shown, Index tab)
{
    return {
        ControlKind::ListBox, "List1", index, rect, std::nullopt, shown, tab, {}, items, {}, false};
}

ControlDescription command(Index index, TwipsRect rect, Rgb colour, std::string_view caption,
                           Index tab)
{
    return {ControlKind::CommandButton,
            "Command1",
            index,
            rect,
            colour,
            true,
            tab,
            caption,
            {},
            {},
            false};
}

ControlDescription textBox(Index index, TwipsRect rect, std::string_view text, bool shown,
                           Index tab)
{
    return {
        ControlKind::TextBox, "Text1", index, rect, std::nullopt, shown, tab, {}, {}, text, false};
}

ControlDescription alloyButton(Index index)
{
    const auto i = static_cast<std::size_t>(index);
    return {ControlKind::OptionButton,
            "Option1",
            index,
            {240, 300 + 300 * index, 1935, 300},
            paleYellow,
            true,
            static_cast<Index>(4 + index),
            catalogue::alloyNames.at(i),
            {},
            {},
            true};
}

std::vector<ControlDescription> kelvaroControls()
{
    using catalogue::alloyDescriptions, catalogue::alloyNames, catalogue::elementNames;
    std::vector<ControlDescription> controls {
        textBox(0, {120, 4440, 7335, 1815}, catalogue::taskStatement, true, 0),
        textBox(1, {600, 4680, 6735, 1815}, catalogue::saying, false, 1),
        label(0, {960, 0, 5775, 375}, "Kelvaro", 2),
        {ControlKind::Frame,
         "Frame1",
         std::nullopt,
         {360, 480, 2415, 3375},
         lightBlue,
         true,
         3,
         "Kelvaro",
         {},
         {},
         false},
    };
    for (Index i = 0; i < static_cast<Index>(alloyNames.size()); ++i)
        controls.push_back(alloyButton(i));
    controls.push_back(list(0, {0, 600, 375, 3195}, alloyNames, false, 14));
    controls.push_back(list(1, {3000, 840, 1455, 2910}, elementNames, true, 15));
    controls.push_back(list(2, {4560, 840, 1455, 2910}, elementNames, true, 16));
    controls.push_back(list(3, {6120, 840, 1455, 2910}, elementNames, true, 17));
    controls.push_back(command(0, {600, 3960, 1455, 285}, lightGreen, "Провери", 18));
    controls.push_back(command(1, {5400, 3960, 1455, 285}, red, "Чисти", 19));
    controls.push_back(list(4, {2640, 840, 375, 3195}, alloyDescriptions, false, 20));
    controls.push_back(label(1, {3000, 480, 4575, 375}, "Участващ химически елемент", 21));
    return controls;
}

template<typename Array> auto &element(Array &array, const ControlDescription &control)
{
    return array.at(static_cast<std::size_t>(control.index.value()));
}

std::vector<std::string> toStrings(std::span<const std::string_view> items)
{
    return {items.begin(), items.end()};
}

} // namespace

const FormDescription &kelvaroForm()
{
    static const FormDescription form {
        "Kelvaro", "Kelvaro", 7665,  6360, lightBlue, {"Times New Roman", 12, 204},
        true,      false,     false, true, true,      kelvaroControls(),
    };
    return form;
}

std::string controlName(const ControlDescription &control)
{
    std::string name(control.array);
    if (control.index)
        name += "_" + std::to_string(*control.index);
    return name;
}

Kelvaro loadKelvaro()
{
    Kelvaro form;
    for (const ControlDescription &control : kelvaroForm().controls) {
        const std::string caption(control.caption);
        switch (control.kind) {
        case ControlKind::Label:
            element(form.Label1, control).Caption = caption;
            break;
        case ControlKind::Frame:
            form.Frame1.Caption = caption;
            break;
        case ControlKind::OptionButton:
            element(form.Option1, control).Caption = caption;
            break;
        case ControlKind::ListBox:
            element(form.List1, control) = ListBox(toStrings(control.items));
            break;
        case ControlKind::CommandButton:
            element(form.Command1, control).Caption = caption;
            break;
        case ControlKind::TextBox:
            element(form.Text1, control).Text = std::string(control.text);
            break;
        }
    }
    return form;
}

} // namespace kelvaro
