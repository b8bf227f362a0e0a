#include "main_window.h"

#include "announcer.h"
#include "form_description.h"
#include "qt_colours.h"
#include "qt_strings.h"
#include "widgets.h"
#include "window_font.h"

#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace kelvaro {

namespace {

Qt::WindowFlags titleBarFlags(const WindowView &frame)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame.systemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (frame.maximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, titleBarFlags(windowView())), form(loadKelvaro())
{
    installAccessibleRoles();
    const FormDescription &description = kelvaroForm();
    setObjectName(toQString(description.name));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvaro-32.png")));
    setFont(windowFont(description, *style()));
    paintControl(this, nullptr);

    QWidget *frame = nullptr; // the container of the alloy buttons
    for (const ControlDescription *control : shownControls()) {
        QWidget *widget = createWidget(*control, control->inFrame ? frame : this);
        if (control->kind == ControlKind::Frame)
            frame = widget;
        if (!widgets.empty())
            QWidget::setTabOrder(widgets.back(), widget);
        widgets.push_back(widget);
        connectInput(widget, *control);
    }
    frameWindow(
        QSize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight)));

    showState();
    widgets.at(focusAtStart())->setFocus(Qt::OtherFocusReason);
}

void MainWindow::frameWindow(QSize clientSize)
{
    const WindowView frame = windowView(); // its title-bar buttons are given at construction
    setWindowTitle(toQString(frame.title));
    if (frame.resizable)
        resize(clientSize);
    else
        setFixedSize(clientSize);
}

void MainWindow::placeOnScreen()
{
    if (!windowView().centred)
        return; // where the window manager puts it
    if (const QScreen *display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::connectInput(QWidget *widget, const ControlDescription &control)
{
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list, &control] {
            const QList<QListWidgetItem *> selected = list->selectedItems();
            const int row = selected.isEmpty() ? noSelection : list->row(selected.first());
            pickRow(form, control, static_cast<Index>(row));
            showState();
        });
    } else if (auto *button = qobject_cast<QRadioButton *>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, &control] {
            selectButton(form, control);
            showState();
        });
    } else if (auto *command = qobject_cast<QPushButton *>(widget)) {
        connect(command, &QAbstractButton::clicked, this, [this, &control] {
            const QString outcome = toQString(pressCommand(form, control));
            showState();
            if (announcer == nullptr) // made when first needed: the first paint does not need it
                announcer = new Announcer(this);
            announcer->say(outcome);
        });
    }
}

void MainWindow::showState()
{
    const ViewState state = viewState(form);
    for (std::size_t i = 0; i < widgets.size(); ++i)
        showView(widgets[i], state[i]);
}

} // namespace kelvaro
