// Writes the page's markup for the build: `head` what goes into its head, `window` the window.
#include "page_markup.h"

#include <cstdio>
#include <string>
#include <string_view>

int main(int argc, char **argv)
{
    const std::string_view part = argc == 2 ? argv[1] : "";
    if (part != "head" && part != "window") {
        std::fputs("usage: write_page_markup head|window\n", stderr);
        return 2;
    }
    const std::string markup
        = part == "head" ? kelvaro::web::headMarkup() : kelvaro::web::windowMarkup();
    return std::fputs(markup.c_str(), stdout) < 0 ? 1 : 0;
}
