#include "colours.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr Rgb black {0, 0, 0};
constexpr Rgb white {255, 255, 255};

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
ControlColours systemColoursOf(ControlKind kind, const SystemColours &system)
{
    if (kind == ControlKind::CommandButton)
        return {system.buttonFace, system.buttonText};
    return {system.window, system.windowText};
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
    const ControlColours own = systemColoursOf(control.kind, system);
    if (system.highContrast || !control.background)
        return own; // the user's scheme is chosen to be read: it is taken whole
    return {*control.background, legibleTextOn(*control.background, own.text)};
}

ControlColours formColours(const FormDescription &form, const SystemColours &system)
{
    if (system.highContrast)
        return {system.window, system.windowText};
    return {form.background, legibleTextOn(form.background, system.windowText)};
}

} // namespace kelvaro
