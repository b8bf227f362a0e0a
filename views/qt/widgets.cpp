#include "widgets.h"

#include "focus_marks.h"
#include "form_description.h"
#include "qt_colours.h"
#include "qt_strings.h"
#include "view_state.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>

namespace kelvaro {

namespace {

// Qt presses a button outside a dialog with Space only; its users press a focused one with Enter.
class CommandButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && event->modifiers() == Qt::NoModifier)
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

QRect toPixels(const TwipsRect &rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

// Text boxes hold CR LF line ends; Qt breaks lines at LF alone and would show the CR.
QString toDisplayedText(const std::string &text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPlainTextEdit *createTextBox(const ControlDescription &control, QWidget *container)
{
    auto *box = new ReportBox(container);
    paintField(box, control);
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

QListWidget *createListBox(const ControlDescription &control, QWidget *container)
{
    auto *list = new QListWidget(container);
    paintField(list, control);
    list->setItemDelegate(new CurrentRowMark(list));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (std::string_view item : control.items)
        list->addItem(toQString(item));
    return list;
}

QPushButton *createCommandButton(const ControlDescription &control, QWidget *container)
{
    auto *button = new CommandButton(container);
    button->setAutoDefault(false);
    button->setDefault(false);
    paintCommandButton(button, control);
    return button;
}

QWidget *createPlainWidget(const ControlDescription &control, QWidget *container)
{
    switch (control.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(container);
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    case ControlKind::Frame:
        return new QGroupBox(container);
    case ControlKind::OptionButton:
        return new AlloyButton(container);
    case ControlKind::ListBox:
        return createListBox(control, container);
    case ControlKind::CommandButton:
        return createCommandButton(control, container);
    case ControlKind::TextBox:
        break;
    }
    return createTextBox(control, container);
}

void showText(QWidget *widget, const ControlView &view)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) {
        const QString text = toDisplayedText(view.text);
        if (shownText(*box) == text)
            return; // an unchanged report keeps the reader's place
        box->setPlainText(text); // which puts the cursor on its first line
        if (view.fromFirstLine)
            box->verticalScrollBar()->setValue(0);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (button->text() != toQString(view.text))
            button->setText(toQString(view.text));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text() != toQString(view.text))
            label->setText(toQString(view.text));
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        if (frame->title() != toQString(view.text))
            frame->setTitle(toQString(view.text));
    }
}

void showChecked(QRadioButton *button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    // An exclusive button refuses to be unchecked, so lift the exclusivity for a moment.
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

void showPick(QListWidget *list, Index pick)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    const int shown = selected.isEmpty() ? noSelection : list->row(selected.first());
    if (shown == pick)
        return;
    const QSignalBlocker blocker(list);
    list->clearSelection();
    list->setCurrentRow(pick); // a list reached with Tab starts at its pick
}

void showTabStop(QWidget *widget, bool tabStop)
{
    const Qt::FocusPolicy policy = tabStop
        ? static_cast<Qt::FocusPolicy>(widget->focusPolicy() | Qt::TabFocus)
        : static_cast<Qt::FocusPolicy>(widget->focusPolicy() & ~Qt::TabFocus);
    if (policy != widget->focusPolicy())
        widget->setFocusPolicy(policy);
}

} // namespace

QString shownText(const QPlainTextEdit &box)
{
    // toPlainText() would turn the no-break spaces that keep a figure with its unit into blanks.
    return box.document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QWidget *createWidget(const ControlDescription &control, QWidget *container)
{
    QWidget *widget = createPlainWidget(control, container);
    widget->setObjectName(toQString(controlName(control)));
    widget->setGeometry(toPixels(control.rect));
    if (control.background && control.kind != ControlKind::CommandButton)
        paintControl(widget, &control); // command buttons fill themselves
    return widget;
}

void showView(QWidget *widget, const ControlView &view)
{
    showText(widget, view);
    if (auto *button = qobject_cast<QRadioButton *>(widget))
        showChecked(button, view.checked);
    if (auto *list = qobject_cast<QListWidget *>(widget))
        showPick(list, view.pick);
    showTabStop(widget, view.tabStop);
    // Every set announces a name change, so only a changed name is set.
    if (widget->accessibleName() != toQString(view.accessibleName))
        widget->setAccessibleName(toQString(view.accessibleName));
    if (widget->accessibleDescription() != toQString(view.accessibleDescription))
        widget->setAccessibleDescription(toQString(view.accessibleDescription));
}

} // namespace kelvaro
