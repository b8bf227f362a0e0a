#pragma once

#include "window_model.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The design-time description of the window Kelvaro: every control with its place, colours,
// tab position and initial content, in twips. The window model and both windows, Qt and Win32,
// are built from this one table.
namespace kelvaro {

inline constexpr int twipsPerPixel = 15; // at 96 dots per inch

[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return twips / twipsPerPixel;
}

enum class ControlKind { Label, Frame, OptionButton, ListBox, CommandButton, TextBox };

struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

struct ControlDescription
{
    ControlKind kind = ControlKind::Label;
    std::string_view array {}; // "List1"; the frame is "Frame1" and has no index
    std::optional<Index> index {};
    TwipsRect rect {}; // relative to the container: the frame for option buttons, else the window
    std::optional<Rgb> background {}; // empty: the system's default
    bool shown = true;
    Index tabIndex = 0;
    std::string_view caption {};
    std::span<const std::string_view> items {};
    std::string_view text {};
    bool inFrame = false;
    std::string_view accessibleName {}; // what a screen reader says; empty: the caption
    Index heads = 0; // a label: the tab position of the control it stands over, read before it
};

struct FontDescription
{
    std::string_view family;
    int pointSize;
    int charset; // Windows character set; 204 is Cyrillic
};

struct FormDescription
{
    std::string_view name;
    std::string_view caption;
    int clientWidth; // twips
    int clientHeight;
    Rgb background;
    FontDescription font;
    bool fixedBorder;
    bool minButton;
    bool maxButton;
    bool controlBox;
    bool centredOnScreen;
    std::vector<ControlDescription> controls;
};

[[nodiscard]] const FormDescription &kelvaroForm();

// "List1_1", "Option1_6", "Frame1": the control's name as one identifier.
[[nodiscard]] std::string controlName(const ControlDescription &control);

// The window model in its design-time state, filled from the description.
[[nodiscard]] Kelvaro loadKelvaro();

} // namespace kelvaro
