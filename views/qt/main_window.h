#pragma once

// The Qt view: the one window, which shows the core's view state and feeds the user's input to
// it (see the README's architecture).

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

    // Puts the window where it appears at start: centred on its screen.
    void placeOnScreen();

private:
    // The title bar, title and border of the view state's frame, around a client area of `size`.
    void frameWindow(QSize clientSize);
    void connectInput(QWidget *widget, const ControlDescription &control);
    void showState();

    Kelvaro form;
    std::vector<QWidget *> widgets; // one per shown control, in the order of shownControls()
    Announcer *announcer = nullptr;
};

} // namespace kelvaro
