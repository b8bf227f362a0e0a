#include "main_window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace kelvaro;
using kelvaro::windowtest::MainWindowTest;
using kelvaro::windowtest::name;

namespace {

// What the window does under the mouse and the keyboard, and what a screen reader hears.

TEST_F(MainWindowTest, TabCyclesThroughTheControlsThatTakeFocus)
{
    EXPECT_EQ(focusName(), QStringLiteral("Text1_0")) << "focus at start";
    const QStringList cycle {"Option1_0",  "List1_1",    "List1_2", "List1_3",
                             "Command1_0", "Command1_1", "Text1_0"};
    for (const QString &expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focusName(), expected);
    }
    for (auto it = cycle.rbegin() + 1; it != cycle.rend(); ++it) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(focusName(), *it) << "Shift+Tab";
    }
}

TEST_F(MainWindowTest, TabReachesTheGroupAtItsSelectedButton)
{
    QTest::mouseClick(alloyButton(4), Qt::LeftButton);
    control(QStringLiteral("List1_1"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focusName(), QStringLiteral("Option1_4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("Option1_5")) << "arrow keys move within the group";
    EXPECT_TRUE(window->model().Option1[5].Value) << "and select the button they reach";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), QStringLiteral("List1_1"));
}

TEST_F(MainWindowTest, ReportBoxIgnoresTypingPastingAndDeleting)
{
    auto *box = control<QPlainTextEdit>(QStringLiteral("Text1_0"));
    const QString before = shownText(*box);
    QApplication::clipboard()->setText(QStringLiteral("вмъкнат текст"));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (const auto key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return})
        QTest::keyClick(box, key);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(shownText(*box), before);
    EXPECT_TRUE(box->textCursor().hasSelection()) << "the text can still be selected";
    EXPECT_EQ(window->model().Text1[0].Text.size(), loadKelvaro().Text1[0].Text.size());
}

TEST_F(MainWindowTest, CheckingBrassReportsItAndBlanksItsButton)
{
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    press(0);
    const QString expected = QStringLiteral("Елементи на сплавта месинг са:  мед, цинк\n")
        + QString::fromStdString(descriptions(window->model()).List(6)) + QLatin1Char('\n');
    EXPECT_EQ(report(), expected);
    EXPECT_EQ(alloyButton(6)->text(), QString());
    EXPECT_TRUE(alloyButton(6)->isVisible());
    EXPECT_EQ(alloyButton(6)->geometry(), alloyButton(5)->geometry().translated(0, 20));
    for (int list = 1; list <= 3; ++list) {
        EXPECT_TRUE(
            control<QListWidget>(QStringLiteral("List1_%1").arg(list))->selectedItems().isEmpty())
            << "List1_" << list;
    }
    EXPECT_EQ(control<QPlainTextEdit>(QStringLiteral("Text1_0"))->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, CheckingAlpacaTakesAllThreeLists)
{
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    pick(3, QStringLiteral("никел"));
    press(0);
    EXPECT_TRUE(
        report().startsWith(QStringLiteral("Елементи на сплавта алпака са:  мед, цинк, никел\n")))
        << report().left(60).toStdString();
    EXPECT_EQ(alloyButton(0)->text(), QString());
    EXPECT_EQ(alloyButton(6)->text(), QStringLiteral("месинг"));
}

TEST_F(MainWindowTest, ControlClickOnThePickedElementTakesThePickBack)
{
    pick(2, QStringLiteral("цинк"));
    ASSERT_EQ(window->model().List1[2].ListIndex(), 11);
    auto *list = control<QListWidget>(QStringLiteral("List1_2"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(11)).center());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(window->model().List1[2].ListIndex(), noSelection) << "List1(2).ListIndex";
}

TEST_F(MainWindowTest, ReportThatStaysKeepsTheReadersPlace)
{
    // Kanthal's report keeps its figures together with no-break spaces.
    pick(1, QStringLiteral("желязо"));
    pick(2, QStringLiteral("хром"));
    pick(3, QStringLiteral("алуминий"));
    press(0);
    QScrollBar *scroll = control<QPlainTextEdit>(QStringLiteral("Text1_0"))->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0) << "the kanthal report should be longer than its box";
    scroll->setValue(scroll->maximum());
    pick(1, QStringLiteral("цинк"));
    press(0); // matches nothing
    EXPECT_EQ(scroll->value(), scroll->maximum()) << "a failed check scrolled the report";
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    press(0);
    EXPECT_EQ(scroll->value(), 0) << "a new report starts at its first line";
}

TEST_F(MainWindowTest, FailedCheckKeepsTheReportAndCaptionsButDeselects)
{
    const QString before = report();
    QTest::mouseClick(alloyButton(2), Qt::LeftButton);
    ASSERT_TRUE(alloyButton(2)->isChecked());
    pick(1, QStringLiteral("цинк"));
    pick(2, QStringLiteral("мед"));
    press(0);
    EXPECT_EQ(report(), before);
    for (int k = 0; k < 10; ++k) {
        EXPECT_FALSE(alloyButton(k)->isChecked()) << "Option1_" << k;
        EXPECT_FALSE(alloyButton(k)->text().isEmpty()) << "Option1_" << k;
    }
    EXPECT_TRUE(control<QListWidget>(QStringLiteral("List1_1"))->selectedItems().isEmpty());
}

TEST_F(MainWindowTest, ClearRestoresCaptionsAndRemovesPicksButKeepsTheReport)
{
    pick(1, QStringLiteral("желязо"));
    pick(2, QStringLiteral("въглерод"));
    press(0);
    const QString steelReport = report();
    pick(1, QStringLiteral("злато"));
    pick(3, QStringLiteral("мед"));
    press(1);
    EXPECT_EQ(alloyButton(8)->text(), QStringLiteral("стомана"));
    EXPECT_EQ(report(), steelReport);
    for (int list = 1; list <= 3; ++list) {
        EXPECT_TRUE(
            control<QListWidget>(QStringLiteral("List1_%1").arg(list))->selectedItems().isEmpty())
            << "List1_" << list;
        EXPECT_EQ(window->model().List1[static_cast<std::size_t>(list)].ListIndex(), noSelection);
    }
}

TEST_F(MainWindowTest, BlankAlloyButtonIsSelectedByAClickAnywhereInIt)
{
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("калай"));
    press(0);
    QRadioButton *bronze = alloyButton(1);
    ASSERT_TRUE(bronze->text().isEmpty());
    QTest::mouseClick(bronze, Qt::LeftButton, {},
                      QPoint(bronze->width() - 3, bronze->height() / 2));
    EXPECT_TRUE(bronze->isChecked());
    EXPECT_TRUE(window->model().Option1[1].Value);
}

// Space and Enter press a focused button, as every desktop user expects; Esc presses none.
TEST_F(MainWindowTest, SpaceAndEnterPressTheFocusedButtonAndEscapeDoesNot)
{
    auto *check = control<QPushButton>(QStringLiteral("Command1_0"));
    for (const auto &[key, presses] :
         std::vector<std::pair<Qt::Key, bool>> {{Qt::Key_Escape, false},
                                                {Qt::Key_Space, true},
                                                {Qt::Key_Return, true},
                                                {Qt::Key_Enter, true}}) {
        pick(1, QStringLiteral("мед"));
        check->setFocus();
        QTest::keyClick(check, key);
        EXPECT_EQ(window->model().List1[1].ListIndex() == noSelection, presses) << "key " << key;
        EXPECT_EQ(focusName(), QStringLiteral("Command1_0"));
    }
}

TEST_F(MainWindowTest, TwoWindowsKeepTheirOwnState)
{
    MainWindow other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    press(0);
    EXPECT_EQ(other.model().Option1[6].Caption, "месинг");
    EXPECT_EQ(other.model().Text1[0].Text, loadKelvaro().Text1[0].Text);
    EXPECT_EQ(driver::control<QRadioButton>(other, QStringLiteral("Option1_6"))->text(),
              QStringLiteral("месинг"));
}

// Every widget carries the name and description of the view state, after a check too.
TEST_F(MainWindowTest, ScreenReadersHearTheNamesAndDescriptionsOfTheViewState)
{
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    press(0);
    pick(3, QStringLiteral("никел"));
    for (const ControlView &view : viewState(window->model())) {
        QAccessibleInterface *accessible
            = QAccessible::queryAccessibleInterface(control(name(*view.control)));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromStdString(view.accessibleName))
            << controlName(*view.control);
        EXPECT_EQ(accessible->text(QAccessible::Description),
                  QString::fromStdString(view.accessibleDescription))
            << controlName(*view.control);
    }
}

} // namespace
