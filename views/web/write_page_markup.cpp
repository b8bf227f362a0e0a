// Writes the page's markup for the build: `head` what goes into its head, `window` the window.
#include "page_markup.h"

#include <iostream>
#include <string_view>

int main(int argc, char **argv)
{
    const std::string_view part = argc == 2 ? argv[1] : "";
    if (part != "head" && part != "window") {
        std::cerr << "usage: write_page_markup head|window\n";
        return 2;
    }
    std::cout << (part == "head" ? kelvaro::web::headMarkup() : kelvaro::web::windowMarkup());
    return 0;
}
