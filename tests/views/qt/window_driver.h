#pragma once

#include <QString>
#include <QWidget>

#include <stdexcept>

// Drives the real window the way a user does: mouse clicks on list items and buttons.
namespace kelvaro::driver {

template<typename Widget = QWidget>
Widget *control(const QWidget &window, const QString &objectName)
{
    auto *widget = window.findChild<Widget *>(objectName);
    if (widget == nullptr)
        throw std::runtime_error("no control " + objectName.toStdString());
    return widget;
}

// Clicks `element`, or the item in `row`, in element list `list` (1 to 3).
void pick(const QWidget &window, int list, const QString &element);
void pick(const QWidget &window, int list, int row);

// Clicks command button `command`: 0 checks, 1 clears.
void press(const QWidget &window, int command);

} // namespace kelvaro::driver
