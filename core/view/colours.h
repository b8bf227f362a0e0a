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
    Rgb highlight; // a picked row, and the focus where it stands out
    Rgb highlightText;
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
inline constexpr double minimumMarkContrast = 3.0; // a focus mark, an indicator

// The WCAG contrast ratio of two colours, from 1 (equal) to 21 (black on white).
[[nodiscard]] double contrastRatio(Rgb first, Rgb second);

// The system's text colour where it reads well (4.5:1) on `background`, else black or white,
// whichever reads better.
[[nodiscard]] Rgb legibleTextOn(Rgb background, Rgb systemText);

[[nodiscard]] ControlColours controlColours(const ControlDescription &control,
                                            const SystemColours &system);

// The window's own background, behind the controls, and the text drawn on it.
[[nodiscard]] ControlColours formColours(const FormDescription &form, const SystemColours &system);

// The light line of an etched or sunken edge on `background`, and the dark line around a button
// of that colour; under high contrast the scheme's text colour.
struct EdgeColours
{
    Rgb light;
    Rgb dark;
    friend constexpr bool operator==(EdgeColours, EdgeColours) = default;
};
[[nodiscard]] EdgeColours edgesOn(Rgb background, const SystemColours &system);

// The mark of the keyboard focus drawn on `background`: the system's highlight where it stands
// out (3:1), else a dark blue; under high contrast the scheme's highlight.
[[nodiscard]] Rgb focusMarkOn(Rgb background, const SystemColours &system);

// A picked row of a list: the system's highlight, deepened (or, under dark text, lightened) only
// as far as its text needs to read (4.5:1); under high contrast the scheme's pair whole.
[[nodiscard]] ControlColours pickedRowColours(const SystemColours &system);

} // namespace kelvaro
