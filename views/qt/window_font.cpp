#include "window_font.h"

#include "form_description.h"
#include "qt_strings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

namespace kelvaro {

namespace {

constexpr qreal smallestPointSize = 8;

// What a control takes from its width besides the text: indicator, frame, scroll bar, padding.
int textMargin(ControlKind kind, const QStyle &style)
{
    switch (kind) {
    case ControlKind::OptionButton:
        return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
            + style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 4;
    case ControlKind::ListBox:
        return style.pixelMetric(QStyle::PM_ScrollBarExtent) + 10;
    default:
        return 8;
    }
}

bool captionsFit(const QFont &font, const FormDescription &form, const QStyle &style)
{
    const QFontMetrics metrics(font);
    for (const ControlDescription &control : form.controls) {
        if (!control.shown || control.kind == ControlKind::TextBox)
            continue; // the report box wraps its lines
        int widest = metrics.horizontalAdvance(toQString(control.caption));
        for (std::string_view item : control.items)
            widest = std::max(widest, metrics.horizontalAdvance(toQString(item)));
        if (widest + textMargin(control.kind, style) > twipsToPixels(control.rect.width))
            return false;
    }
    return true;
}

} // namespace

QFont windowFont(const FormDescription &form, const QStyle &style)
{
    // Liberation Serif has the metrics of Times New Roman, for which the layout was made. Naming
    // the face that is there spares Qt a search through fontconfig's fallbacks at start-up; the
    // installed families are looked up as they are, since hasFamily() asks fontconfig for
    // aliases as well, which costs a third of the start-up.
    const QStringList installed = QFontDatabase::families();
    const QStringList metricFaces {toQString(form.font.family), QStringLiteral("Liberation Serif")};
    const auto metricFace
        = std::find_if(metricFaces.begin(), metricFaces.end(),
                       [&](const QString &face) { return installed.contains(face); });
    QFont font;
    font.setStyleHint(QFont::Serif);
    font.setPointSize(form.font.pointSize);
    if (metricFace != metricFaces.end()) {
        font.setFamily(*metricFace);
        return font; // the captions fit as they were laid out
    }
    font.setFamilies({metricFaces.front(), QStringLiteral("DejaVu Serif")});
    while (!captionsFit(font, form, style) && font.pointSizeF() > smallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace kelvaro
