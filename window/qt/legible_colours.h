#pragma once

#include <QColor>

class QWidget;

namespace kelvaro {

// The WCAG contrast ratio of two colours, from 1 (equal) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor &first, const QColor &second);

// The system's text colour where it reads well on `background`, black where it would not (a dark
// desktop theme puts light text on the window's fixed light backgrounds).
[[nodiscard]] QColor legibleTextOn(const QColor &background, const QColor &systemText);

// Fills the widget with `background`, keeping its text legible on it.
void paintBackground(QWidget *widget, const QColor &background);

} // namespace kelvaro
