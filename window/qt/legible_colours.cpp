#include "legible_colours.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr double minimumContrast = 4.5;

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        const double c = channel;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor legibleTextOn(const QColor &background, const QColor &systemText)
{
    return contrastRatio(background, systemText) >= minimumContrast ? systemText
                                                                    : QColor(Qt::black);
}

void paintBackground(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, widget->backgroundRole(), background);
        palette.setColor(group, widget->foregroundRole(),
                         legibleTextOn(background, palette.color(group, widget->foregroundRole())));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace kelvaro
