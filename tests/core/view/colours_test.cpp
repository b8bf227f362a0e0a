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
            EXPECT_EQ((TextColours {colours.background, colours.text}),
                      (TextColours {button ? system.buttonFace : system.window,
                                    button ? system.buttonText : system.windowText}));
        } else if (control->background) {
            EXPECT_EQ(colours.background, *control->background);
        }
    }
    // The focus is marked around a control, on the window's background.
    if (!system.highContrast) {
        EXPECT_GE(contrastRatio(focusMarkOn(window.background, system), window.background),
                  minimumMarkContrast);
    }
    const TextColours picked = pickedRowColours(system);
    EXPECT_GE(contrastRatio(picked.background, picked.text), minimumTextContrast);
}

// The highlights of GTK's Adwaita, Windows and its black high-contrast scheme: a blue that does
// not stand out on the window's light blue, one whose white text needs a deeper shade.
constexpr Rgb white {255, 255, 255};
constexpr Rgb black {0, 0, 0};
INSTANTIATE_TEST_SUITE_P(
    Colours, ColourScheme,
    testing::Values(
        SchemeRow {"Classic", {white, black, {240, 240, 240}, black, {0, 120, 215}, white}},
        SchemeRow {"Adwaita", {white, black, {246, 245, 244}, black, {53, 132, 228}, white}},
        SchemeRow {"DarkText",
                   {{30, 30, 30}, {240, 240, 240}, {53, 53, 53}, white, {21, 83, 158}, white}},
        SchemeRow {"HighContrastBlack", {black, white, black, white, {26, 235, 255}, black, true}},
        SchemeRow {"HighContrastWhite", {white, black, white, black, {55, 0, 110}, white, true}}),
    [](const auto &info) { return info.param.name; });

} // namespace
