#include "main_window_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#ifdef KELVARO_HAVE_QPA
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace kelvaro;
using kelvaro::windowtest::MainWindowTest;

namespace {

// What a screen reader is told: the outcome of every command, the picks, and only what changed.

struct SpokenRow
{
    const char *name;
    std::vector<std::pair<int, QString>> picks;
    int command;
    bool bySpace;
    QString sentence;
    friend void PrintTo(const SpokenRow &row, std::ostream *out) { *out << row.name; }
};

class SpokenOutcome : public MainWindowTest, public testing::WithParamInterface<SpokenRow>
{
};

QAccessible::Role roleOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->role();
}

TEST_P(SpokenOutcome, NotificationShowsTheSentenceAndTheFocusStays)
{
    const auto &row = GetParam();
    for (const auto &[list, element] : row.picks)
        pick(list, element);
    auto *button = control<QPushButton>(QStringLiteral("Command1_%1").arg(row.command));
    button->setFocus(Qt::TabFocusReason);
    if (row.bySpace)
        QTest::keyClick(button, Qt::Key_Space);
    else
        press(row.command);

    QWidget *notification = control(QStringLiteral("SpokenNotification"));
    EXPECT_TRUE(notification->isVisible());
    EXPECT_EQ(control<QLabel>(QStringLiteral("SpokenSentence"))->text(), row.sentence);
    EXPECT_EQ(focusName(), button->objectName());
    EXPECT_EQ(roleOf(notification), QAccessible::Notification);
    EXPECT_EQ(roleOf(notification->parentWidget()), QAccessible::StatusBar);
    EXPECT_EQ(notification->size(), QSize(0, 0)) << "nothing of it may be seen";
    EXPECT_EQ(notification->parentWidget()->size(), QSize(1, 1));
    EXPECT_TRUE(notification->parentWidget()->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notification->isVisible(); }, 3000))
        << "hidden again, ready for the next sentence";
}

const std::vector<std::pair<int, QString>> brass {{1, QStringLiteral("мед")},
                                                  {2, QStringLiteral("цинк")}};

INSTANTIATE_TEST_SUITE_P(
    MainWindow, SpokenOutcome,
    testing::Values(
        SpokenRow {"CheckByMouse", brass, 0, false, QStringLiteral("Намерена сплав: месинг.")},
        SpokenRow {"CheckBySpace", brass, 0, true, QStringLiteral("Намерена сплав: месинг.")},
        SpokenRow {"FailedCheckBySpace",
                   {{1, QStringLiteral("цинк")}},
                   0,
                   true,
                   QStringLiteral("Няма сплав с тези елементи в този ред.")},
        SpokenRow {"ClearByMouse", brass, 1, false,
                   QStringLiteral("Всичко е изчистено. Започни упражнението отначало.")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ListStartsAtItsPick)
{
    auto *list = control<QListWidget>(QStringLiteral("List1_2"));
    pick(2, QStringLiteral("цинк"));
    EXPECT_EQ(list->currentRow(), 11);
    press(0);
    EXPECT_EQ(list->currentRow(), -1);
}

#ifdef KELVARO_HAVE_QPA
std::vector<std::string> renamed; // objects whose accessible name changed

void recordNameChange(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged && event->object() != nullptr)
        renamed.push_back(event->object()->objectName().toStdString());
}
#endif

struct RenameRow
{
    const char *name;
    std::vector<std::pair<int, QString>> picks;
    int command;
    std::vector<std::string> renamed;
    friend void PrintTo(const RenameRow &row, std::ostream *out) { *out << row.name; }
};

class RenamedButtons : public MainWindowTest, public testing::WithParamInterface<RenameRow>
{
};

TEST_P(RenamedButtons, OnlyAChangedCaptionAnnouncesANewName)
{
#ifndef KELVARO_HAVE_QPA
    GTEST_SKIP() << "needs Qt's private headers (qt6-base-private-dev)";
#else
    const auto &row = GetParam();
    for (const auto &[list, element] : row.picks)
        pick(list, element);
    renamed.clear();
    // Qt sends no event while no assistive tool listens; this stands in for one.
    QPlatformAccessibility *listening
        = QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(listening, nullptr);
    listening->setActive(true);
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(recordNameChange);
    press(row.command);
    QAccessible::installUpdateHandler(previous);
    listening->setActive(false);
    std::erase_if(renamed, [](const std::string &name) { return !name.starts_with("Option1_"); });
    std::sort(renamed.begin(), renamed.end());
    renamed.erase(std::unique(renamed.begin(), renamed.end()), renamed.end());
    EXPECT_EQ(renamed, row.renamed);
#endif
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RenamedButtons,
                         testing::Values(RenameRow {"Found", brass, 0, {"Option1_6"}},
                                         RenameRow {"FailedCheck", {}, 0, {}},
                                         RenameRow {"ClearWithNothingFound", {}, 1, {}}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
