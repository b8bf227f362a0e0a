#pragma once

// How Kelvaro fits together:
//   catalogue/            the fixed content: alloys, elements, the task statement, as data
//   window/model/         the controls of the window and all their state, with no window system
//   window/form_description  the design-time description of the window, which fills the model
//   check/                CheckAlloy: which alloy the picks name, and the report about it
//   window/commands       Command1_Click and ClearAll, the only code that a click runs
//   window/view_state     what any window shows and says of the model, and the user's input
//   window/spoken_texts   the sentences and names a screen reader hears, free of any toolkit
//   window/colours        the colours every control draws with, under any colour scheme
//   window/qt/            this Qt window: widgets creates the controls and shows the view state
//                         on them; announcer speaks each command's outcome, focus_marks draws
//                         the focus, legible_colours keeps the light backgrounds legible
//   window/win32/         the same window in the Windows API, over the same view state

#include "view_state.h"
#include "window_model.h"

#include <QWidget>

#include <vector>

namespace kelvaro {

class Announcer;

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    [[nodiscard]] const Kelvaro &model() const { return form; }

    // Centres the window on its screen, as it appears at start.
    void centreOnScreen();

private:
    void connectInput(QWidget *widget, const ControlDescription &control);
    void showState();

    Kelvaro form;
    std::vector<QWidget *> widgets; // one per shown control, in the order of shownControls()
    Announcer *announcer = nullptr;
};

} // namespace kelvaro
