#include "system_colours.h"

namespace kelvaro::win32 {

namespace {

std::optional<SystemColours> forced;

Rgb systemColour(int index)
{
    return toRgb(GetSysColor(index));
}

bool highContrastOn()
{
    HIGHCONTRASTW setting {};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != FALSE
        && (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace

SystemColours systemColours()
{
    if (forced)
        return *forced;
    return {.window = systemColour(COLOR_WINDOW),
            .windowText = systemColour(COLOR_WINDOWTEXT),
            .buttonFace = systemColour(COLOR_BTNFACE),
            .buttonText = systemColour(COLOR_BTNTEXT),
            .highlight = systemColour(COLOR_HIGHLIGHT),
            .highlightText = systemColour(COLOR_HIGHLIGHTTEXT),
            .highContrast = highContrastOn()};
}

void forceSystemColours(std::optional<SystemColours> colours)
{
    forced = colours;
}

COLORREF toColorRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

Rgb toRgb(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace kelvaro::win32
