#include "main_window_fixture.h"

#include "legible_colours.h"

#include <QListWidget>
#include <QStyleOptionButton>

#include <cstdio>
#include <functional>
#include <map>

using namespace kelvaro;

namespace {

// Contrast as it is drawn: text, indicators and focus marks measured from the rendered window.

constexpr double textContrast = 4.5;
constexpr double markContrast = 3.0; // indicators and focus marks

QColor mostFrequent(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const auto most
        = std::max_element(counts.begin(), counts.end(),
                           [](const auto &a, const auto &b) { return a.second < b.second; });
    return QColor::fromRgb(most->first);
}

// The strongest contrast of any pixel in `area` against the area's background (its most frequent
// colour): the core of a glyph or the line of an indicator, not its antialiased edge.
double strongestContrast(const QImage &image, const QRect &area)
{
    const QColor background = mostFrequent(image, area);
    double strongest = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
    }
    return strongest;
}

// The strongest contrast between what `area` shows before and after a change: a focus mark
// against what it covers.
double strongestChange(const QImage &before, const QImage &after, const QRect &area)
{
    double strongest = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest,
                                 contrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)));
    }
    return strongest;
}

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

class RenderedContrast : public windowtest::MainWindowTest, public testing::WithParamInterface<bool>
{
protected:
    void SetUp() override
    {
        system = QApplication::palette();
        // A theme that is not installed falls back to the default without a word.
        if (const char *style = std::getenv("QT_STYLE_OVERRIDE")) {
            ASSERT_EQ(QApplication::style()->name().toLower(), QString::fromUtf8(style).toLower());
        }
        if (std::getenv("GTK_THEME") != nullptr) {
            ASSERT_LT(system.color(QPalette::Window).lightness(), 128) << "no gtk3 platform theme";
        }
        if (GetParam())
            QApplication::setPalette(darkPalette());
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        window.reset();
        QApplication::setPalette(system);
    }

    // Moves the focus with the Tab key, the way that makes the styles show it.
    void tabTo(const QString &objectName) const
    {
        for (int k = 0; k < 10 && focusName() != objectName; ++k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusName(), objectName);
    }
    QImage shot() const { return window->grab().toImage(); }
    QRect areaOf(const QString &objectName) const
    {
        QWidget *widget = control(objectName);
        return {widget->mapTo(window.get(), QPoint(0, 0)), widget->size()};
    }
    void expectAtLeast(const char *what, double ratio, double least) const
    {
        std::printf("contrast %-8s %-20s %5.2f\n", themeName().c_str(), what, ratio);
        EXPECT_GE(ratio, least) << what;
    }
    std::string themeName() const
    {
        if (GetParam())
            return "dark";
        const char *style = std::getenv("QT_STYLE_OVERRIDE");
        const char *theme = std::getenv("QT_QPA_PLATFORMTHEME");
        return style ? style : theme ? theme : "default";
    }
    QRect indicatorOf(QRadioButton *button) const
    {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
            .translated(button->mapTo(window.get(), QPoint(0, 0)));
    }

    QPalette system;
};

TEST_P(RenderedContrast, TextOnTheFixedBackgrounds)
{
    QRadioButton *brass = alloyButton(6);
    const QImage image = shot();
    expectAtLeast("title", strongestContrast(image, areaOf(QStringLiteral("Label1_0"))),
                  textContrast);
    expectAtLeast("heading", strongestContrast(image, areaOf(QStringLiteral("Label1_1"))),
                  textContrast);
    QRect caption = areaOf(QStringLiteral("Frame1"));
    caption.setHeight(alloyButton(0)->y());
    expectAtLeast("frame caption", strongestContrast(image, caption), textContrast);
    QRect name = areaOf(QStringLiteral("Option1_6"));
    name.setLeft(indicatorOf(brass).right() + 2);
    expectAtLeast("alloy caption", strongestContrast(image, name), textContrast);
    expectAtLeast(
        "check caption",
        strongestContrast(image, areaOf(QStringLiteral("Command1_0")).adjusted(3, 3, -3, -3)),
        textContrast);
    expectAtLeast(
        "clear caption",
        strongestContrast(image, areaOf(QStringLiteral("Command1_1")).adjusted(3, 3, -3, -3)),
        textContrast);
}

TEST_P(RenderedContrast, IndicatorsOnTheAlloyButtons)
{
    QRadioButton *brass = alloyButton(6);
    const QRect indicator = indicatorOf(brass).adjusted(-1, -1, 1, 1);
    const QRect button = areaOf(QStringLiteral("Option1_6"));
    const QImage unchecked = shot();
    QTest::mouseClick(brass, Qt::LeftButton);
    const QImage checked = shot();
    const QColor background = mostFrequent(unchecked, button);
    double outline = 1.0;
    for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
        for (int x = indicator.left(); x <= indicator.right(); ++x)
            outline = std::max(outline, contrastRatio(unchecked.pixelColor(x, y), background));
    }
    expectAtLeast("indicator", outline, markContrast);
    expectAtLeast("indicator checked", strongestChange(unchecked, checked, indicator),
                  markContrast);
}

TEST_P(RenderedContrast, ListsAndReport)
{
    auto *list = control<QListWidget>(QStringLiteral("List1_1"));
    const QImage before = shot();
    QRect viewport(list->viewport()->mapTo(window.get(), QPoint(0, 0)), list->viewport()->size());
    expectAtLeast("list text", strongestContrast(before, viewport), textContrast);
    pick(1, QStringLiteral("злато"));
    const QRect row
        = list->visualItemRect(list->item(list->currentRow())).translated(viewport.topLeft());
    tabTo(QStringLiteral("Text1_0"));
    expectAtLeast("selected row", strongestContrast(shot(), row), textContrast);
    const QImage report = shot();
    auto *box = control<QPlainTextEdit>(QStringLiteral("Text1_0"));
    const QRect reportArea = areaOf(QStringLiteral("Text1_0"));
    QRect page(box->viewport()->mapTo(window.get(), QPoint(0, 0)), box->viewport()->size());
    expectAtLeast("report text", strongestContrast(report, page), textContrast);
    const QImage listUnfocused = shot();
    tabTo(QStringLiteral("List1_1"));
    expectAtLeast("list focus", strongestChange(listUnfocused, shot(), row), markContrast);
    const QImage reportUnfocused = shot();
    box->setFocus(Qt::TabFocusReason);
    expectAtLeast("report focus", strongestChange(reportUnfocused, shot(), reportArea),
                  markContrast);
}

TEST_P(RenderedContrast, FocusOnAnAlloyButton)
{
    const QRect button = areaOf(QStringLiteral("Option1_0"));
    const QImage unfocused = shot();
    tabTo(QStringLiteral("Option1_0"));
    expectAtLeast("alloy focus", strongestChange(unfocused, shot(), button), markContrast);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RenderedContrast, testing::Values(false, true),
                         [](const auto &info) {
                             return info.param ? "DarkPalette" : "SystemPalette";
                         });

} // namespace
