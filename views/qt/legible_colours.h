#pragma once

#include <QColor>

class QWidget;

namespace kelvaro {

struct Rgb;

// A colour of the design in Qt's terms.
[[nodiscard]] QColor toQColor(Rgb colour);

// The WCAG contrast ratio of two colours, from 1 (equal) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor &first, const QColor &second);

// The system's text colour where it reads well on `background`, else black or white (a dark
// desktop theme puts light text on the window's fixed light backgrounds).
[[nodiscard]] QColor legibleTextOn(const QColor &background, const QColor &systemText);

// The system's colour for an indicator or a selection mark where it stands out on `background`
// (3:1), a dark blue where it would not.
[[nodiscard]] QColor legibleMarkOn(const QColor &background, const QColor &systemMark);

// Fills the widget with `background` and gives it and its children a light palette to match:
// dark captions, light indicators, whatever the system's theme.
void paintBackground(QWidget *widget, const QColor &background);

// Gives a view of text rows the system's own colours, none of them taken from the window's light
// palette, where they read well (4.5:1), with or without the focus: dimmed text takes the focused
// colour, and a highlight deepens until its text reads.
void keepLegibleSystemColours(QWidget *widget);

} // namespace kelvaro
