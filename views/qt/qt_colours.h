#pragma once

#include "colours.h"

#include <QColor>
#include <QPalette>

class QPushButton;
class QWidget;

// The core's colours on Qt's widgets: the system's colours are read from Qt's palette, and each
// widget is given what the core decides from them, in every group of the palette.
namespace kelvaro {

[[nodiscard]] QColor toQColor(Rgb colour);

// The WCAG contrast ratio of two colours, from 1 (equal) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor &first, const QColor &second);

// The system's colours in one group of Qt's palette. Qt has no high-contrast setting of its own:
// a high-contrast theme gives its colours through the palette.
[[nodiscard]] SystemColours systemColours(const QPalette &palette, QPalette::ColorGroup group);

// Gives `widget` and the children that draw on it the colours of `control`, or of the window
// where it is null: its background, text, the inside of its indicators, its edges and its marks.
void paintControl(QWidget *widget, const ControlDescription *control);

// Gives a list or the report box the system's own colours, none of them taken from the window's,
// as the core makes them legible, and its picked rows the core's highlight.
void paintField(QWidget *widget, const ControlDescription &control);

// Fills a command button with its colours, whole, where styles shade a button into a gradient:
// its border, a focus frame in its text colour, and its colours while pressed.
void paintCommandButton(QPushButton *button, const ControlDescription &control);

} // namespace kelvaro
