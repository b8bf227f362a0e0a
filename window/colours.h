#pragma once

#include "form_description.h"

// The colours that every control draws with: the design's fixed backgrounds under an ordinary
// colour scheme, the system's own under high contrast, and always a text colour that reads well
// on its background.
namespace kelvaro {

// The system's colours that a window can ask for, and whether the user has high contrast on.
struct SystemColours
{
    Rgb window; // the background of text boxes and lists
    Rgb windowText;
    Rgb buttonFace;
    Rgb buttonText;
    bool highContrast = false;
    friend constexpr bool operator==(const SystemColours &, const SystemColours &) = default;
};

struct ControlColours
{
    Rgb background;
    Rgb text;
    friend constexpr bool operator==(ControlColours, ControlColours) = default;
};

inline constexpr double minimumTextContrast = 4.5;

// The WCAG contrast ratio of two colours, from 1 (equal) to 21 (black on white).
[[nodiscard]] double contrastRatio(Rgb first, Rgb second);

// The system's text colour where it reads well (4.5:1) on `background`, else black or white,
// whichever reads better.
[[nodiscard]] Rgb legibleTextOn(Rgb background, Rgb systemText);

[[nodiscard]] ControlColours controlColours(const ControlDescription &control,
                                            const SystemColours &system);

// The window's own background, behind the controls, and the text drawn on it.
[[nodiscard]] ControlColours formColours(const FormDescription &form, const SystemColours &system);

} // namespace kelvaro
