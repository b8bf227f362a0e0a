#include "commands.h"
#include "form_description.h"
#include "picks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

using namespace kelvaro;
using namespace kelvaro::tests;

namespace {

TEST(Commands, ClearRestoresEveryCaptionRemovesPicksAndKeepsReportAndValues)
{
    Kelvaro form = loadKelvaro();
    for (auto [first, second] :
         {std::pair {"мед", "цинк"}, {"мед", "калай"}, {"желязо", "въглерод"}}) {
        pickAll(form, first, second);
        Command1_Click(form, 0);
    }
    const std::string lastReport = form.Text1[0].Text;
    pickAll(form, "злато", "сребро", "никел");
    selectOption(form, 2);
    Command1_Click(form, 1);
    for (std::size_t k = 0; k < form.Option1.size(); ++k)
        EXPECT_EQ(form.Option1[k].Caption, form.List1[0].List(static_cast<Index>(k)))
            << "Option1(" << k << ")";
    expectNoPicks(form);
    EXPECT_EQ(form.Text1[0].Text, lastReport);
    EXPECT_TRUE(form.Option1[2].Value) << "clear leaves the alloy buttons' selection alone";
}

TEST(Commands, ClearRightAfterStartChangesNothing)
{
    Kelvaro form = loadKelvaro();
    Command1_Click(form, 1);
    const Kelvaro fresh = loadKelvaro();
    EXPECT_EQ(form.Text1[0].Text, fresh.Text1[0].Text);
    for (std::size_t k = 0; k < form.Option1.size(); ++k)
        EXPECT_EQ(form.Option1[k].Caption, fresh.Option1[k].Caption) << "Option1(" << k << ")";
}

TEST(Commands, CheckAfterClearNamesTheAlloyAndBlanksItsRestoredCaption)
{
    Kelvaro form = loadKelvaro();
    pickAll(form, "мед", "цинк");
    Command1_Click(form, 0);
    Command1_Click(form, 1);
    EXPECT_EQ(form.Option1[6].Caption, "месинг");
    pickAll(form, "мед", "цинк");
    Command1_Click(form, 0);
    EXPECT_EQ(form.Option1[6].Caption, "");
    EXPECT_TRUE(form.Text1[0].Text.starts_with("Елементи на сплавта месинг са:  мед, цинк\r\n"));
}

class UnknownCommand : public testing::TestWithParam<Index>
{
};

TEST_P(UnknownCommand, DoesNothing)
{
    Kelvaro form = loadKelvaro();
    pickAll(form, "мед", "цинк");
    selectOption(form, 1);
    Command1_Click(form, GetParam());
    EXPECT_EQ(form.List1[1].ListIndex(), 7) << "Command1_Click(" << GetParam() << ")";
    EXPECT_EQ(form.List1[2].ListIndex(), 11);
    EXPECT_TRUE(form.Option1[1].Value);
    EXPECT_EQ(form.Text1[0].Text, loadKelvaro().Text1[0].Text);
}

INSTANTIATE_TEST_SUITE_P(Commands, UnknownCommand, testing::Values(-1, 2, INT16_MAX));

} // namespace
