#include "focus_marks.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kelvaro {

void drawFocusMark(QPainter &painter, const QRect &frame, const QColor &colour, int width)
{
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // A pen of width w draws half outside the rectangle's line; keep all of it inside `frame`.
    const int inset = width / 2;
    painter.drawRect(frame.adjusted(inset, inset, -inset - 1 + width % 2, -inset - 1 + width % 2));
    painter.restore();
}

bool showsFocus(const QWidget &widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void AlloyButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QColor ink = palette().color(QPalette::WindowText);
    // The indicator is drawn here: Fusion rings it at 2:1 on pale yellow, and Adwaita-Dark
    // draws it as a dark disc whatever the palette, checked or not.
    const QRectF indicator
        = QRectF(style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this))
              .adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(indicator);
    if (isChecked()) {
        const qreal inset = indicator.width() * 0.3;
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(indicator.adjusted(inset, inset, -inset, -inset));
    }
    option.rect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    painter.drawControl(QStyle::CE_RadioButtonLabel, option);
    if (showsFocus(*this))
        drawFocusMark(painter, rect(), ink, 1);
}

ReportBox::ReportBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // Room for a mark of two lines inside frames one pixel wide, where the text would cover it.
    setViewportMargins(1, 1, 1, 1);
}

bool ReportBox::event(QEvent *event)
{
    // The frame is painted here, around the viewport that shows the text.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() != QEvent::Paint)
        return handled;
    QPainter painter(this);
    const bool focused = showsFocus(*this);
    // The margin inside the frame takes the text's background, or, with the focus, the inner
    // line of the mark in the text colour: it stands out on the box's own colours, and the outer
    // line in the window's text colour on the window's light background.
    const int frame = frameWidth();
    drawFocusMark(painter, rect().adjusted(frame, frame, -frame, -frame),
                  palette().color(focused ? QPalette::Text : QPalette::Base), 1);
    if (focused)
        drawFocusMark(painter, rect(), parentWidget()->palette().color(QPalette::WindowText), 1);
    return handled;
}

void CurrentRowMark::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QStyle::State focused = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((option.state & focused) != focused)
        return;
    const bool selected = option.state & QStyle::State_Selected;
    // Inset, so that a selected row keeps a rim of its highlight around the mark.
    drawFocusMark(*painter, option.rect.adjusted(1, 1, -1, -1),
                  option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1);
}

} // namespace kelvaro
