#pragma once

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyledItemDelegate>

class QPainter;

namespace kelvaro {

// Draws a solid focus mark of `colour` just inside `frame`, `width` pixels wide. The styles' own
// marks are faint (some 1.75:1); this one stands out against the window's fixed backgrounds.
void drawFocusMark(QPainter &painter, const QRect &frame, const QColor &colour, int width);

// Whether `widget` has the focus and the user moves it with the keyboard, when the styles too
// show where it is.
[[nodiscard]] bool showsFocus(const QWidget &widget);

// An alloy button takes a click anywhere in its rectangle, so a blanked one stays easy to hit;
// its indicator and its focus mark are drawn in its text colour on white, under any style.
class AlloyButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent *event) override;
};

// The report box, framed by a focus mark while it has the keyboard focus.
class ReportBox : public QPlainTextEdit
{
public:
    explicit ReportBox(QWidget *parent);

protected:
    bool event(QEvent *event) override;
};

// Marks the current row of a focused element list in the row's own text colour.
class CurrentRowMark : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};

} // namespace kelvaro
