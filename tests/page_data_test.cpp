#include "page_data.h"

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

// The page places its controls where the JSON says: the JSON must say what the design's twips
// say, at 96 dots per inch.
TEST(PageData, DesignPlacesEveryShownControlAtItsTwips)
{
    const std::string design = kelvaro::web::designJson();
    const auto pixels = [](int twips) { return std::to_string(twips * 96 / 1440); };
    for (const kelvaro::ControlDescription *control : kelvaro::shownControls()) {
        const kelvaro::TwipsRect &twips = control->rect;
        const auto at
            = design.find("{\"id\":" + kelvaro::web::jsonString(kelvaro::controlName(*control)));
        ASSERT_NE(at, std::string::npos) << kelvaro::controlName(*control);
        const std::string object = design.substr(at, design.find("\"items\"", at) - at);
        const std::string box = "\"left\":" + pixels(twips.left) + ",\"top\":" + pixels(twips.top)
            + ",\"width\":" + pixels(twips.width) + ",\"height\":" + pixels(twips.height) + ',';
        EXPECT_NE(object.find(box), std::string::npos) << object << " is not at " << box;
    }
}

} // namespace
