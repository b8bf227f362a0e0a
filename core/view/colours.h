#pragma once

#include "form_description.h"

// The one decision of every colour that a view sets or draws itself: the design's fixed
// backgrounds under an ordinary colour scheme with a text colour that reads well on each, the
// system's own colours taken whole under high contrast or forced colours, and the marks, edges
// and picked rows that stand out on them.
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

// A text and the background it is drawn on.
// The system's colours as a browser gives them to a page in its usual light scheme (CSS's Canvas,
// CanvasText, ButtonFace and ButtonText), with the highlight of Windows, which most classrooms
// have: the page's colours are decided with these when it is built.
inline constexpr SystemColours browserColours {.window = {255, 255, 255},
                                               .windowText = {0, 0, 0},
                                               .buttonFace = {239, 239, 239},
                                               .buttonText = {0, 0, 0},
                                               .highlight = {0, 120, 215},
                                               .highlightText = {255, 255, 255}};

struct TextColours
{
    Rgb background;
    Rgb text;
    friend constexpr bool operator==(TextColours, TextColours) = default;
};

// Every colour a view draws one control with, in each of its states. A found alloy's button,
// which shows no caption, keeps its colours.
struct ControlColours
{
    Rgb background;
    Rgb text; // reads 4.5:1 on the background
    Rgb field; // inside an indicator drawn on it: a radio button's circle, under a dot of text
    Rgb light; // the light line of its etched or sunken edges
    Rgb edge; // its border, and the dark line of its edges
    TextColours pressed; // a command button while it is pressed
    TextColours mark; // a focus ring or a selection drawn on it, 3:1 on its background, and text
    friend constexpr bool operator==(const ControlColours &, const ControlColours &) = default;
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

// The window's own colours, behind the controls.
[[nodiscard]] ControlColours formColours(const FormDescription &form, const SystemColours &system);

// The mark of the keyboard focus drawn on `background`: the system's highlight where it stands
// out (3:1), else a dark blue; under high contrast the scheme's highlight.
[[nodiscard]] Rgb focusMarkOn(Rgb background, const SystemColours &system);

// A picked row of a list: the system's highlight, deepened (or, under dark text, lightened) only
// as far as its text needs to read (4.5:1); under high contrast the scheme's pair whole.
[[nodiscard]] TextColours pickedRowColours(const SystemColours &system);

} // namespace kelvaro
