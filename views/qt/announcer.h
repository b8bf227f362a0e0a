#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace kelvaro {

// Gives the announcer's widgets the roles that make a screen reader speak. Qt caches an object's
// accessible interface once asked for it, so this runs before the first window is built.
void installAccessibleRoles();

// What a screen reader hears: a hidden notification inside a status bar, shown for a moment with
// one sentence. The status bar is 1×1, paints nothing and lets the mouse through; nothing of it
// can be seen. Qt 6.8's QAccessibleAnnouncementEvent is the proper way once Debian ships it.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *window);

    // Speaks `text` once, without moving the focus.
    void say(const QString &text);

private:
    QWidget *notification;
    QLabel *sentence;
    QTimer *hideTimer;
};

// The role-bearing notification inside the announcer.
class Notification : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

} // namespace kelvaro
