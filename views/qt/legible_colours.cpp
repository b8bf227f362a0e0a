#include "legible_colours.h"

#include "colours.h"

#include <QApplication>
#include <QWidget>

namespace kelvaro {

namespace {

Rgb toRgb(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

// Whether `first` is the lighter of the two colours.
bool lighter(const QColor &first, const QColor &second)
{
    return contrastRatio(first, Qt::black) > contrastRatio(second, Qt::black);
}

} // namespace

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

double contrastRatio(const QColor &first, const QColor &second)
{
    return contrastRatio(toRgb(first), toRgb(second));
}

QColor legibleMarkOn(const QColor &background, const QColor &systemMark)
{
    return contrastRatio(background, systemMark) >= minimumMarkContrast ? systemMark
                                                                        : QColor(0, 0, 160);
}

QColor legibleTextOn(const QColor &background, const QColor &systemText)
{
    return toQColor(legibleTextOn(toRgb(background), toRgb(systemText)));
}

void paintBackground(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = legibleTextOn(background, palette.color(group, QPalette::WindowText));
        // Styles draw captions in WindowText, Text or ButtonText, and indicators in Base, Text,
        // Highlight and the shades of Window and Button: all of them suit a light background.
        for (const auto role : {QPalette::Window, QPalette::Button})
            palette.setColor(group, role, background);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, background.lighter(110));
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, background.lighter(110));
        palette.setColor(group, QPalette::Mid, background.darker(150));
        palette.setColor(group, QPalette::Dark, background.darker(200));
        palette.setColor(group, QPalette::Shadow, Qt::black);
        palette.setColor(group, QPalette::Highlight,
                         legibleMarkOn(background, palette.color(group, QPalette::Highlight)));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void keepLegibleSystemColours(QWidget *widget)
{
    const QPalette system = QApplication::palette(widget);
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            palette.setColor(group, colourRole, system.color(group, colourRole));
        }
    }
    const QColor focusedText = palette.color(QPalette::Active, QPalette::Text);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        // Some themes dim the text of a view without focus below 4.5:1 (Adwaita-Dark: 4.37:1).
        if (contrastRatio(palette.color(group, QPalette::Text),
                          palette.color(group, QPalette::Base))
            < minimumTextContrast)
            palette.setColor(group, QPalette::Text, focusedText);
        const QColor text = palette.color(group, QPalette::HighlightedText);
        QColor highlight = palette.color(group, QPalette::Highlight);
        const bool lightText = lighter(text, highlight);
        // Deepen the system's highlight only as far as its text needs, keeping its hue.
        for (int step = 0; step < 20 && contrastRatio(highlight, text) < minimumTextContrast;
             ++step)
            highlight = lightText ? highlight.darker(110) : highlight.lighter(110);
        palette.setColor(group, QPalette::Highlight, highlight);
    }
    widget->setPalette(palette); // every role set, so none is taken from the window
}

} // namespace kelvaro
