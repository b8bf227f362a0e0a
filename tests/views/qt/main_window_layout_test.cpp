#include "main_window_fixture.h"

#include "qt_colours.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

using namespace kelvaro;
using kelvaro::windowtest::MainWindowTest;
using kelvaro::windowtest::name;

namespace {

// How the window looks: places, colours, captions, fonts, contrast.

QRect pixelsOf(const TwipsRect &rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

TEST_F(MainWindowTest, EveryShownControlSitsAtItsPlace)
{
    for (const ControlDescription &described : kelvaroForm().controls) {
        auto *widget = window->findChild<QWidget *>(name(described));
        if (!described.shown) {
            EXPECT_TRUE(widget == nullptr || !widget->isVisible()) << controlName(described);
            continue;
        }
        ASSERT_NE(widget, nullptr) << controlName(described);
        const QRect expected = pixelsOf(described.rect);
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
        // A pixel near the right edge, clear of the caption and of the indicator.
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
                  alloyNames(window->model()).List(static_cast<Index>(k)))
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

TEST_F(MainWindowTest, NoCaptionIsClipped)
{
    const QFontInfo font(window->font());
    EXPECT_TRUE(font.family().contains(QStringLiteral("Serif"))
                || font.family() == QStringLiteral("Times New Roman"))
        << font.family().toStdString();
    const bool metricFace = QFontDatabase::hasFamily(QStringLiteral("Times New Roman"))
        || QFontDatabase::hasFamily(QStringLiteral("Liberation Serif"));
    if (metricFace) {
        EXPECT_TRUE(font.family() == QStringLiteral("Times New Roman")
                    || font.family() == QStringLiteral("Liberation Serif"))
            << "a face with the layout's metrics is installed, yet the window shows "
            << font.family().toStdString();
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
    for (const ControlDescription &a : controls) {
        for (const ControlDescription &b : controls) {
            if (&a == &b || !a.shown || !b.shown || a.inFrame != b.inFrame)
                continue;
            const QRect shown = control(name(a))->geometry() & control(name(b))->geometry();
            EXPECT_EQ(shown, pixelsOf(a.rect) & pixelsOf(b.rect))
                << controlName(a) << " and " << controlName(b);
        }
    }
    EXPECT_EQ(window->grab().size(), window->size() * window->devicePixelRatio());
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
            widget->ensurePolished(); // a style sheet's colours reach the palette here
            if (!widget->autoFillBackground() && qobject_cast<QPushButton *>(widget) == nullptr)
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
