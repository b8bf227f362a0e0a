#include "window_driver.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace kelvaro::driver {

void pick(const QWidget &window, int list, const QString &element)
{
    auto *box = control<QListWidget>(window, QStringLiteral("List1_%1").arg(list));
    const QList<QListWidgetItem *> items = box->findItems(element, Qt::MatchExactly);
    if (items.size() != 1)
        throw std::runtime_error("List1_" + std::to_string(list) + " has no item "
                                 + element.toStdString());
    pick(window, list, box->row(items.first()));
}

void pick(const QWidget &window, int list, int row)
{
    auto *box = control<QListWidget>(window, QStringLiteral("List1_%1").arg(list));
    QListWidgetItem *item = box->item(row);
    if (item == nullptr)
        throw std::runtime_error("List1_" + std::to_string(list) + " has no row "
                                 + std::to_string(row));
    box->scrollToItem(item);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
}

void press(const QWidget &window, int command)
{
    QTest::mouseClick(control<QPushButton>(window, QStringLiteral("Command1_%1").arg(command)),
                      Qt::LeftButton);
}

} // namespace kelvaro::driver
