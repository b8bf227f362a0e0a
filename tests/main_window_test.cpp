#include "form_description.h"
#include "legible_colours.h"
#include "main_window.h"
#include "window_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Lets failure messages show Qt strings as text.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace kelvaro;

namespace {

QString name(const ControlDescription &control)
{
    return QString::fromStdString(controlName(control));
}

class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename Widget = QWidget> Widget *control(const QString &objectName) const
    {
        return driver::control<Widget>(*window, objectName);
    }

    void pick(int list, const QString &element) const { driver::pick(*window, list, element); }
    void press(int command) const { driver::press(*window, command); }

    QRadioButton *alloyButton(int index) const
    {
        return control<QRadioButton>(QStringLiteral("Option1_%1").arg(index));
    }

    QString report() const
    {
        return control<QPlainTextEdit>(QStringLiteral("Text1_0"))->toPlainText();
    }

    QString focusName() const
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(nothing)");
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, EveryShownControlSitsAtItsPlace)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        auto *widget = window->findChild<QWidget *>(name(described));
        if (!described.shown) {
            EXPECT_TRUE(widget == nullptr || !widget->isVisible()) << controlName(described);
            continue;
        }
        ASSERT_NE(widget, nullptr) << controlName(described);
        const QRect expected(twipsToPixels(described.rect.left), twipsToPixels(described.rect.top),
                             twipsToPixels(described.rect.width),
                             twipsToPixels(described.rect.height));
        const QRect actual = widget->geometry();
        EXPECT_LE((actual.topLeft() - expected.topLeft()).manhattanLength(), 1)
            << controlName(described) << " at " << actual.x() << "," << actual.y();
        EXPECT_LE(std::abs(actual.width() - expected.width()), 1) << controlName(described);
        EXPECT_LE(std::abs(actual.height() - expected.height()), 1) << controlName(described);
        EXPECT_TRUE(widget->isVisible()) << controlName(described);
        EXPECT_EQ(widget->parentWidget()->objectName(),
                  described.inFrame ? QStringLiteral("Frame1") : QStringLiteral("Kelvaro"))
            << controlName(described);
    }
}

TEST_F(MainWindowTest, FixedBackgroundsAreFilledWithTheirColours)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        if (!described.shown || !described.background)
            continue;
        auto *widget = control(name(described));
        const QColor expected(described.background->red, described.background->green,
                              described.background->blue);
        // A pixel near the left edge, clear of the caption and of the indicator's frame.
        const QImage image = widget->grab().toImage();
        const QColor sample = image.pixelColor(image.width() - 4, image.height() / 2);
        EXPECT_LE(std::abs(sample.red() - expected.red())
                      + std::abs(sample.green() - expected.green())
                      + std::abs(sample.blue() - expected.blue()),
                  60)
            << controlName(described) << " shows " << sample.name().toStdString() << ", not "
            << expected.name().toStdString();
    }
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(192, 192, 255));
}

TEST_F(MainWindowTest, ShowsTheDesignTimeCaptionsItemsAndText)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvaro"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label1_0"))->text(), QStringLiteral("Kelvaro"));
    EXPECT_EQ(control<QLabel>(QStringLiteral("Label1_1"))->text(),
              QStringLiteral("Участващ химически елемент"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Command1_0"))->text(),
              QStringLiteral("Провери"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Command1_1"))->text(), QStringLiteral("Чисти"));
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(alloyButton(k)->text().toStdString(),
                  window->model().List1[0].List(static_cast<Index>(k)))
            << "Option1_" << k;
        EXPECT_FALSE(alloyButton(k)->isChecked()) << "Option1_" << k;
    }
    for (int list = 1; list <= 3; ++list) {
        auto *box = control<QListWidget>(QStringLiteral("List1_%1").arg(list));
        ASSERT_EQ(box->count(), 12) << "List1_" << list;
        EXPECT_EQ(box->item(0)->text(), QStringLiteral("алуминий")) << "List1_" << list;
        EXPECT_EQ(box->item(11)->text(), QStringLiteral("цинк")) << "List1_" << list;
        EXPECT_TRUE(box->selectedItems().isEmpty()) << "List1_" << list;
        EXPECT_EQ(box->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_FALSE(box->isSortingEnabled());
    }
    EXPECT_TRUE(report().startsWith(QStringLiteral("Да се създаде проект")));
    EXPECT_FALSE(report().contains(QLatin1Char('\r'))) << "the CR of a CR LF shows as a glyph";
    EXPECT_EQ(report().count(QLatin1Char('\n')), 6);
}

TEST_F(MainWindowTest, WindowHasAFixedSizeACloseButtonAndNoMinimizeOrMaximize)
{
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->size(), QSize(511, 424));
    EXPECT_EQ(window->minimumSize(), QSize(511, 424));
    EXPECT_EQ(window->maximumSize(), QSize(511, 424));
}

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
    const QString before = box->toPlainText();
    QApplication::clipboard()->setText(QStringLiteral("вмъкнат текст"));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (const auto key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return})
        QTest::keyClick(box, key);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText(), before);
    EXPECT_TRUE(box->textCursor().hasSelection()) << "the text can still be selected";
    EXPECT_EQ(window->model().Text1[0].Text.size(), loadKelvaro().Text1[0].Text.size());
}

TEST_F(MainWindowTest, CheckingBrassReportsItAndBlanksItsButton)
{
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    press(0);
    const QString expected = QStringLiteral("Елементи на сплавта месинг са:  мед, цинк\n")
        + QString::fromStdString(window->model().List1[4].List(6)) + QLatin1Char('\n');
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

TEST_F(MainWindowTest, EnterAndEscapePressNoButtonButSpaceDoes)
{
    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    auto *check = control<QPushButton>(QStringLiteral("Command1_0"));
    check->setFocus();
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(check, key);
    EXPECT_EQ(window->model().List1[1].ListIndex(), 7) << "Enter or Esc ran a command";
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_TRUE(report().startsWith(QStringLiteral("Елементи на сплавта месинг")));
}

TEST_F(MainWindowTest, NoCaptionIsClipped)
{
    const QFontInfo font(window->font());
    EXPECT_TRUE(font.family().contains(QStringLiteral("Serif"))
                || font.family() == QStringLiteral("Times New Roman"))
        << font.family().toStdString();
    if (font.family() == QStringLiteral("Liberation Serif")
        || font.family() == QStringLiteral("Times New Roman")) {
        EXPECT_EQ(font.pointSizeF(), 12.0) << "the face the layout was made for needs no shrinking";
    }
    for (int k = 0; k < 10; ++k) {
        QRadioButton *button = alloyButton(k);
        QStyleOptionButton option;
        option.initFrom(button);
        const int indicator
            = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, button)
            + button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, button);
        EXPECT_LE(indicator + button->fontMetrics().horizontalAdvance(button->text()),
                  button->width())
            << "Option1_" << k;
        EXPECT_LE(button->fontMetrics().height(), button->height()) << "Option1_" << k;
    }
    for (const QString &objectName : {QStringLiteral("Label1_0"), QStringLiteral("Label1_1"),
                                      QStringLiteral("Command1_0"), QStringLiteral("Command1_1")}) {
        QWidget *widget = control(objectName);
        const QString text = widget->property("text").toString();
        EXPECT_LT(widget->fontMetrics().horizontalAdvance(text) + 8, widget->width())
            << objectName.toStdString();
        EXPECT_LE(widget->fontMetrics().ascent() + widget->fontMetrics().descent(),
                  widget->height())
            << objectName.toStdString();
    }
    for (int list = 1; list <= 3; ++list) {
        auto *box = control<QListWidget>(QStringLiteral("List1_%1").arg(list));
        for (int row = 0; row < box->count(); ++row)
            EXPECT_LE(box->visualItemRect(box->item(row)).width(), box->viewport()->width());
        EXPECT_LE(box->fontMetrics().horizontalAdvance(QStringLiteral("алуминий")),
                  box->viewport()->width());
    }
}

TEST_F(MainWindowTest, ControlsOverlapOnlyWhereTheDesignHasThemOverlap)
{
    const auto &controls = kelvaroForm().controls;
    const auto pixels = [](const TwipsRect &r) {
        return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                     twipsToPixels(r.height));
    };
    for (const ControlDescription &a : controls) {
        for (const ControlDescription &b : controls) {
            if (&a == &b || !a.shown || !b.shown || a.inFrame != b.inFrame)
                continue;
            const QRect shown = control(name(a))->geometry() & control(name(b))->geometry();
            EXPECT_EQ(shown, pixels(a.rect) & pixels(b.rect))
                << controlName(a) << " and " << controlName(b);
        }
    }
    EXPECT_EQ(window->grab().size(), window->size() * window->devicePixelRatio());
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

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QString();
}

TEST_F(MainWindowTest, ScreenReadersHearEveryControl)
{
    const std::vector<std::pair<QString, QString>> names {
        {"List1_1", "Първи елемент"}, {"List1_2", "Втори елемент"},
        {"List1_3", "Трети елемент"}, {"Command1_0", "Провери"},
        {"Command1_1", "Чисти"},      {"Text1_0", "Задача и отчет"},
        {"Option1_6", "месинг"},      {"Label1_1", "Участващ химически елемент"},
        {"Frame1", "Сплави"}};
    for (const auto &[objectName, expected] : names)
        EXPECT_EQ(accessibleName(control(objectName)), expected) << objectName.toStdString();

    pick(1, QStringLiteral("мед"));
    pick(2, QStringLiteral("цинк"));
    press(0);
    EXPECT_EQ(accessibleName(alloyButton(6)), QStringLiteral("месинг, намерена"));
    press(1);
    EXPECT_EQ(accessibleName(alloyButton(6)), QStringLiteral("месинг"));
}

class PaletteContrast : public testing::TestWithParam<bool>
{
};

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(240, 240, 240));
    return dark;
}

TEST_P(PaletteContrast, EveryCaptionReadsWellOnItsBackground)
{
    const QPalette system = QApplication::palette();
    if (GetParam())
        QApplication::setPalette(darkPalette());
    {
        MainWindow window;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (!widget->autoFillBackground())
                continue;
            const QPalette palette = widget->palette();
            const double ratio = contrastRatio(palette.color(widget->backgroundRole()),
                                               palette.color(widget->foregroundRole()));
            EXPECT_GE(ratio, 4.5) << widget->objectName().toStdString();
        }
        const QPalette &palette = window.palette();
        EXPECT_GE(
            contrastRatio(palette.color(QPalette::Window), palette.color(QPalette::WindowText)),
            4.5)
            << "the frame's caption on the window";
    }
    QApplication::setPalette(system);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, PaletteContrast, testing::Values(false, true),
                         [](const auto &info) { return info.param ? "Dark" : "Light"; });

} // namespace
