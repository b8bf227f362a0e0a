#include "main_window_fixture.h"

#include "qt_colours.h"

#include <QListWidget>
#include <QStyleOptionButton>

#include <cstdio>
#include <map>

using namespace kelvaro;

namespace {

// Contrast as it is drawn: text, indicators and focus marks measured from the rendered window.

constexpr double textContrast = 4.5;
constexpr double markContrast = 3.0; // indicators and focus marks

template<typename Visit> void forEachPixel(const QRect &area, Visit visit)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            visit(x, y);
    }
}

// The strongest contrast of a pixel in `area` against the area's most frequent colour, its
// background: the core of a glyph or the line of an indicator, not an antialiased edge.
double strongestContrast(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    forEachPixel(area, [&](int x, int y) { ++counts[image.pixel(x, y)]; });
    const QColor background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                  return a.second < b.second;
                              })->first;
    double strongest = 1.0;
    forEachPixel(area, [&](int x, int y) {
        strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
    });
    return strongest;
}

// The strongest contrast between what `area` shows before and after: a mark against what it covers.
double strongestChange(const QImage &before, const QImage &after, const QRect &area)
{
    double strongest = 1.0;
    forEachPixel(area, [&](int x, int y) {
        strongest
            = std::max(strongest, contrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)));
    });
    return strongest;
}

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(30, 30, 30));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// Every row runs under the style and platform theme of the environment (see tests/CMakeLists.txt).
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
    QRect areaOf(const QWidget *widget) const
    {
        return {widget->mapTo(window.get(), QPoint(0, 0)), widget->size()};
    }
    QRect areaOf(const QString &objectName) const { return areaOf(control(objectName)); }
    void expectAtLeast(const char *what, double ratio, double least) const
    {
        const char *theme = std::getenv("QT_STYLE_OVERRIDE");
        theme = theme ? theme : std::getenv("QT_QPA_PLATFORMTHEME");
        std::printf("contrast %s%s: %s %.2f\n", theme ? theme : "default",
                    GetParam() ? "+dark palette" : "", what, ratio);
        EXPECT_GE(ratio, least) << what;
    }

    QPalette system;
};

TEST_P(RenderedContrast, TextAndIndicatorsOnTheFixedBackgrounds)
{
    QRadioButton *brass = alloyButton(6);
    QStyleOptionButton option;
    option.initFrom(brass);
    const QRect indicator = brass->style()
                                ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, brass)
                                .translated(areaOf(brass).topLeft());
    QRect caption = areaOf(QStringLiteral("Frame1"));
    caption.setHeight(alloyButton(0)->y());
    const QImage image = shot();
    const std::vector<std::pair<const char *, QRect>> texts {
        {"title", areaOf(QStringLiteral("Label1_0"))},
        {"heading", areaOf(QStringLiteral("Label1_1"))},
        {"frame caption", caption},
        {"alloy caption",
         areaOf(brass).adjusted(indicator.right() + 2 - areaOf(brass).left(), 0, 0, 0)},
        {"check caption", areaOf(QStringLiteral("Command1_0")).adjusted(3, 3, -3, -3)},
        {"clear caption", areaOf(QStringLiteral("Command1_1")).adjusted(3, 3, -3, -3)}};
    for (const auto &[what, area] : texts)
        expectAtLeast(what, strongestContrast(image, area), textContrast);
    expectAtLeast("indicator", strongestContrast(image, indicator), markContrast);
    QTest::mouseClick(brass, Qt::LeftButton);
    expectAtLeast("indicator checked", strongestChange(image, shot(), indicator), markContrast);
}

TEST_P(RenderedContrast, ListsReportAndFocusMarks)
{
    auto *list = control<QListWidget>(QStringLiteral("List1_1"));
    auto *box = control<QPlainTextEdit>(QStringLiteral("Text1_0"));
    const QRect rows = areaOf(list->viewport());
    const QRect page = areaOf(box->viewport());
    const QRect button = areaOf(QStringLiteral("Option1_0"));
    const QImage start = shot();
    expectAtLeast("list text", strongestContrast(start, rows), textContrast);
    expectAtLeast("report text", strongestContrast(start, page), textContrast);
    tabTo(QStringLiteral("Option1_0"));
    expectAtLeast("alloy focus", strongestChange(start, shot(), button), markContrast);

    pick(1, QStringLiteral("злато"));
    const QRect row = list->visualItemRect(list->currentItem()).translated(rows.topLeft());
    tabTo(QStringLiteral("Command1_0"));
    const QImage unfocused = shot();
    expectAtLeast("selected row", strongestContrast(unfocused, row), textContrast);
    list->setFocus(Qt::TabFocusReason);
    expectAtLeast("list focus", strongestChange(unfocused, shot(), row), markContrast);
    box->setFocus(Qt::TabFocusReason);
    // The frame's left edge, clear of the text cursor and the scroll bar.
    const QRect edge(areaOf(box).left(), page.top(), page.left() - areaOf(box).left(),
                     page.height());
    expectAtLeast("report focus", strongestChange(unfocused, shot(), edge), markContrast);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, RenderedContrast, testing::Values(false, true),
                         [](const auto &info) {
                             return info.param ? "DarkPalette" : "SystemPalette";
                         });

} // namespace
