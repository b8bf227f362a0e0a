#include "win32_window_fixture.h"

#include "annotations.h"
#include "catalogue.h"
#include "commands.h"
#include "view_state.h"

#include <oleacc.h>

#include <array>
#include <map>

using namespace kelvaro;
using kelvaro::win32::toWide;

namespace {

struct CheckCase
{
    std::string name;
    std::array<std::string_view, 3> picks;
    Index alloy; // noSelection: the check fails
    std::string_view firstLine;
    friend void PrintTo(const CheckCase &row, std::ostream *out) { *out << row.name; }
};

class Win32Check : public Win32WindowTest, public testing::WithParamInterface<CheckCase>
{
};

std::wstring alloyName(Index alloy)
{
    return toWide(catalogue::alloyNames.at(static_cast<std::size_t>(alloy)));
}

// The system's annotation service as the window uses it: what it was last told of each control.
class RecordedAnnotations final : public IAccPropServices
{
public:
    std::map<HWND, std::map<std::wstring, std::wstring>> properties; // "name": "Първи елемент"
    ULONG references = 0; // those the window holds

    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override
    {
        return record(hwnd, object, child, property, text);
    }
    HRESULT WINAPI SetHwndProp(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override
    {
        return value.vt == VT_I4
            ? record(hwnd, object, child, property, std::to_wstring(value.lVal))
            : E_INVALIDARG;
    }
    HRESULT WINAPI ClearHwndProps(HWND hwnd, DWORD object, DWORD child, const MSAAPROPID *cleared,
                                  int count) override
    {
        for (int k = 0; k < count; ++k)
            properties[hwnd].erase(propertyName(cleared[k]));
        if (properties[hwnd].empty())
            properties.erase(hwnd);
        return object == static_cast<DWORD>(OBJID_CLIENT) && child == CHILDID_SELF ? S_OK
                                                                                   : E_INVALIDARG;
    }

    // The rest of the service, which the window does not use.
    // NOLINTBEGIN(readability-named-parameter)
    HRESULT WINAPI QueryInterface(REFIID, void **) override { return E_NOINTERFACE; }
    ULONG WINAPI AddRef() override { return ++references; }
    ULONG WINAPI Release() override { return --references; }
    HRESULT WINAPI SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                 AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                     AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                               DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                      AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *, DWORD *) override
    {
        return E_NOTIMPL;
    }
    // NOLINTEND(readability-named-parameter)

private:
    static std::wstring propertyName(const MSAAPROPID &property)
    {
        // UI Automation's LiveSetting property.
        constexpr GUID liveSetting {
            0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
        if (IsEqualGUID(property, PROPID_ACC_NAME))
            return L"name";
        if (IsEqualGUID(property, PROPID_ACC_DESCRIPTION))
            return L"description";
        return IsEqualGUID(property, liveSetting) ? L"live setting" : L"another property";
    }
    HRESULT record(HWND hwnd, DWORD object, DWORD child, const MSAAPROPID &property,
                   std::wstring value)
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF)
            return E_INVALIDARG;
        properties[hwnd][propertyName(property)] = std::move(value);
        return S_OK;
    }
};

class Win32Annotations : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        win32::Annotations::forceServices(&recorded); // Wine's answers E_NOTIMPL
        Win32WindowTest::SetUp();
    }
    void TearDown() override
    {
        Win32WindowTest::TearDown();
        win32::Annotations::forceServices(nullptr);
    }

    RecordedAnnotations recorded;
};

std::vector<std::pair<HWND, std::wstring>> liveRegionChanges;

void CALLBACK recordLiveRegion(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND hwnd, LONG /*object*/,
                               LONG /*child*/, DWORD /*thread*/, DWORD /*time*/)
{
    liveRegionChanges.emplace_back(hwnd, win32::windowText(hwnd));
}

} // namespace

// A check end to end on the real controls, then a clear: the report, the blanked caption, the
// deselected buttons and lists, and every caption given back.
TEST_P(Win32Check, ReportsBlanksTheFoundAlloyAndClearGivesEveryCaptionBack)
{
    const CheckCase &row = GetParam();
    click(alloyButton(2));
    for (Index list = 1; list <= 3; ++list)
        pick(list, row.picks.at(static_cast<std::size_t>(list - 1)));
    click(command(0));

    std::wstring expected = toWide(catalogue::taskStatement);
    if (row.alloy != noSelection) {
        expected = toWide(row.firstLine) + L"\r\n"
            + toWide(catalogue::alloyDescriptions.at(static_cast<std::size_t>(row.alloy)))
            + L"\r\n";
    }
    EXPECT_EQ(text(report()), expected);
    for (Index k = 0; k < 10; ++k) {
        EXPECT_EQ(text(alloyButton(k)), k == row.alloy ? L"" : alloyName(k)) << k;
        EXPECT_EQ(SendMessageW(alloyButton(k), BM_GETCHECK, 0, 0), BST_UNCHECKED) << k;
    }
    for (Index list = 1; list <= 3; ++list)
        EXPECT_EQ(SendMessageW(this->list(list), LB_GETCURSEL, 0, 0), LB_ERR) << list;

    click(command(1));
    for (Index k = 0; k < 10; ++k)
        EXPECT_EQ(text(alloyButton(k)), alloyName(k)) << k;
    EXPECT_EQ(text(report()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Win32Window, Win32Check,
    testing::Values(
        CheckCase {"brass", {"мед", "цинк", ""}, 6, "Елементи на сплавта месинг са:  мед, цинк"},
        CheckCase {"alpaca",
                   {"мед", "цинк", "никел"},
                   0,
                   "Елементи на сплавта алпака са:  мед, цинк, никел"},
        CheckCase {"failed", {"цинк", "мед", ""}, noSelection, ""}),
    [](const auto &info) { return info.param.name; });

// Every control carries the name and description of the view state, after a check and a pick;
// the live region is polite; and the window takes them all back when it closes, since the
// system would keep them.
TEST_F(Win32Annotations, EveryControlIsNamedAndDescribedAsTheViewStateSays)
{
    pick(1, "мед");
    pick(2, "цинк");
    click(command(0));
    pick(3, "никел");
    Kelvaro expected = loadKelvaro();
    expected.List1[1].setListIndex(7); // мед
    expected.List1[2].setListIndex(11); // цинк
    Command1_Click(expected, 0);
    expected.List1[3].setListIndex(8); // никел
    std::map<HWND, std::map<std::wstring, std::wstring>> wanted;
    for (const ControlView &view : viewState(expected)) {
        auto &properties = wanted[control(view.control->kind, view.control->index.value_or(0))];
        properties[L"name"] = toWide(view.accessibleName);
        if (!view.accessibleDescription.empty())
            properties[L"description"] = toWide(view.accessibleDescription);
    }
    wanted[win32::liveRegion(window)][L"live setting"] = L"1"; // polite
    EXPECT_EQ(recorded.properties, wanted);
    DestroyWindow(window);
    EXPECT_TRUE(recorded.properties.empty());
    EXPECT_EQ(recorded.references, 0U);
}

TEST_F(Win32WindowTest, ReportIsReadOnlyForTheUser)
{
    HWND box = report();
    EXPECT_TRUE(GetWindowLongPtrW(box, GWL_STYLE) & ES_READONLY);
    const std::wstring before = text(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    for (auto [message, wParam] : std::array<std::pair<UINT, WPARAM>, 4> {
             {{WM_CHAR, L'x'}, {WM_CUT, 0}, {WM_CLEAR, 0}, {WM_PASTE, 0}}}) {
        SendMessageW(box, message, wParam, 0);
        EXPECT_EQ(text(box), before) << "message " << message;
    }
}

// Tab runs through the report box, the alloy group, the three lists and the two buttons and back;
// the group keeps its stop once a check has unchecked every button; arrows move inside it.
TEST_F(Win32WindowTest, TabCyclesThroughTheControlsThatTakeTheFocus)
{
    EXPECT_EQ(GetFocus(), report());
    const std::array<HWND, 8> cycle {report(), alloyButton(0), list(1),    list(2),
                                     list(3),  command(0),     command(1), report()};
    for (int round = 0; round < 2; ++round) {
        for (std::size_t k = 1; k < cycle.size(); ++k) {
            press(VK_TAB);
            EXPECT_EQ(GetFocus(), cycle[k]) << "round " << round << ", stop " << k;
        }
        click(alloyButton(4)); // then a check unchecks it
        pick(1, "мед");
        pick(2, "цинк");
        click(command(0));
        SetFocus(report());
    }
    press(VK_TAB);
    press(VK_DOWN); // the arrows move inside the group and select as they go
    EXPECT_EQ(GetFocus(), alloyButton(1));
    EXPECT_EQ(SendMessageW(alloyButton(1), BM_GETCHECK, 0, 0), BST_CHECKED);
}

struct KeyCase
{
    std::string name;
    WORD key;
    bool onButton; // else in the first list
    bool presses;
    friend void PrintTo(const KeyCase &row, std::ostream *out) { *out << row.name; }
};

class Win32Key : public Win32WindowTest, public testing::WithParamInterface<KeyCase>
{
};

TEST_P(Win32Key, PressesTheFocusedButtonWithSpaceOrEnterAndNeverClosesTheWindow)
{
    const KeyCase &row = GetParam();
    pick(1, "мед");
    pick(2, "цинк");
    HWND focus = row.onButton ? command(0) : list(1);
    SetFocus(focus);
    press(row.key);
    EXPECT_EQ(GetFocus(), focus);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(text(alloyButton(6)).empty(), row.presses);
}

INSTANTIATE_TEST_SUITE_P(Win32Window, Win32Key,
                         testing::Values(KeyCase {"SpaceOnCheck", VK_SPACE, true, true},
                                         KeyCase {"EnterOnCheck", VK_RETURN, true, true},
                                         KeyCase {"EscOnCheck", VK_ESCAPE, true, false},
                                         KeyCase {"EnterInList", VK_RETURN, false, false},
                                         KeyCase {"EscInList", VK_ESCAPE, false, false}),
                         [](const auto &info) { return info.param.name; });

// The second of two quick clicks reaches an owner-drawn button as a double click.
TEST_F(Win32WindowTest, AClickThatArrivesAsADoubleClickStillChecks)
{
    pick(1, "мед");
    pick(2, "цинк");
    const LPARAM inside = MAKELPARAM(10, 10);
    SendMessageW(command(0), WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    SendMessageW(command(0), WM_LBUTTONUP, 0, inside);
    pump();
    EXPECT_EQ(text(alloyButton(6)), L"");
}

// A new report is read from its first line; a failed check leaves the reader where he was.
TEST_F(Win32WindowTest, ReportThatStaysKeepsTheReadersPlace)
{
    pick(1, "желязо");
    pick(2, "хром");
    pick(3, "алуминий");
    click(command(0));
    SendMessageW(report(), WM_VSCROLL, SB_BOTTOM, 0);
    const LRESULT bottom = SendMessageW(report(), EM_GETFIRSTVISIBLELINE, 0, 0);
    ASSERT_GT(bottom, 0) << "the kanthal report should be longer than its box";
    pick(1, "цинк");
    click(command(0)); // matches nothing
    EXPECT_EQ(SendMessageW(report(), EM_GETFIRSTVISIBLELINE, 0, 0), bottom);
    pick(1, "мед");
    pick(2, "цинк");
    click(command(0));
    EXPECT_EQ(SendMessageW(report(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

// One level below the screen reader: after each command the live region tells its sentence,
// nothing of it shows, and the focus stays on the pressed button.
TEST_F(Win32WindowTest, EachCommandAnnouncesItsOutcomeAndKeepsTheFocus)
{
    HWINEVENTHOOK hook
        = SetWinEventHook(win32::liveRegionChanged, win32::liveRegionChanged, nullptr,
                          recordLiveRegion, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    liveRegionChanges.clear();
    pick(1, "мед");
    pick(2, "цинк");
    SetFocus(command(0));
    press(VK_SPACE);
    SetFocus(command(1));
    press(VK_RETURN);
    UnhookWinEvent(hook);
    if (win32::lastAnnouncement(window) == win32::Announcement::notification)
        GTEST_SKIP() << "announced as UI Automation notifications, which only a UI Automation "
                        "client receives";
    HWND region = win32::liveRegion(window);
    ASSERT_NE(region, nullptr);
    const std::vector<std::pair<HWND, std::wstring>> expected {
        {region, L"Намерена сплав: месинг."},
        {region, L"Всичко е изчистено. Започни упражнението отначало."}};
    EXPECT_EQ(liveRegionChanges, expected);
    EXPECT_EQ(GetFocus(), command(1));
    RECT shown {};
    GetWindowRect(region, &shown);
    EXPECT_TRUE(IsRectEmpty(&shown)) << "nothing of the live region may be seen";
}
