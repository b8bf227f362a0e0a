#include "page_data.h"
#include "page_markup.h"

#include "form_description.h"
#include "view_state.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Reports hold CR LF and quotes; a byte left raw would break the page's JSON.parse.
TEST(PageData, JsonStringEscapesWhatJsonForbidsAndKeepsUtf8)
{
    const std::vector<std::pair<std::string, std::string>> rows {
        {"", R"("")"},
        {"а\r\nб", R"("а\u000d\u000aб")"},
        {R"(„"\)", R"("„\"\\")"},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
    };
    for (const auto &[text, json] : rows)
        EXPECT_EQ(kelvaro::web::jsonString(text), json);
}

} // namespace

namespace {

// The page's script finds the controls of the view state by the ids the markup gives in the
// core's order, and the style sheet places each where the markup says, which must be what the
// design's twips say at 96 dots per inch; and the markup reads in the reading order.
TEST(PageData, MarkupNamesTheViewStatesControlsAndPlacesThemAtTheirTwipsInReadingOrder)
{
    using namespace kelvaro;
    const std::string markup = web::windowMarkup();
    std::string order;
    for (const ControlDescription *control : shownControls())
        order.append(order.empty() ? "" : " ").append(controlName(*control));
    EXPECT_NE(markup.find(" data-controls=\"" + order + '"'), std::string::npos) << markup;
    const auto pixels = [](int twips) { return std::to_string(twips * 96 / 1440); };
    std::size_t last = 0;
    for (const ControlDescription *control : readingOrder()) {
        const std::string id = controlName(*control);
        const TwipsRect &twips = control->rect;
        const std::string placed = '"' + id + "\" style=\"--left:" + pixels(twips.left)
            + ";--top:" + pixels(twips.top) + ";--width:" + pixels(twips.width)
            + ";--height:" + pixels(twips.height) + '"';
        const auto at = markup.find(placed);
        EXPECT_NE(at, std::string::npos) << id << " is not at " << placed;
        EXPECT_GT(at, last) << id << " is out of the reading order";
        last = at;
    }
}

} // namespace
