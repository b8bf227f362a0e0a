#include "check_alloy.h"
#include "form_description.h"
#include "picks.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace kelvaro;
using namespace kelvaro::tests;

namespace {

void expectNoAlloyButtonSelected(const Kelvaro &form)
{
    for (std::size_t k = 0; k < form.Option1.size(); ++k)
        EXPECT_FALSE(form.Option1[k].Value) << "Option1(" << k << ").Value";
}

struct RuleCase
{
    std::string name;
    std::string_view first, second, third;
    Index alloy;
    friend void PrintTo(const RuleCase &row, std::ostream *out) { *out << row.name; }
};

class Identification : public testing::TestWithParam<RuleCase>
{
};

TEST_P(Identification, NamesTheAlloyOfThePicksAndClearsThem)
{
    const RuleCase &row = GetParam();
    Kelvaro form = loadKelvaro();
    pickAll(form, row.first, row.second, row.third);
    const auto result = identifyAlloy(form);
    EXPECT_EQ(result.alloy, row.alloy)
        << "picks \"" << row.first << "\", \"" << row.second << "\", \"" << row.third << '"';
    expectNoPicks(form);
}

INSTANTIATE_TEST_SUITE_P(
    CheckAlloy, Identification,
    testing::Values(RuleCase {"Brass", "мед", "цинк", "", 6},
                    RuleCase {"Bronze", "мед", "калай", "", 1},
                    RuleCase {"Constantan", "мед", "никел", "", 5},
                    RuleCase {"Steel", "желязо", "въглерод", "", 8},
                    RuleCase {"AlpacaWinsOverBrass", "мед", "цинк", "никел", 0},
                    RuleCase {"WhiteGold", "злато", "сребро", "никел", 2},
                    RuleCase {"Galinstan", "галий", "индий", "калай", 3},
                    RuleCase {"Kanthal", "желязо", "хром", "алуминий", 4},
                    RuleCase {"Nichrome", "никел", "хром", "желязо", 7},
                    RuleCase {"TibetanAlloy", "злато", "сребро", "мед", 9},
                    RuleCase {"BrassWithAnotherThird", "мед", "цинк", "хром", 6},
                    RuleCase {"BronzeWithAThird", "мед", "калай", "цинк", 1},
                    RuleCase {"ConstantanWithAThird", "мед", "никел", "никел", 5},
                    RuleCase {"SteelWithAThird", "желязо", "въглерод", "алуминий", 8},
                    RuleCase {"BrassReversed", "цинк", "мед", "", -1},
                    RuleCase {"NichromeReversed", "желязо", "хром", "никел", -1},
                    RuleCase {"WhiteGoldWithoutThird", "злато", "сребро", "", -1},
                    RuleCase {"SameElementTwice", "мед", "мед", "", -1},
                    RuleCase {"FirstListOnly", "мед", "", "", -1},
                    RuleCase {"SecondAndThirdOnly", "", "цинк", "никел", -1},
                    RuleCase {"NothingPicked", "", "", "", -1}),
    [](const testing::TestParamInfo<RuleCase> &info) { return info.param.name; });

std::string report(const Kelvaro &form, Index alloy, std::string_view firstLine)
{
    return std::string(firstLine) + "\r\n" + descriptions(form).List(alloy) + "\r\n";
}

struct ReportCase
{
    std::string name;
    std::string_view first, second, third;
    Index alloy;
    std::string_view firstLine;
    friend void PrintTo(const ReportCase &row, std::ostream *out) { *out << row.name; }
};

class Report : public testing::TestWithParam<ReportCase>
{
};

TEST_P(Report, NamesTheAlloyListsThePicksAndBlanksOnlyItsButton)
{
    const ReportCase &row = GetParam();
    Kelvaro form = loadKelvaro();
    pickAll(form, row.first, row.second, row.third);
    CheckAlloy(form);
    EXPECT_EQ(form.Text1[0].Text, report(form, row.alloy, row.firstLine));
    for (std::size_t k = 0; k < form.Option1.size(); ++k) {
        const auto alloy = static_cast<Index>(k);
        const std::string expected = alloy == row.alloy ? "" : alloyNames(form).List(alloy);
        EXPECT_EQ(form.Option1[k].Caption, expected) << "Option1(" << k << ").Caption";
    }
    expectNoPicks(form);
}

INSTANTIATE_TEST_SUITE_P(
    CheckReport, Report,
    testing::Values(
        // The infix ends in a blank and the first element brings its own: two blanks.
        ReportCase {"BrassHasTwoBlanksAfterTheColon", "мед", "цинк", "", 6,
                    "Елементи на сплавта месинг са:  мед, цинк"},
        ReportCase {"TwoElementAlloyListsAnExtraThirdPickLast", "мед", "калай", "цинк", 1,
                    "Елементи на сплавта бронз са:  мед, калай, цинк"},
        ReportCase {"TwoWordNameAndThreeElements", "злато", "сребро", "мед", 9,
                    "Елементи на сплавта тибетска сплав са:  злато, сребро, мед"},
        ReportCase {"AlpacaNotBrass", "мед", "цинк", "никел", 0,
                    "Елементи на сплавта алпака са:  мед, цинк, никел"}),
    [](const testing::TestParamInfo<ReportCase> &info) { return info.param.name; });

TEST(CheckReport, AlloyFoundTwiceIsStillNamed)
{
    Kelvaro form = loadKelvaro();
    pickAll(form, "мед", "никел");
    CheckAlloy(form);
    pickAll(form, "мед", "никел");
    CheckAlloy(form);
    EXPECT_EQ(form.Text1[0].Text, report(form, 5, "Елементи на сплавта константан са:  мед, никел"))
        << "the second report must still carry the alloy's name";
    EXPECT_EQ(form.Option1[5].Caption, "");
}

TEST(CheckReport, LaterReportReplacesTheEarlierOne)
{
    Kelvaro form = loadKelvaro();
    pickAll(form, "мед", "цинк");
    CheckAlloy(form);
    pickAll(form, "желязо", "въглерод");
    CheckAlloy(form);
    EXPECT_EQ(form.Text1[0].Text,
              report(form, 8, "Елементи на сплавта стомана са:  желязо, въглерод"));
    EXPECT_EQ(form.Option1[6].Caption, "");
    EXPECT_EQ(form.Option1[8].Caption, "");
}

TEST(CheckReport, FailedCheckKeepsTextAndCaptionsButDeselectsEveryButton)
{
    Kelvaro form = loadKelvaro();
    pickAll(form, "мед", "цинк");
    CheckAlloy(form);
    const Kelvaro before = form;
    selectOption(form, 3);
    pickAll(form, "цинк", "мед", "никел");
    CheckAlloy(form);
    EXPECT_EQ(form.Text1[0].Text, before.Text1[0].Text);
    for (std::size_t k = 0; k < form.Option1.size(); ++k)
        EXPECT_EQ(form.Option1[k].Caption, before.Option1[k].Caption) << "Option1(" << k << ")";
    expectNoAlloyButtonSelected(form);
    expectNoPicks(form);
}

TEST(CheckReport, SuccessfulCheckDeselectsTheButtonTheUserClicked)
{
    Kelvaro form = loadKelvaro();
    selectOption(form, 6);
    pickAll(form, "мед", "цинк");
    CheckAlloy(form);
    expectNoAlloyButtonSelected(form);
}

} // namespace
