#include "controls/plumbing/Subclassing.h"
#include "controls/sysmenu/SystemMenu.h"

#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Entry {
    UINT id;
    bool separator;
    std::wstring text;
    bool greyed;
    bool checked;
    friend bool operator==(const Entry&, const Entry&) = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& entry)
{
    return out << entry.id << (entry.separator ? " separator" : " text") << (entry.greyed ? " greyed" : "")
               << (entry.checked ? " checked" : "");
}

std::vector<Entry> EntriesOf(HMENU menu)
{
    std::vector<Entry> entries;
    for (int position = 0; position < ::GetMenuItemCount(menu); ++position) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{sizeof(info)};
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 128;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
        // The platform reports separators as greyed.
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        entries.push_back({info.wID, separator, text, !separator && (info.fState & MFS_GRAYED) != 0,
            (info.fState & MFS_CHECKED) != 0});
    }
    return entries;
}

Entry Separator(std::int32_t index)
{
    return {SystemMenu::CommandOf(index), true, L"", false, false};
}

Entry Text(std::int32_t index, const std::wstring& text, bool greyed = false, bool checked = false)
{
    return {SystemMenu::CommandOf(index), false, text, greyed, checked};
}

std::vector<Entry> Joined(std::vector<Entry> first, const std::vector<Entry>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// The main window's design: a separator, then the About entry.
const PropertyStore AboutDesign{{L"Count", std::int32_t{2}},
    {PropertyStore::ItemKey(L"SystemMenuItemStyle", 0), std::int32_t{SystemMenuItem::StyleSeparator}},
    {PropertyStore::ItemKey(L"SystemMenuItemText", 1), std::wstring(L"&About Varnook...")}};

class SystemMenuTest : public testing::Test {
protected:
    TestHostWindow host;
    HMENU menu = ::GetSystemMenu(host.Hwnd(), FALSE);
    // The system's own entries, with its separators (identifier 0).
    std::vector<Entry> system = EntriesOf(menu);
};

TEST_F(SystemMenuTest, OwnEntriesFollowTheSystemsAndOnlyTheyEverChange)
{
    ASSERT_TRUE(std::find_if(system.begin(), system.end(), [](const Entry& e) { return e.separator && e.id == 0; }) !=
        system.end());
    {
        SystemMenu control(host.Site(), L"SystemMenuVarnook");
        control.ReadProperties(AboutDesign);
        EXPECT_EQ(EntriesOf(menu), Joined(system, {Separator(0), Text(1, L"&About Varnook...")}));

        control.Item(1)->SetText(L"&Over Varnook...");
        EXPECT_EQ(EntriesOf(menu), Joined(system, {Separator(0), Text(1, L"&Over Varnook...")}));
        EXPECT_TRUE(host.Site().WasChanged(L"SystemMenuVarnook", L"SystemMenuItemText(1)"));

        control.SetCount(3);
        EXPECT_EQ(EntriesOf(menu), Joined(system, {Separator(0), Text(1, L"&Over Varnook..."), Text(2, L"")}));
        control.SetCount(1);
        EXPECT_EQ(EntriesOf(menu), Joined(system, {Separator(0)}));
        EXPECT_EQ(control.Item(1), nullptr);
        control.SetCount(-1);
        control.SetCount(SystemMenu::MaxCount + 1);
        EXPECT_EQ(control.Count(), 1);
    }
    // Entries go with the control that made them.
    EXPECT_EQ(EntriesOf(menu), system);
}

TEST_F(SystemMenuTest, GreyedAndCheckedStatesAndHeldBackUpdates)
{
    SystemMenu control(host.Site(), L"SystemMenuVarnook");
    control.ReadProperties(
        {{L"Count", std::int32_t{2}}, {PropertyStore::ItemKey(L"SystemMenuItemText", 0), std::wstring(L"a")},
            {PropertyStore::ItemKey(L"SystemMenuItemText", 1), std::wstring(L"b")}});
    control.SetEnabled(false);
    EXPECT_EQ(EntriesOf(menu), Joined(system, {Text(0, L"a", true), Text(1, L"b", true)}));
    control.SetEnabled(true);
    control.Item(0)->SetEnabled(false);
    control.Item(1)->SetChecked(true);
    EXPECT_EQ(EntriesOf(menu), Joined(system, {Text(0, L"a", true), Text(1, L"b", false, true)}));

    control.SetPreventUpdate(true);
    control.Item(1)->SetText(L"c");
    control.Item(1)->SetStyle(2);
    EXPECT_EQ(EntriesOf(menu).back(), Text(1, L"b", false, true));
    control.SetPreventUpdate(false);
    control.UpdateSystemMenuItems(1);
    EXPECT_EQ(EntriesOf(menu).back(), Text(1, L"c", false, true));
    EXPECT_EQ(control.Item(1)->Style(), SystemMenuItem::StyleText);

    TestHostWindow designed(FormSite::Mode::Design);
    const HMENU designedMenu = ::GetSystemMenu(designed.Hwnd(), FALSE);
    const int systemCount = ::GetMenuItemCount(designedMenu);
    SystemMenu atDesign(designed.Site(), L"SystemMenuVarnook");
    atDesign.ReadProperties(AboutDesign);
    EXPECT_EQ(::GetMenuItemCount(designedMenu), systemCount);
}

std::vector<WPARAM> passedOn;

LRESULT CALLBACK RecordSysCommands(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SYSCOMMAND) {
        passedOn.push_back(wparam);
    }
    return plumbing::Subclassing::CallPrevious(window, L"RecordSysCommandsProc", message, wparam, lparam);
}

class Chosen final : public SystemMenuEvents {
public:
    void ItemClick(SystemMenuItem& item) override { indices.push_back(item.Index()); }
    std::vector<std::int32_t> indices;
};

TEST_F(SystemMenuTest, ChoosingAnOwnEntryRaisesItemClickAndEveryOtherCommandPassesOn)
{
    plumbing::Subclassing recorder;
    recorder.SetOwnerHwnd(host.Hwnd());
    recorder.SetWindowProc(L"RecordSysCommandsProc");
    ASSERT_TRUE(recorder.Create(&RecordSysCommands));
    passedOn.clear();

    SystemMenu control(host.Site(), L"SystemMenuVarnook");
    Chosen chosen;
    control.SetEvents(&chosen);
    control.ReadProperties(AboutDesign);
    // The system may use the low four bits of the command.
    ::SendMessageW(host.Hwnd(), WM_SYSCOMMAND, SystemMenu::CommandOf(1) | 2, 0);
    ::SendMessageW(host.Hwnd(), WM_SYSCOMMAND, SystemMenu::CommandOf(5), 0);
    EXPECT_EQ(chosen.indices, std::vector<std::int32_t>{1});
    EXPECT_EQ(passedOn, std::vector<WPARAM>{SystemMenu::CommandOf(5)});

    const HWND window = host.Hwnd();
    ::SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(chosen.indices.size(), 1u);
}

} // namespace
