#include "qt_colours.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <initializer_list>

namespace kelvaro {

namespace {

constexpr std::array groups {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

Rgb toRgb(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

// The system's palette for `widget`, whatever its parent was given.
QPalette systemPalette(const QWidget *widget)
{
    return QApplication::palette(widget);
}

ControlColours coloursOf(const ControlDescription *control, const SystemColours &system)
{
    return control != nullptr ? controlColours(*control, system)
                              : formColours(kelvaroForm(), system);
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

SystemColours systemColours(const QPalette &palette, QPalette::ColorGroup group)
{
    const auto colour = [&](QPalette::ColorRole role) { return toRgb(palette.color(group, role)); };
    return {.window = colour(QPalette::Base),
            .windowText = colour(QPalette::Text),
            .buttonFace = colour(QPalette::Button),
            .buttonText = colour(QPalette::ButtonText),
            .highlight = colour(QPalette::Highlight),
            .highlightText = colour(QPalette::HighlightedText)};
}

void paintControl(QWidget *widget, const ControlDescription *control)
{
    const QPalette system = systemPalette(widget);
    QPalette palette = widget->palette();
    for (const auto group : groups) {
        const ControlColours colours = coloursOf(control, systemColours(system, group));
        const auto set = [&](std::initializer_list<QPalette::ColorRole> roles, Rgb colour) {
            for (const auto role : roles)
                palette.setColor(group, role, toQColor(colour));
        };
        // Styles draw captions in WindowText, Text or ButtonText, and indicators in Base, Text,
        // Highlight and the shades of Window and Button.
        set({QPalette::Window, QPalette::Button}, colours.background);
        set({QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colours.text);
        set({QPalette::Base}, colours.field);
        set({QPalette::AlternateBase, QPalette::Light, QPalette::Midlight}, colours.light);
        set({QPalette::Mid, QPalette::Dark, QPalette::Shadow}, colours.edge);
        set({QPalette::Highlight}, colours.mark.background);
        set({QPalette::HighlightedText}, colours.mark.text);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintField(QWidget *widget, const ControlDescription &control)
{
    QPalette palette = systemPalette(widget); // every role set, so none is taken from the window
    for (const auto group : groups) {
        const SystemColours system = systemColours(palette, group);
        const ControlColours colours = controlColours(control, system);
        const TextColours picked = pickedRowColours(system);
        palette.setColor(group, QPalette::Base, toQColor(colours.background));
        palette.setColor(group, QPalette::Text, toQColor(colours.text));
        palette.setColor(group, QPalette::Highlight, toQColor(picked.background));
        palette.setColor(group, QPalette::HighlightedText, toQColor(picked.text));
    }
    widget->setPalette(palette);
}

void paintCommandButton(QPushButton *button, const ControlDescription &control)
{
    const ControlColours colours
        = controlColours(control, systemColours(systemPalette(button), QPalette::Active));
    const auto name = [](Rgb colour) { return toQColor(colour).name(); };
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 2px; }"
                       " QPushButton:focus { border: 2px solid %2; }"
                       " QPushButton:pressed { background-color: %4; color: %5; }")
            .arg(name(colours.background), name(colours.text), name(colours.edge),
                 name(colours.pressed.background), name(colours.pressed.text)));
}

} // namespace kelvaro
