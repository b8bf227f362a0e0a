#include "commands.h"
#include "form_description.h"
#include "spoken_texts.h"

#include <gtest/gtest.h>

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

} // namespace
