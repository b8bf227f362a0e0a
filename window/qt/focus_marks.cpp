#include "focus_marks.h"

#include <QPainter>
#include <QStyleOptionButton>

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

void AlloyButton::paintEvent(QPaintEvent *event)
{
    QRadioButton::paintEvent(event);
    QPainter painter(this);
    // Fusion rings the indicator in a shade of the button's colour (2:1 on pale yellow).
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawEllipse(QRectF(indicator).adjusted(0.5, 0.5, -0.5, -0.5));
    if (showsFocus(*this))
        drawFocusMark(painter, rect(), palette().color(QPalette::WindowText), 1);
}

bool ReportBox::event(QEvent *event)
{
    // The frame is painted here, around the viewport that shows the text.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && showsFocus(*this)) {
        QPainter painter(this);
        drawFocusMark(painter, rect(), parentWidget()->palette().color(QPalette::WindowText), 2);
    }
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
    drawFocusMark(*painter, option.rect,
                  option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1);
}

} // namespace kelvaro
