#include "view_state.h"

#include "commands.h"
#include "spoken_texts.h"

#include <algorithm>
#include <stdexcept>

namespace kelvaro {

namespace {

std::size_t indexOf(const ControlDescription &control)
{
    return static_cast<std::size_t>(control.index.value_or(0));
}

bool takesFocus(const ControlDescription &control)
{
    return control.kind != ControlKind::Label && control.kind != ControlKind::Frame;
}

// The alloy group is one stop of the Tab cycle: its selected button, or the first one.
std::size_t groupTabStop(const Kelvaro &form)
{
    const auto *checked = std::find_if(form.Option1.begin(), form.Option1.end(),
                                       [](const OptionButton &button) { return button.Value; });
    return checked == form.Option1.end() ? 0
                                         : static_cast<std::size_t>(checked - form.Option1.begin());
}

ControlView viewOf(const Kelvaro &form, const ControlDescription &control)
{
    const std::size_t i = indexOf(control);
    ControlView view;
    view.control = &control;
    view.tabStop = takesFocus(control);
    switch (control.kind) {
    case ControlKind::Label:
        view.text = form.Label1.at(i).Caption;
        break;
    case ControlKind::Frame:
        view.text = form.Frame1.Caption;
        break;
    case ControlKind::OptionButton:
        view.text = form.Option1.at(i).Caption;
        view.checked = form.Option1.at(i).Value;
        view.accessibleName = alloyButtonName(form, static_cast<Index>(i));
        view.tabStop = i == groupTabStop(form);
        break;
    case ControlKind::ListBox:
        view.pick = form.List1.at(i).ListIndex();
        view.accessibleDescription = pickDescription(form, i);
        break;
    case ControlKind::CommandButton:
        view.text = form.Command1.at(i).Caption;
        break;
    case ControlKind::TextBox:
        view.text = form.Text1.at(i).Text;
        view.fromFirstLine = true; // a report is read from its start
        break;
    }
    if (view.accessibleName.empty())
        view.accessibleName
            = control.accessibleName.empty() ? view.text : std::string(control.accessibleName);
    return view;
}

void expectKind(const ControlDescription &control, ControlKind kind)
{
    if (control.kind != kind || !control.index)
        throw std::invalid_argument("no such input on " + controlName(control));
}

} // namespace

const std::vector<const ControlDescription *> &shownControls()
{
    static const std::vector<const ControlDescription *> shown = [] {
        std::vector<const ControlDescription *> controls;
        for (const ControlDescription &control : kelvaroForm().controls) {
            if (control.shown)
                controls.push_back(&control);
        }
        std::stable_sort(controls.begin(), controls.end(),
                         [](const auto *a, const auto *b) { return a->tabIndex < b->tabIndex; });
        return controls;
    }();
    return shown;
}

const std::vector<const ControlDescription *> &readingOrder()
{
    static const std::vector<const ControlDescription *> order = [] {
        // Twice the tab position; a label one less than twice that of the control it heads.
        const auto place = [](const ControlDescription *control) {
            return control->kind == ControlKind::Label ? 2 * control->heads - 1
                                                       : 2 * control->tabIndex;
        };
        std::vector<const ControlDescription *> controls = shownControls();
        std::stable_sort(controls.begin(), controls.end(),
                         [&](const auto *a, const auto *b) { return place(a) < place(b); });
        return controls;
    }();
    return order;
}

std::size_t focusAtStart()
{
    const auto &shown = shownControls();
    const auto first = std::find_if(shown.begin(), shown.end(),
                                    [](const auto *control) { return takesFocus(*control); });
    return static_cast<std::size_t>(first - shown.begin());
}

ViewState viewState(const Kelvaro &form)
{
    ViewState state(shownControls().size());
    std::transform(shownControls().begin(), shownControls().end(), state.begin(),
                   [&form](const ControlDescription *control) { return viewOf(form, *control); });
    return state;
}

WindowView windowView()
{
    const FormDescription &form = kelvaroForm();
    return {.title = std::string(form.caption),
            .systemMenu = form.controlBox,
            .minimizeButton = form.minButton,
            .maximizeButton = form.maxButton,
            .resizable = !form.fixedBorder,
            .centred = form.centredOnScreen};
}

void pickRow(Kelvaro &form, const ControlDescription &list, Index row)
{
    expectKind(list, ControlKind::ListBox);
    form.List1.at(indexOf(list)).setListIndex(row);
}

void selectButton(Kelvaro &form, const ControlDescription &button)
{
    expectKind(button, ControlKind::OptionButton);
    selectOption(form, *button.index);
}

std::string pressCommand(Kelvaro &form, const ControlDescription &button)
{
    expectKind(button, ControlKind::CommandButton);
    std::string outcome = commandOutcome(form, *button.index);
    Command1_Click(form, *button.index);
    return outcome;
}

} // namespace kelvaro
