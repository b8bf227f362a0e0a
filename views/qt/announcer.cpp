#include "announcer.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>

namespace kelvaro {

namespace {

// Long enough for the screen reader to take the shown notification, short enough that two checks
// in a row each show it anew.
constexpr int shownMilliseconds = 1000;

QAccessibleInterface *announcerRoles(const QString & /*className*/, QObject *object)
{
    if (auto *bar = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    if (auto *note = qobject_cast<Notification *>(object))
        return new QAccessibleWidget(note, QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerRoles);
        return true;
    }();
    Q_UNUSED(installed);
}

Announcer::Announcer(QWidget *window)
    : QWidget(window)
    , notification(new Notification(this))
    , sentence(new QLabel(notification))
    , hideTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("SpokenStatus"));
    notification->setObjectName(QStringLiteral("SpokenNotification"));
    sentence->setObjectName(QStringLiteral("SpokenSentence"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    notification->setGeometry(0, 0, 0, 0);
    notification->hide();
    hideTimer->setSingleShot(true);
    hideTimer->setInterval(shownMilliseconds);
    connect(hideTimer, &QTimer::timeout, notification, &QWidget::hide);
    show(); // made after its window is shown, it would stay hidden
}

void Announcer::say(const QString &text)
{
    // Shown again while still shown, the notification would say nothing.
    notification->hide();
    sentence->setText(text);
    notification->show();
    hideTimer->start();
}

} // namespace kelvaro
