#include "main_window.h"

#include "announcer.h"
#include "commands.h"
#include "focus_marks.h"
#include "form_description.h"
#include "legible_colours.h"
#include "qt_strings.h"
#include "spoken_texts.h"
#include "window_font.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>

#include <algorithm>
#include <utility>
#include <vector>

namespace kelvaro {

namespace {

// Text boxes hold CR LF line ends; Qt breaks lines at LF alone and would show the CR.
QString toDisplayedText(const std::string &text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

QRect toPixels(const TwipsRect &rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

Qt::WindowFlags titleBarFlags(const FormDescription &form)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (form.controlBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (form.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (form.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

QPlainTextEdit *createTextBox(QWidget *container)
{
    auto *box = new ReportBox(container);
    keepSystemColours(box);
    legibleRows(box);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setTabChangesFocus(true);
    box->setUndoRedoEnabled(false);
    box->setAcceptDrops(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QListWidget *createListBox(const ListBox &items, QWidget *container)
{
    auto *list = new QListWidget(container);
    keepSystemColours(list);
    legibleRows(list);
    list->setItemDelegate(new CurrentRowMark(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (Index i = 0; i < items.ListCount(); ++i)
        list->addItem(toQString(items.List(i)));
    return list;
}

// Styles shade a button's colour into a gradient; a command button shows its colour whole.
void fillCommandButton(QPushButton *button, const QColor &colour)
{
    const QColor text = legibleTextOn(colour, button->palette().color(QPalette::ButtonText));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 2px; }"
                       " QPushButton:focus { border: 2px solid %2; }"
                       " QPushButton:pressed { background-color: %3; }")
            .arg(colour.name(), text.name(), colour.darker(150).name()));
}

QPushButton *createCommandButton(const ControlDescription &control, const CommandButton &model,
                                 QWidget *container)
{
    auto *button = new QPushButton(toQString(model.Caption), container);
    button->setAutoDefault(false);
    button->setDefault(false);
    fillCommandButton(button, toQColor(control.background.value_or(Rgb {192, 192, 192})));
    return button;
}

std::size_t indexOf(const ControlDescription &control)
{
    return static_cast<std::size_t>(control.index.value_or(0));
}

} // namespace

QString shownText(const QPlainTextEdit &box)
{
    // toPlainText() would turn the no-break spaces that keep a figure with its unit into blanks.
    return box.document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, titleBarFlags(kelvaroForm())), form(loadKelvaro())
{
    installAccessibleRoles();
    const FormDescription &description = kelvaroForm();
    setObjectName(toQString(description.name));
    setWindowTitle(toQString(description.caption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kelvaro-32.png")));
    setFont(windowFont(description, *style()));
    paintBackground(this, toQColor(description.background));

    std::vector<std::pair<Index, QWidget *>> tabStops;
    for (const ControlDescription &control : description.controls) {
        if (!control.shown)
            continue; // the hidden data holders live in the model only
        QWidget *widget
            = createControl(control, control.inFrame ? static_cast<QWidget *>(Frame1) : this);
        tabStops.emplace_back(control.tabIndex, widget);
    }
    orderTabStops(std::move(tabStops));
    setFixedSize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));
    announcer = new Announcer(this);

    connectControls();
    showModel();
    Text1[0]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::centreOnScreen()
{
    if (const QScreen *display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->availableGeometry().center());
        move(frame.topLeft());
    }
}

QWidget *MainWindow::createControl(const ControlDescription &control, QWidget *container)
{
    const std::size_t i = indexOf(control);
    QWidget *widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label:
        widget = Label1.at(i) = new QLabel(toQString(form.Label1.at(i).Caption), container);
        Label1.at(i)->setAlignment(Qt::AlignCenter);
        break;
    case ControlKind::Frame:
        widget = Frame1 = new QGroupBox(toQString(form.Frame1.Caption), container);
        break;
    case ControlKind::OptionButton:
        widget = Option1.at(i) = new AlloyButton(container);
        break;
    case ControlKind::ListBox:
        widget = List1.at(i) = createListBox(form.List1.at(i), container);
        break;
    case ControlKind::CommandButton:
        widget = Command1.at(i) = createCommandButton(control, form.Command1.at(i), container);
        break;
    case ControlKind::TextBox:
        widget = Text1.at(i) = createTextBox(container);
        break;
    }
    widget->setObjectName(toQString(controlName(control)));
    widget->setGeometry(toPixels(control.rect));
    if (control.background && control.kind != ControlKind::CommandButton)
        paintBackground(widget, toQColor(*control.background)); // command buttons fill themselves
    if (!control.accessibleName.empty())
        widget->setAccessibleName(toQString(control.accessibleName));
    return widget;
}

void MainWindow::orderTabStops(std::vector<std::pair<Index, QWidget *>> tabStops)
{
    std::sort(tabStops.begin(), tabStops.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t k = 1; k < tabStops.size(); ++k)
        QWidget::setTabOrder(tabStops[k - 1].second, tabStops[k].second);
}

void MainWindow::connectControls()
{
    for (std::size_t i = 1; i <= 3; ++i) {
        connect(List1.at(i), &QListWidget::itemSelectionChanged, this, [this, i] {
            const QList<QListWidgetItem *> selected = List1.at(i)->selectedItems();
            const int row = selected.isEmpty() ? noSelection : List1.at(i)->row(selected.first());
            form.List1.at(i).setListIndex(static_cast<Index>(row));
            describePick(i);
        });
    }
    for (std::size_t k = 0; k < Option1.size(); ++k) {
        connect(Option1.at(k), &QAbstractButton::clicked, this, [this, k] {
            selectOption(form, static_cast<Index>(k));
            showOptions();
        });
    }
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        connect(Command1.at(i), &QAbstractButton::clicked, this,
                [this, i] { runCommand(static_cast<Index>(i)); });
    }
}

void MainWindow::runCommand(Index index)
{
    const QString outcome = toQString(commandOutcome(form, index));
    Command1_Click(form, index);
    showModel();
    announcer->say(outcome);
}

void MainWindow::showModel()
{
    showOptions();
    showLists();
    showReport();
}

void MainWindow::showOptions()
{
    const auto *const checked
        = std::find_if(form.Option1.begin(), form.Option1.end(),
                       [](const OptionButton &button) { return button.Value; });
    // The group is one stop of the Tab cycle: its selected button, or the first one.
    const auto tabStop = static_cast<std::size_t>(
        checked == form.Option1.end() ? 0 : checked - form.Option1.begin());
    for (std::size_t k = 0; k < Option1.size(); ++k) {
        QRadioButton *button = Option1.at(k);
        const OptionButton &state = form.Option1.at(k);
        const auto alloy = static_cast<Index>(k);
        button->setText(toQString(state.Caption));
        // Every set announces a name change, so only a changed name is set.
        const QString name = toQString(alloyButtonName(form, alloy));
        if (button->accessibleName() != name)
            button->setAccessibleName(name);
        if (button->isChecked() != state.Value) {
            // An exclusive button refuses to be unchecked, so lift the exclusivity for a moment.
            button->setAutoExclusive(false);
            button->setChecked(state.Value);
            button->setAutoExclusive(true);
        }
        button->setFocusPolicy(k == tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void MainWindow::showLists()
{
    for (std::size_t i = 1; i <= 3; ++i) {
        QListWidget *list = List1.at(i);
        const QSignalBlocker blocker(list);
        const Index row = form.List1.at(i).ListIndex();
        if (row == noSelection) {
            list->clearSelection();
            list->setCurrentRow(-1);
        } else {
            list->setCurrentRow(row); // a list reached with Tab starts at its pick
        }
        describePick(i);
    }
}

void MainWindow::describePick(std::size_t list)
{
    const QString description = toQString(pickDescription(form, list));
    if (List1.at(list)->accessibleDescription() != description)
        List1.at(list)->setAccessibleDescription(description);
}

void MainWindow::showReport()
{
    QPlainTextEdit *box = Text1[0];
    const QString text = toDisplayedText(form.Text1[0].Text);
    if (shownText(*box) == text)
        return; // an unchanged report keeps the reader's place
    box->setPlainText(text);
    box->verticalScrollBar()->setValue(0);
}

} // namespace kelvaro
