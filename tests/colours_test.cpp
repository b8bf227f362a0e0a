#include "colours.h"
#include "view_state.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvaro;

namespace {

struct SchemeRow
{
    std::string name;
    SystemColours system;
    friend void PrintTo(const SchemeRow &row, std::ostream *out) { *out << row.name; }
};

class ColourScheme : public testing::TestWithParam<SchemeRow>
{
};

// Whatever sets a background sets its text colour too, so every text reads at 4.5:1; under high
// contrast every control takes the user's colours whole.
TEST_P(ColourScheme, EveryTextReadsWellOnItsBackground)
{
    const SystemColours &system = GetParam().system;
    const ControlColours window = formColours(kelvaroForm(), system);
    EXPECT_GE(contrastRatio(window.background, window.text), minimumTextContrast);
    for (const ControlDescription *control : shownControls()) {
        SCOPED_TRACE(controlName(*control));
        const ControlColours colours = controlColours(*control, system);
        EXPECT_GE(contrastRatio(colours.background, colours.text), minimumTextContrast);
        if (system.highContrast) {
            const bool button = control->kind == ControlKind::CommandButton;
            EXPECT_EQ(colours,
                      (ControlColours {button ? system.buttonFace : system.window,
                                       button ? system.buttonText : system.windowText}));
        } else if (control->background) {
            EXPECT_EQ(colours.background, *control->background);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColourScheme,
    testing::Values(
        SchemeRow {"Classic", {{255, 255, 255}, {0, 0, 0}, {240, 240, 240}, {0, 0, 0}, false}},
        SchemeRow {"DarkText",
                   {{30, 30, 30}, {240, 240, 240}, {53, 53, 53}, {255, 255, 255}, false}},
        SchemeRow {"HighContrastBlack",
                   {{0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {255, 255, 255}, true}},
        SchemeRow {"HighContrastWhite",
                   {{255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, true}}),
    [](const auto &info) { return info.param.name; });

} // namespace
