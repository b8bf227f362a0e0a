#include "page_data.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using kelvaro::web::jsonString;

namespace {

struct EscapeRow
{
    std::string name;
    std::string text;
    std::string json;
    friend void PrintTo(const EscapeRow &row, std::ostream *out) { *out << row.name; }
};

class JsonString : public testing::TestWithParam<EscapeRow>
{
};

// Reports hold CR LF and quotes; a byte left raw would break the page's JSON.parse.
TEST_P(JsonString, EscapesWhatJsonForbidsAndKeepsUtf8)
{
    const EscapeRow &row = GetParam();
    EXPECT_EQ(jsonString(row.text), row.json);
}

INSTANTIATE_TEST_SUITE_P(PageData, JsonString,
                         testing::Values(EscapeRow {"Empty", "", R"("")"},
                                         EscapeRow {"LineEnds", "а\r\nб", R"("а\u000d\u000aб")"},
                                         EscapeRow {"QuotesAndBackslash", R"(„"\)", R"("„\"\\")"},
                                         EscapeRow {"ControlCharacters",
                                                    std::string("\x01\x1f\x7f", 3),
                                                    "\"\\u0001\\u001f\x7f\""}),
                         [](const auto &info) { return info.param.name; });

} // namespace
