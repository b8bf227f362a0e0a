#pragma once

// How Kelvaro fits together:
//   catalogue/            the fixed content (alloys, elements, the window's texts), as data
//   window/model/         the controls of the window and all their state, with no window system
//   window/form_description  the design-time description of the window, which fills the model
//   check/                CheckAlloy: which alloy the picks name, and the report about it
//   window/commands       Command1_Click and ClearAll, the only code that a click runs
//   window/spoken_texts   what a screen reader is told of the model, free of any toolkit
//   window/qt/            this Qt window: it shows the model, feeds the user's selections and
//                         clicks into it, and shows the model again after every command;
//                         announcer speaks each command's outcome, focus_marks draws the focus,
//                         legible_colours keeps the light backgrounds legible under any theme
//   window/win32/         the same window in the Windows API, over the same model

#include "window_model.h"

#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kelvaro {

struct ControlDescription;
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
    QWidget *createControl(const ControlDescription &control, QWidget *container);
    static void orderTabStops(std::vector<std::pair<Index, QWidget *>> tabStops);
    void connectControls();
    void runCommand(Index index);
    void showModel();
    void showOptions();
    void showLists();
    void showReport();
    void describePick(std::size_t list);

    Kelvaro form;
    std::array<QListWidget *, 5> List1 {};
    std::array<QRadioButton *, 10> Option1 {};
    std::array<QPlainTextEdit *, 2> Text1 {};
    std::array<QPushButton *, 2> Command1 {};
    std::array<QLabel *, 2> Label1 {};
    QGroupBox *Frame1 = nullptr;
    Announcer *announcer = nullptr;
};

// The whole text that a text box shows, lines ending in LF, no-break spaces kept.
[[nodiscard]] QString shownText(const QPlainTextEdit &box);

} // namespace kelvaro
