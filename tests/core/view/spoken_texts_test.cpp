#include "commands.h"
#include "form_description.h"
#include "spoken_texts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace kelvaro;

namespace {

TEST(SpokenTexts, AFoundAlloysButtonSaysItsNameAndThatItIsFoundUntilTheClear)
{
    Kelvaro form = loadKelvaro();
    EXPECT_EQ(alloyButtonName(form, 6), "месинг");
    form.List1[1].setListIndex(7); // мед
    form.List1[2].setListIndex(11); // цинк
    Command1_Click(form, 0);
    EXPECT_EQ(alloyButtonName(form, 6), "месинг, намерена сплав");
    EXPECT_EQ(alloyButtonName(form, 9), "тибетска сплав");
    Command1_Click(form, 1);
    EXPECT_EQ(alloyButtonName(form, 6), "месинг");
}

struct OutcomeRow
{
    const char *name;
    std::vector<std::array<Index, 3>> earlierChecks; // picks checked before, in turn
    std::array<Index, 3> picks;
    Index command;
    std::string spoken;
    friend void PrintTo(const OutcomeRow &row, std::ostream *out) { *out << row.name; }
};

class CommandOutcome : public testing::TestWithParam<OutcomeRow>
{
};

void pickElements(Kelvaro &form, const std::array<Index, 3> &picks)
{
    for (std::size_t list = 1; list <= 3; ++list)
        form.List1.at(list).setListIndex(picks.at(list - 1));
}

// Said from the picks as they stand before the command runs, which the check then empties.
TEST_P(CommandOutcome, OneSentenceSaysWhatTheCommandDid)
{
    const auto &row = GetParam();
    Kelvaro form = loadKelvaro();
    for (const auto &picks : row.earlierChecks) {
        pickElements(form, picks);
        Command1_Click(form, 0);
    }
    pickElements(form, row.picks);
    EXPECT_EQ(commandOutcome(form, row.command), row.spoken);
}

constexpr Index copper = 7;
constexpr Index zinc = 11;

INSTANTIATE_TEST_SUITE_P(
    SpokenTexts, CommandOutcome,
    testing::Values(
        OutcomeRow {"FoundAlloy", {}, {copper, zinc, -1}, 0, "Намерена сплав: месинг."},
        OutcomeRow {
            "FoundTwice", {{copper, zinc, -1}}, {copper, zinc, -1}, 0, "Намерена сплав: месинг."},
        OutcomeRow {"FailedCheck",
                    {{copper, zinc, -1}},
                    {zinc, copper, -1},
                    0,
                    "Няма сплав с тези елементи в този ред."},
        OutcomeRow {"Clear",
                    {{copper, zinc, -1}},
                    {copper, -1, -1},
                    1,
                    "Всичко е изчистено. Започни упражнението отначало."}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
