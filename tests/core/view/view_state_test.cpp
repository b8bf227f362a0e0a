#include "commands.h"
#include "form_description.h"
#include "view_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using namespace kelvaro;

namespace {

const ControlView &viewOf(const ViewState &state, std::string_view name)
{
    const auto found = std::find_if(state.begin(), state.end(), [&](const ControlView &view) {
        return controlName(*view.control) == name;
    });
    if (found == state.end())
        throw std::invalid_argument("no shown control " + std::string(name));
    return *found;
}

const ControlDescription &shown(std::string_view name)
{
    const ViewState state = viewState(loadKelvaro());
    return *viewOf(state, name).control;
}

struct ViewRow
{
    std::string control;
    std::string text;
    std::string name;
    std::string description;
    bool tabStop;
    friend void PrintTo(const ViewRow &row, std::ostream *out) { *out << row.control; }
};

class ControlViewAtStart : public testing::TestWithParam<ViewRow>
{
};

// What every window shows and a screen reader hears of each control at start. A label names
// nothing but itself: the lists carry names of their own.
TEST_P(ControlViewAtStart, ShowsTheDesignAndNamesEveryControl)
{
    const ViewRow &row = GetParam();
    const ViewState state = viewState(loadKelvaro());
    const ControlView &view = viewOf(state, row.control);
    if (row.control != "Text1_0") {
        EXPECT_EQ(view.text, row.text);
    }
    EXPECT_EQ(view.accessibleName, row.name);
    EXPECT_EQ(view.accessibleDescription, row.description);
    EXPECT_EQ(view.tabStop, row.tabStop);
    EXPECT_FALSE(view.checked);
    EXPECT_EQ(view.pick, noSelection);
}

INSTANTIATE_TEST_SUITE_P(
    ViewState, ControlViewAtStart,
    testing::Values(ViewRow {"Text1_0", "", "Задача и отчет", "", true},
                    ViewRow {"Label1_0", "Kelvaro", "Kelvaro", "", false},
                    ViewRow {"Frame1", "Kelvaro", "Сплави", "", false},
                    ViewRow {"Option1_0", "алпака", "алпака", "", true},
                    ViewRow {"Option1_9", "тибетска сплав", "тибетска сплав", "", false},
                    ViewRow {"List1_1", "", "Първи елемент", "Няма избран елемент.", true},
                    ViewRow {"List1_2", "", "Втори елемент", "Няма избран елемент.", true},
                    ViewRow {"List1_3", "", "Трети елемент", "Няма избран елемент.", true},
                    ViewRow {"Command1_0", "Провери", "Провери", "", true},
                    ViewRow {"Command1_1", "Чисти", "Чисти", "", true},
                    ViewRow {"Label1_1", "Участващ химически елемент", "Участващ химически елемент",
                             "", false}),
    [](const auto &info) { return info.param.control; });

TEST(ViewState, ShowsOnlyTheShownControlsInTabOrderAndStartsInTheReport)
{
    const ViewState state = viewState(loadKelvaro());
    std::vector<std::string> cycle;
    for (const ControlView &view : state) {
        EXPECT_TRUE(view.control->shown) << controlName(*view.control);
        if (view.tabStop)
            cycle.push_back(controlName(*view.control));
    }
    EXPECT_EQ(state.size(), 19U);
    EXPECT_EQ(cycle,
              (std::vector<std::string> {"Text1_0", "Option1_0", "List1_1", "List1_2", "List1_3",
                                         "Command1_0", "Command1_1"}));
    EXPECT_EQ(controlName(*shownControls().at(focusAtStart())), "Text1_0");
    EXPECT_TRUE(viewOf(state, "Text1_0").fromFirstLine);
    const WindowView frame = windowView(); // fixed, centred, with only the close button
    EXPECT_EQ(std::tuple(frame.title, frame.systemMenu, frame.minimizeButton, frame.maximizeButton,
                         frame.resizable, frame.centred),
              std::tuple(std::string("Kelvaro"), true, false, false, false, true));
    std::vector<std::string> read(readingOrder().size());
    std::transform(readingOrder().begin(), readingOrder().end(), read.begin(),
                   [](const ControlDescription *control) { return controlName(*control); });
    read.erase(read.begin() + 4, read.begin() + 13); // the other alloy buttons, in tab order
    EXPECT_EQ(
        read,
        (std::vector<std::string> {"Label1_0", "Text1_0", "Frame1", "Option1_0", "Label1_1",
                                   "List1_1", "List1_2", "List1_3", "Command1_0", "Command1_1"}));
}

// The user's picks, selections and commands reach the view; the group's one stop follows the
// selection. The sentences and names themselves are the spoken texts' rows.
TEST(ViewState, FollowsTheUsersInputAndEveryCommand)
{
    Kelvaro form = loadKelvaro();
    selectButton(form, shown("Option1_4"));
    pickRow(form, shown("List1_1"), 7); // мед
    pickRow(form, shown("List1_2"), 11); // цинк
    ViewState state = viewState(form);
    EXPECT_TRUE(viewOf(state, "Option1_4").checked);
    EXPECT_TRUE(viewOf(state, "Option1_4").tabStop);
    EXPECT_FALSE(viewOf(state, "Option1_0").tabStop);
    EXPECT_EQ(viewOf(state, "List1_2").pick, 11);
    EXPECT_EQ(viewOf(state, "List1_2").accessibleDescription, "Избран елемент: цинк.");

    // Said of the picks as they were: the check empties them.
    EXPECT_EQ(pressCommand(form, shown("Command1_0")), "Намерена сплав: месинг.");
    state = viewState(form);
    EXPECT_EQ(viewOf(state, "Option1_6").text, "");
    EXPECT_TRUE(viewOf(state, "Option1_0").tabStop) << "the check deselected every button";
    EXPECT_EQ(viewOf(state, "List1_2").pick, noSelection);
    EXPECT_THROW(pickRow(form, shown("Option1_1"), 0), std::invalid_argument);
}

} // namespace
