#pragma once

#include <QString>

#include <string>

class QPlainTextEdit;
class QWidget;

namespace kelvaro {

struct ControlDescription;
struct ControlView;

// The Qt widget for a control of the design table, placed and coloured, in `container`.
[[nodiscard]] QWidget *createWidget(const ControlDescription &control, QWidget *container);

// Sets on `widget` whatever of `view` it does not show yet, and nothing else: a set that changes
// nothing would still repaint, move a list's current row or announce a new name.
void showView(QWidget *widget, const ControlView &view);

// The whole text that a text box shows, lines ending in LF, no-break spaces kept.
[[nodiscard]] QString shownText(const QPlainTextEdit &box);

} // namespace kelvaro
