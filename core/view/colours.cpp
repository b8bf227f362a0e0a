#include "colours.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr Rgb black {0, 0, 0};
constexpr Rgb white {255, 255, 255};
constexpr Rgb darkBlue {0, 0, 160};

double relativeLuminance(Rgb colour)
{
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green)
        + 0.0722 * linear(colour.blue);
}

// The colours a control of this kind takes from the system: buttons their face, the rest the
// colours of a window's text.
TextColours systemColoursOf(ControlKind kind, const SystemColours &system)
{
    if (kind == ControlKind::CommandButton)
        return {system.buttonFace, system.buttonText};
    return {system.window, system.windowText};
}

// `fraction` of the way from `from` to `to`.
Rgb mixed(Rgb from, Rgb to, double fraction)
{
    const auto mix = [fraction](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * fraction));
    };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

// One step darker, keeping the hue: every channel by 10/11, as a value of 110 % less.
Rgb darker(Rgb colour)
{
    return mixed(colour, black, 1.0 / 11);
}

// One step lighter: every channel a tenth of the way to white.
Rgb lighter(Rgb colour)
{
    return mixed(colour, white, 0.1);
}

// A control, or the window, on `own` colours: the design's background with the system's text,
// or under high contrast the system's pair, which is then taken whole with its highlight.
ControlColours coloursOn(TextColours own, const SystemColours &system)
{
    const TextColours highlight {system.highlight, system.highlightText};
    if (system.highContrast)
        return {own.background, own.text, system.window, own.text, own.text, highlight, highlight};
    const Rgb text = legibleTextOn(own.background, own.text);
    const Rgb edge = mixed(own.background, black, 1.0 / 3);
    const Rgb mark = focusMarkOn(own.background, system);
    return {.background = own.background,
            .text = text,
            .field = white,
            .light = mixed(own.background, white, 0.8),
            .edge = edge,
            .pressed = {edge, legibleTextOn(edge, text)},
            .mark = {mark, legibleTextOn(mark, system.highlightText)}};
}

} // namespace

double contrastRatio(Rgb first, Rgb second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb legibleTextOn(Rgb background, Rgb systemText)
{
    if (contrastRatio(background, systemText) >= minimumTextContrast)
        return systemText;
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

ControlColours controlColours(const ControlDescription &control, const SystemColours &system)
{
    TextColours own = systemColoursOf(control.kind, system);
    if (control.background && !system.highContrast)
        own.background = *control.background;
    return coloursOn(own, system);
}

ControlColours formColours(const FormDescription &form, const SystemColours &system)
{
    if (system.highContrast)
        return coloursOn({system.window, system.windowText}, system);
    return coloursOn({form.background, system.windowText}, system);
}

Rgb focusMarkOn(Rgb background, const SystemColours &system)
{
    if (system.highContrast || contrastRatio(background, system.highlight) >= minimumMarkContrast)
        return system.highlight;
    return darkBlue;
}

TextColours pickedRowColours(const SystemColours &system)
{
    TextColours row {system.highlight, system.highlightText};
    if (system.highContrast)
        return row;
    const bool lightText = contrastRatio(row.text, black) > contrastRatio(row.background, black);
    for (int step = 0; step < 40 && contrastRatio(row.background, row.text) < minimumTextContrast;
         ++step)
        row.background = lightText ? darker(row.background) : lighter(row.background);
    return row;
}

} // namespace kelvaro
