#pragma once

#include "form_description.h"
#include "window_model.h"

#include <cstddef>
#include <string>
#include <vector>

// What any window shows and says of the model, worked out with no toolkit. A window creates the
// shown controls in the order of shownControls(), applies viewState() after every change, setting
// only what differs from what it shows, and feeds the user's input back through the functions
// at the end. It decides nothing itself.
namespace kelvaro {

// One shown control, as the window shows it and as a screen reader hears it.
struct ControlView
{
    const ControlDescription *control = nullptr;
    std::string text; // a caption, or a text box's whole text with CR LF line ends
    bool checked = false; // an alloy button's Value
    Index pick = noSelection; // a list's selected row
    std::string accessibleName;
    std::string accessibleDescription;
    bool tabStop = false; // Tab stops here; of the alloy group, only at one button
    bool fromFirstLine = false; // a text box: a new text is shown from its first line
    friend bool operator==(const ControlView &, const ControlView &) = default;
};

// The window's frame, as every view that has one gives it.
struct WindowView
{
    std::string title;
    bool systemMenu = false; // with the close button
    bool minimizeButton = false;
    bool maximizeButton = false;
    bool resizable = false; // by dragging its border
    bool centred = false; // on the screen, at start
};

// One entry per shown control, in the order of shownControls().
using ViewState = std::vector<ControlView>;

// The controls that a window shows, in tab order; the hidden data holders live in the model only.
[[nodiscard]] const std::vector<const ControlDescription *> &shownControls();

// The position in shownControls() of the control that has the focus when the window opens.
[[nodiscard]] std::size_t focusAtStart();

// The shown controls in the order they are read, and shown where a window lays them out in one
// flow: the tab order, with each label just before the control it stands over.
[[nodiscard]] const std::vector<const ControlDescription *> &readingOrder();

[[nodiscard]] ViewState viewState(const Kelvaro &form);

[[nodiscard]] WindowView windowView();

// The user picks `row` of an element list, or takes the pick back with -1.
void pickRow(Kelvaro &form, const ControlDescription &list, Index row);

// The user selects an alloy button.
void selectButton(Kelvaro &form, const ControlDescription &button);

// The user presses a command button: runs its command and returns the one sentence that a screen
// reader says of the outcome, worked out before the command empties the picks it is about.
[[nodiscard]] std::string pressCommand(Kelvaro &form, const ControlDescription &button);

} // namespace kelvaro
