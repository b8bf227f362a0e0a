#include "page_data.h"

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
