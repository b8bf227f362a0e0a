#include "catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

using namespace kelvaro::catalogue;

namespace {

std::size_t codePoints(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    if (!text.empty())
        lines.push_back(text); // text after the last CR LF: a line without its line end
    return lines;
}

std::string toLower(std::string_view text)
{
    // Only the first letter of a sentence is capitalised; Cyrillic capitals А to Я are
    // U+0410 to U+042F and their small letters U+0430 to U+044F.
    std::string lower(text);
    if (lower.size() >= 2 && static_cast<unsigned char>(lower[0]) == 0xD0) {
        auto second = static_cast<unsigned char>(lower[1]);
        if (second >= 0x90 && second <= 0x9F)
            lower[1] = static_cast<char>(second + 0x20);
        else if (second >= 0xA0 && second <= 0xAF) {
            lower[0] = static_cast<char>(0xD1);
            lower[1] = static_cast<char>(second - 0x20);
        }
    }
    return lower;
}

TEST(Catalogue, ElementTextsAreExactlyTheVocabulary)
{
    const std::array<std::string_view, elementCount> expected
        = {"алуминий", "въглерод", "галий", "желязо", "злато", "индий",
           "калай",    "мед",      "никел", "сребро", "хром",  "цинк"};
    EXPECT_EQ(elementNames, expected);
}

TEST(Catalogue, NamesAndElementsAreInAlphabeticalOrder)
{
    // UTF-8 byte order is code point order, and the Cyrillic block follows the Bulgarian alphabet.
    EXPECT_TRUE(std::is_sorted(alloyNames.begin(), alloyNames.end()));
    EXPECT_TRUE(std::is_sorted(elementNames.begin(), elementNames.end()));
}

struct DescriptionCase
{
    std::size_t alloy;
    std::size_t length;
    std::vector<std::string_view> facts;
    friend void PrintTo(const DescriptionCase &row, std::ostream *out)
    {
        *out << "alloy " << row.alloy;
    }
};

class Description : public testing::TestWithParam<DescriptionCase>
{
};

TEST_P(Description, NamesItsAlloyStatesItsFactsAndKeepsItsLength)
{
    const DescriptionCase &row = GetParam();
    const std::string_view text = alloyDescriptions.at(row.alloy);
    const std::string_view name = alloyNames.at(row.alloy);

    const std::string firstSentence = toLower(text.substr(0, text.find(". ")));
    EXPECT_NE(firstSentence.find(name), std::string::npos)
        << "first sentence of description " << row.alloy << " does not name " << name;
    for (std::string_view fact : row.facts)
        EXPECT_NE(text.find(fact), std::string_view::npos)
            << "description of " << name << " lacks \"" << fact << '"';

    const auto length = static_cast<double>(codePoints(text));
    EXPECT_NEAR(length, static_cast<double>(row.length), 0.1 * static_cast<double>(row.length))
        << "description of " << name;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos)
        << name << " is not one paragraph";
    EXPECT_NE(text.front(), ' ');
    EXPECT_EQ(text.back(), '.');
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, Description,
    testing::Values(
        DescriptionCase {
            0, 797, {"мед", "цинк", "никел", "5%", "телефон", "ципове", "клеми", "прибори"}},
        DescriptionCase {
            1,
            596,
            {"мед", "калай", "скулптури", "монети", "от 3300 до 1200\u00A0г. пр.н.е.", "оръжия"}},
        DescriptionCase {
            2, 550, {"бижута", "никел", "платина", "паладий", "сребро", "карат", "17"}},
        DescriptionCase {3,
                         434,
                         {"евтектична", "стайна", "−19\u00A0°C", "°F", "слабо токсична, тя",
                          "живак", "68,5% Ga, 21,5% In, 10% Sn"}},
        DescriptionCase {4,
                         465,
                         {"хром (20\u00A0– 30%)", "алуминий (4\u00A0– 7,5%)", "Ω",
                          "7100\u00A0– 7300\u00A0kg", "1450\u00A0°C", "750\u00A0– 950\u00A0°C"}},
        DescriptionCase {
            5,
            249,
            {"сплав от мед и никел", "60% мед и 40% никел", "Сплавта е наречена", "термодвойки"}},
        DescriptionCase {
            6, 420, {"мед (над 50%)", "цинк", "927\u00A0°C", "1700\u00A0°F", "музикални"}},
        DescriptionCase {7,
                         404,
                         {"немагнитна", "никел (80%)", "хром (20%)", "желязо",
                          "топи при около 1400\u00A0°C",
                          "работната му температура достига до около 1200\u00A0°C", "кантал"}},
        DescriptionCase {
            8, 717, {"сплав от желязо и въглерод", "0,025%", "2,14%", "манган", "ниобий", "чугун"}},
        DescriptionCase {9, 125, {"злато", "сребро", "мед", "равни части", "амулети"}}),
    [](const testing::TestParamInfo<DescriptionCase> &info) {
        return "alloy" + std::to_string(info.param.alloy);
    });

TEST(Catalogue, DescriptionsKeepEveryFigureOnOneLine)
{
    // A figure keeps its unit and a range its dash: no-break spaces, not blanks, and an en dash.
    const std::regex broken("[0-9]( (°|г\\.|kg|Ω)|-[0-9]| –)");
    for (std::size_t alloy = 0; alloy < alloyCount; ++alloy) {
        const std::string text(alloyDescriptions.at(alloy));
        std::smatch match;
        EXPECT_FALSE(std::regex_search(text, match, broken))
            << alloyNames.at(alloy) << ": \"" << match.str() << '"';
        EXPECT_EQ(text.find("сплав на "), std::string::npos) << alloyNames.at(alloy);
    }
}

TEST(Catalogue, TaskStatementHasSixLinesEachEndingInCrLf)
{
    ASSERT_TRUE(taskStatement.ends_with("\r\n"));
    const auto lines = linesOf(taskStatement);
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[1], "Тема на проекта: Kelvaro");
    const std::array<double, 6> lengths {78, 24, 206, 508, 88, 64};
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_NEAR(static_cast<double>(codePoints(lines[i])), lengths.at(i), 0.1 * lengths.at(i))
            << "line " << i + 1 << " of the task statement";

    std::string names;
    for (std::string_view name : alloyNames)
        names += (names.empty() ? "" : ", ") + std::string(name);
    EXPECT_TRUE(lines[2].ends_with(names + ".")) << "line 3 must list the alloys: " << lines[2];
    EXPECT_NEAR(static_cast<double>(codePoints(taskStatement)), 1000.0, 100.0);
}

TEST(Catalogue, SayingIsThreeLinesEachEndingInBlankCrLf)
{
    EXPECT_EQ(saying,
              "Неприятното в това да си първият, направил нещо по \r\n"
              "правилния начин, е, че никой не оценява колко трудно е \r\n"
              "било. \r\n");
    EXPECT_EQ(codePoints(saying), 118U);
}

} // namespace
