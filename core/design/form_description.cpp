#include "form_description.h"

#include "catalogue.h"

namespace kelvaro {

namespace {

constexpr Rgb lightBlue {192, 192, 255};
constexpr Rgb lightOrange {255, 192, 128};
constexpr Rgb paleYellow {255, 255, 192};
constexpr Rgb lightGreen {128, 255, 128};
constexpr Rgb red {255, 0, 0};

ControlDescription label(Index index, TwipsRect rect, std::string_view caption, Index tab,
                         Index heads)
{
    return {.kind = ControlKind::Label,
            .array = "Label1",
            .index = index,
            .rect = rect,
            .background = lightOrange,
            .tabIndex = tab,
            .caption = caption,
            .heads = heads};
}

ControlDescription frame(TwipsRect rect, std::string_view caption, Index tab,
                         std::string_view accessibleName)
{
    return {.kind = ControlKind::Frame,
            .array = "Frame1",
            .rect = rect,
            .background = lightBlue,
            .tabIndex = tab,
            .caption = caption,
            .accessibleName = accessibleName};
}

ControlDescription list(Index index, TwipsRect rect, std::span<const std::string_view> items,
                        Index tab, std::string_view accessibleName)
{
    return {.kind = ControlKind::ListBox,
            .array = "List1",
            .index = index,
            .rect = rect,
            .tabIndex = tab,
            .items = items,
            .accessibleName = accessibleName};
}

// A list that only holds catalogue data for the program: never drawn, never reached.
ControlDescription hiddenList(Index index, TwipsRect rect, std::span<const std::string_view> items,
                              Index tab)
{
    ControlDescription hidden = list(index, rect, items, tab, {});
    hidden.shown = false;
    return hidden;
}

ControlDescription command(Index index, TwipsRect rect, Rgb colour, std::string_view caption,
                           Index tab)
{
    return {.kind = ControlKind::CommandButton,
            .array = "Command1",
            .index = index,
            .rect = rect,
            .background = colour,
            .tabIndex = tab,
            .caption = caption};
}

ControlDescription textBox(Index index, TwipsRect rect, std::string_view text, bool shown,
                           Index tab, std::string_view accessibleName = {})
{
    return {.kind = ControlKind::TextBox,
            .array = "Text1",
            .index = index,
            .rect = rect,
            .shown = shown,
            .tabIndex = tab,
            .text = text,
            .accessibleName = accessibleName};
}

ControlDescription alloyButton(Index index)
{
    return {.kind = ControlKind::OptionButton,
            .array = "Option1",
            .index = index,
            .rect = {240, 300 + 300 * index, 1935, 300},
            .background = paleYellow,
            .tabIndex = static_cast<Index>(4 + index),
            .caption = catalogue::alloyNames.at(static_cast<std::size_t>(index)),
            .inFrame = true};
}

std::vector<ControlDescription> kelvaroControls()
{
    using catalogue::alloyDescriptions, catalogue::alloyNames, catalogue::elementNames;
    std::vector<ControlDescription> controls {
        textBox(0, {120, 4440, 7335, 1815}, catalogue::taskStatement, true, 0, "Задача и отчет"),
        textBox(1, {600, 4680, 6735, 1815}, catalogue::saying, false, 1),
        label(0, {960, 0, 5775, 375}, "Kelvaro", 2, 0), // the title, over all of the window
        frame({360, 480, 2415, 3375}, "Kelvaro", 3, "Сплави"),
    };
    for (Index i = 0; i < static_cast<Index>(alloyNames.size()); ++i)
        controls.push_back(alloyButton(i));
    controls.push_back(hiddenList(0, {0, 600, 375, 3195}, alloyNames, 14));
    controls.push_back(list(1, {3000, 840, 1455, 2910}, elementNames, 15, "Първи елемент"));
    controls.push_back(list(2, {4560, 840, 1455, 2910}, elementNames, 16, "Втори елемент"));
    controls.push_back(list(3, {6120, 840, 1455, 2910}, elementNames, 17, "Трети елемент"));
    controls.push_back(command(0, {600, 3960, 1455, 285}, lightGreen, "Провери", 18));
    controls.push_back(command(1, {5400, 3960, 1455, 285}, red, "Чисти", 19));
    controls.push_back(hiddenList(4, {2640, 840, 375, 3195}, alloyDescriptions, 20));
    controls.push_back(label(1, {3000, 480, 4575, 375}, "Участващ химически елемент", 21, 15));
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
        .name = "Kelvaro",
        .caption = "Kelvaro",
        .clientWidth = 7665,
        .clientHeight = 6360,
        .background = lightBlue,
        .font = {.family = "Times New Roman", .pointSize = 12, .charset = 204},
        .fixedBorder = true,
        .minButton = false,
        .maxButton = false,
        .controlBox = true,
        .centredOnScreen = true,
        .controls = kelvaroControls(),
    };
    return form;
}

std::string controlName(const ControlDescription &control)
{
    std::string name(control.array);
    if (control.index) {
        name += '_';
        name += std::to_string(*control.index);
    }
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
