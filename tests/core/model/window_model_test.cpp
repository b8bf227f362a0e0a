#include "form_description.h"
#include "window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

using namespace kelvaro;

namespace {

const ControlDescription &describedControl(std::string_view name)
{
    const auto &controls = kelvaroForm().controls;
    const auto found = std::find_if(controls.begin(), controls.end(), [&](const auto &control) {
        return controlName(control) == name;
    });
    if (found == controls.end())
        throw std::invalid_argument("no control " + std::string(name));
    return *found;
}

TEST(DesignTimeState, NothingIsPickedOrSelectedAndEveryButtonShowsItsName)
{
    const Kelvaro form = loadKelvaro();
    for (std::size_t i = 0; i < form.List1.size(); ++i)
        EXPECT_EQ(form.List1[i].ListIndex(), noSelection) << "List1(" << i << ").ListIndex";
    for (std::size_t i = 0; i < form.Option1.size(); ++i) {
        EXPECT_FALSE(form.Option1[i].Value) << "Option1(" << i << ").Value";
        EXPECT_EQ(form.Option1[i].Caption, alloyNames(form).List(static_cast<Index>(i)))
            << "Option1(" << i << ").Caption";
    }
    EXPECT_EQ(alloyNames(form).ListCount(), 10);
    EXPECT_EQ(descriptions(form).ListCount(), 10);
    for (std::size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(form.List1[i].ListCount(), 12) << "List1(" << i << ")";
        EXPECT_EQ(form.List1[i].List(0), "алуминий") << "List1(" << i << ")";
        EXPECT_EQ(form.List1[i].List(11), "цинк") << "List1(" << i << ")";
    }
    EXPECT_TRUE(form.Text1[0].Text.starts_with("Да се създаде проект"));
    EXPECT_TRUE(form.Text1[1].Text.starts_with("Неприятното"));
    EXPECT_EQ(form.Command1[0].Caption, "Провери");
    EXPECT_EQ(form.Command1[1].Caption, "Чисти");
}

TEST(ListBox, ReadsItemsByPositionWithMinusOneTheEmptyText)
{
    const ListBox list({"а", "б"});
    EXPECT_EQ(list.List(-1), "");
    EXPECT_EQ(list.List(1), "б");
    EXPECT_THROW((void)list.List(2), std::out_of_range);
    EXPECT_THROW((void)list.List(-2), std::out_of_range);
}

TEST(ListBox, AcceptsOnlyPositionsThatHoldAnItem)
{
    ListBox list({"а", "б"});
    list.setListIndex(1);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_THROW(list.setListIndex(2), std::out_of_range);
    EXPECT_THROW(list.setListIndex(-2), std::out_of_range);
    EXPECT_EQ(list.ListIndex(), 1) << "a refused selection must keep the old one";
    list.setListIndex(noSelection);
    EXPECT_EQ(list.ListIndex(), noSelection);
}

class AlloyButtonGroup : public testing::TestWithParam<Index>
{
};

TEST_P(AlloyButtonGroup, SelectingOneDeselectsTheOtherNine)
{
    Kelvaro form = loadKelvaro();
    selectOption(form, static_cast<Index>((GetParam() + 5) % 10));
    selectOption(form, GetParam());
    for (Index k = 0; k < 10; ++k)
        EXPECT_EQ(form.Option1[static_cast<std::size_t>(k)].Value, k == GetParam())
            << "Option1(" << k << ").Value after clicking Option1(" << GetParam() << ")";
}

INSTANTIATE_TEST_SUITE_P(WindowModel, AlloyButtonGroup, testing::Values(0, 4, 9));

TEST(AlloyButtonGroup, RefusesAButtonThatDoesNotExist)
{
    Kelvaro form = loadKelvaro();
    EXPECT_THROW(selectOption(form, 10), std::out_of_range);
    EXPECT_THROW(selectOption(form, -1), std::out_of_range);
}

TEST(FormDescription, EveryControlIsDescribedOnceWithItsOwnTabPosition)
{
    std::set<std::string> names;
    std::set<Index> tabs;
    for (const auto &control : kelvaroForm().controls) {
        EXPECT_TRUE(names.insert(controlName(control)).second) << controlName(control);
        EXPECT_TRUE(tabs.insert(control.tabIndex).second) << "tab " << control.tabIndex;
    }
    EXPECT_EQ(names.size(), 22U);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 21);
}

TEST(FormDescription, OnlyTheDataHoldersAreHidden)
{
    std::set<std::string> hidden;
    for (const auto &control : kelvaroForm().controls)
        if (!control.shown)
            hidden.insert(controlName(control));
    EXPECT_EQ(hidden, (std::set<std::string> {"List1_0", "List1_4", "Text1_1"}));
}

TEST(FormDescription, ShownControlsFitTheirContainer)
{
    const FormDescription &form = kelvaroForm();
    const TwipsRect frame = describedControl("Frame1").rect;
    for (const auto &control : form.controls) {
        if (!control.shown)
            continue; // the hidden saying reaches below the window, which nobody sees
        const int width = control.inFrame ? frame.width : form.clientWidth;
        const int height = control.inFrame ? frame.height : form.clientHeight;
        EXPECT_LE(control.rect.left + control.rect.width, width) << controlName(control);
        EXPECT_LE(control.rect.top + control.rect.height, height) << controlName(control);
        EXPECT_EQ(control.inFrame, control.kind == ControlKind::OptionButton)
            << controlName(control);
    }
}

TEST(FormDescription, HeadingSpansExactlyTheThreeElementLists)
{
    const TwipsRect heading = describedControl("Label1_1").rect;
    const TwipsRect first = describedControl("List1_1").rect;
    const TwipsRect third = describedControl("List1_3").rect;
    EXPECT_EQ(heading.left, first.left);
    EXPECT_EQ(heading.left + heading.width, third.left + third.width);
}

} // namespace
