#include "ListViewFixture.h"

#include <stdexcept>

namespace {

using Events = std::vector<std::wstring>;

HWND Header(HWND list)
{
    return reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
}

RECT HeaderItem(HWND list, int index)
{
    RECT item{};
    ::SendMessageW(Header(list), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
}

TEST_F(ListViewTest, ClicksRaiseTheEventOfWhatThePlatformHitWhereverThePointerIsNow)
{
    AddRows({L"a", L"b", L"c"});
    // The pointer rests on the first row while the clicks arrive elsewhere.
    POINT first = RowPoint(0);
    ::ClientToScreen(Platform(), &first);
    ::SetCursorPos(first.x, first.y);

    Click(RowPoint(1));
    Click(RowPoint(2, 1));
    Click({20, 150});
    DoubleClick(RowPoint(2), true);
    DoubleClick({20, 150});
    EXPECT_EQ(events,
        (Events{L"ItemClick 1 1", L"ItemClick 2 1", L"Click 1", L"ItemClick 2 2", L"ItemDblClick 2 2", L"Click 1",
            L"DblClick 1"}));
    EXPECT_EQ(::GetFocus(), Platform());

    // A row put into the platform list behind the collection's back has no
    // item to report.
    events.clear();
    std::wstring stranger = L"stranger";
    LVITEMW row{LVIF_TEXT, 3};
    row.pszText = stranger.data();
    ASSERT_EQ(::SendMessageW(Platform(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)), 3);
    Click(RowPoint(3));
    DoubleClick(RowPoint(3));
    EXPECT_TRUE(events.empty());
}

TEST_F(ListViewTest, ACheckBoxClickReportsTheCheckEvenOnASelectedRow)
{
    list->SetCheckboxes(true);
    AddRows({L"a", L"b"});
    list->ListItems().Item(1)->SetSelected(true);
    RECT bounds{LVIR_BOUNDS};
    ::SendMessageW(Platform(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&bounds));
    const POINT box{bounds.left + 8, (bounds.top + bounds.bottom) / 2};
    LVHITTESTINFO hit{box};
    ASSERT_EQ(::SendMessageW(Platform(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    ASSERT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMSTATEICON));

    Click(box);
    EXPECT_EQ(events, (Events{L"ItemCheck 1"}));
    EXPECT_TRUE(list->ListItems().Item(1)->Checked());
    EXPECT_EQ(list->ListItems().CheckedCount(), 1);
    Click(box);
    EXPECT_EQ(events, (Events{L"ItemCheck 1", L"ItemCheck 1"}));
    EXPECT_EQ(list->ListItems().CheckedCount(), 0);

    // Space turns the box of the selected row; that selects nothing new.
    events.clear();
    Type(VK_SPACE);
    EXPECT_EQ(events, (Events{L"KeyDown 32", L"ItemCheck 1", L"KeyPress 32"}));
    EXPECT_TRUE(list->ListItems().Item(1)->Checked());

    // The program turns a box as the user does; the same state again is no turn.
    events.clear();
    list->ListItems().Item(0)->SetChecked(true);
    list->ListItems().Item(0)->SetChecked(true);
    EXPECT_EQ(events, (Events{L"ItemCheck 0"}));
}

void HoldShift(bool held)
{
    BYTE keys[256]{};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = held ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

TEST_F(ListViewTest, AShiftedKeyThatSelectsARunOfRowsClicksTheRowItWentTo)
{
    AddRows({L"a", L"b", L"c"});
    list->ListItems().Item(0)->SetSelected(true);
    HoldShift(true);
    Type(VK_DOWN);
    HoldShift(false);
    EXPECT_EQ(events, (Events{L"KeyDown 40", L"ItemClick 1 1"}));
    EXPECT_EQ(list->ListItems().SelectedCount(), 2);
}

TEST_F(ListViewTest, TypingTheStartOfANameGoesToTheNextRowThatStartsSo)
{
    AddRows({L"alpha", L"Beta", L"bravo", L"charlie"});
    list->ListItems().Item(3)->SetSelected(true);
    Type('B');
    ASSERT_NE(list->SelectedItem(), nullptr);
    EXPECT_EQ(list->SelectedItem()->Text(0), L"Beta");
    Type('R');
    ASSERT_NE(list->SelectedItem(), nullptr);
    EXPECT_EQ(list->SelectedItem()->Text(0), L"bravo");
}

TEST_F(ListViewTest, OnlyARowAKeyNewlySelectsCountsAsALeftClick)
{
    AddRows({L"a", L"b", L"c"});
    list->ListItems().Item(0)->SetSelected(true);

    Type(VK_DOWN);
    EXPECT_EQ(events, (Events{L"KeyDown 40", L"ItemClick 1 1"}));

    // A key that selects nothing leaves no trace on the next selection.
    events.clear();
    Type(VK_F1);
    Click(RowPoint(2), true);
    LVITEMW all{LVIF_STATE};
    all.state = all.stateMask = LVIS_SELECTED;
    ::SendMessageW(Platform(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
    EXPECT_EQ(events, (Events{L"KeyDown 112", L"ItemClick 2 2"}));
    EXPECT_EQ(list->ListItems().SelectedCount(), 3);

    // Ctrl held for a Ctrl+click is the click's, not a key's selection.
    events.clear();
    list->ListItems().Item(0)->SetSelected(true);
    ::SendMessageW(Platform(), WM_KEYDOWN, VK_CONTROL, 1);
    Click(RowPoint(2), false, MK_CONTROL);
    ::SendMessageW(Platform(), WM_KEYUP, VK_CONTROL, 0xC0000001);
    EXPECT_EQ(events, (Events{L"KeyDown 17", L"ItemClick 2 1"}));

    // Enter gets past the form's dialog navigation to the list.
    events.clear();
    recordKeyUps = true;
    Type(VK_RETURN);
    Type('A');
    // The typed character comes after the release that was queued before it.
    EXPECT_EQ(events, (Events{L"KeyDown 13", L"KeyUp 13", L"KeyDown 65", L"KeyUp 65", L"KeyPress 97"}));
}

class LabelEditTest : public ListViewTest {
protected:
    LabelEditTest()
    {
        list->SetLabelEdit(0);
        AddRows({L"old"});
    }

    // Opens the editor on the row, types `text` and presses Enter.
    void Edit(const std::wstring& text)
    {
        const auto editor = reinterpret_cast<HWND>(::SendMessageW(Platform(), LVM_EDITLABELW, 0, 0));
        if (editor == nullptr) {
            return;
        }
        ::SetWindowTextW(editor, text.c_str());
        Type(VK_RETURN);
    }
};

TEST_F(LabelEditTest, TheOwnerMayRefuseAcceptOrReplaceAnEdit)
{
    cancelEdit = true;
    Edit(L"refused");
    EXPECT_EQ(events, (Events{L"BeforeLabelEdit"}));
    EXPECT_EQ(list->ListItems().Item(0)->Text(0), L"old");

    cancelEdit = false;
    Edit(L"Νέο όνομα");
    EXPECT_EQ(list->ListItems().Item(0)->Text(0), L"Νέο όνομα");

    replacement = L"X";
    Edit(L"typed");
    EXPECT_EQ(list->ListItems().Item(0)->Text(0), L"X");
    EXPECT_EQ(events,
        (Events{L"BeforeLabelEdit", L"BeforeLabelEdit", L"KeyDown 13", L"AfterLabelEdit", L"BeforeLabelEdit",
            L"KeyDown 13", L"AfterLabelEdit"}));
}

TEST_F(LabelEditTest, CancellingAfterTheEditKeepsTheOldText)
{
    const auto editor = reinterpret_cast<HWND>(::SendMessageW(Platform(), LVM_EDITLABELW, 0, 0));
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextW(editor, L"typed");
    cancelEdit = true;
    Type(VK_RETURN);
    EXPECT_EQ(list->ListItems().Item(0)->Text(0), L"old");
    EXPECT_EQ(events.back(), L"AfterLabelEdit");
}

TEST_F(ListViewTest, AHeaderClickReportsItsColumnAndSortsNothing)
{
    AddRows({L"b", L"a"});
    const RECT item = HeaderItem(Platform(), 1);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::PostMessageW(Header(Platform()), WM_LBUTTONUP, 0, at);
    ::SendMessageW(Header(Platform()), WM_LBUTTONDOWN, MK_LBUTTON, at);
    (void)PendingMessages::Process();
    EXPECT_EQ(events, (Events{L"ColumnClick Gewijzigd"}));
    EXPECT_EQ(RowTexts(), (std::vector<std::wstring>{L"b", L"a"}));
    EXPECT_EQ(list->SortKey(), 0);
}

class ThrowingEvents final : public ListViewEvents {
public:
    void ItemClick(ListItem&, std::int16_t) override
    {
        ++clicks;
        throw std::runtime_error("handler failed");
    }
    int clicks = 0;
};

TEST_F(ListViewTest, AFailingHandlerStopsAtTheWindowProcedure)
{
    ThrowingEvents throwing;
    list->SetEvents(&throwing);
    AddRows({L"a", L"b"});
    Click(RowPoint(0));
    Click(RowPoint(1));
    EXPECT_EQ(throwing.clicks, 2);
    EXPECT_EQ(list->SelectedItem(), list->ListItems().Item(1));
}

TEST_F(ListViewTest, TheHeaderGetsTheListsOwnAnswers)
{
    // The list refuses to let a column be dragged unless reordering is allowed.
    NMHEADERW drag{{Header(Platform()), 0, static_cast<UINT>(HDN_BEGINDRAG)}, 1};
    EXPECT_EQ(::SendMessageW(Platform(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&drag)), TRUE);
    list->SetAllowColumnReorder(true);
    EXPECT_EQ(::SendMessageW(Platform(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&drag)), FALSE);
}

// The tooltip window whose tools are the header's items.
HWND HeaderTips(HWND header)
{
    struct Search {
        HWND header;
        HWND found;
    } search{header, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM context) {
            auto& wanted = *reinterpret_cast<Search*>(context);
            wchar_t name[64]{};
            ::GetClassNameW(window, name, 64);
            TOOLINFOW tool{sizeof(tool)};
            if (_wcsicmp(name, TOOLTIPS_CLASSW) == 0 &&
                ::SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) &&
                tool.hwnd == wanted.header) {
                wanted.found = window;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(ListViewTest, HeaderTooltipsFollowADraggedDividerAndGoWithTheList)
{
    list->Column(1)->SetToolTipText(L"Laatst gewijzigd");
    const HWND header = Header(Platform());
    const HWND tips = HeaderTips(header);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(::GetWindow(tips, GW_OWNER), host.Hwnd());
    EXPECT_EQ(::SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
    // A mouse resting on a header item shows its tip.
    POINT over{HeaderItem(Platform(), 1).left + 5, 5};
    ::ClientToScreen(header, &over);
    ::SetCursorPos(over.x, over.y);
    ::SendMessageW(tips, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    ::SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(HeaderItem(Platform(), 1).left + 5, 5));
    for (int wait = 0; wait < 50 && !::IsWindowVisible(tips); ++wait) {
        ::Sleep(10);
        (void)PendingMessages::Process();
    }
    TOOLINFOW current{sizeof(current)};
    ASSERT_TRUE(::SendMessageW(tips, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&current)));
    EXPECT_EQ(current.uId, 1u);

    const RECT before = HeaderItem(Platform(), 1);
    ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(before.left, 5));
    ::SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(before.left + 40, 5));
    ::SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(before.left + 40, 5));
    const RECT after = HeaderItem(Platform(), 1);
    ASSERT_EQ(after.left, before.left + 40);

    wchar_t text[80]{};
    TOOLINFOW tool{sizeof(tool), 0, header, 1};
    tool.lpszText = text;
    ASSERT_TRUE(::SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_TRUE(::EqualRect(&tool.rect, &after));
    EXPECT_STREQ(text, L"Laatst gewijzigd");

    list.reset();
    EXPECT_FALSE(::IsWindow(tips));
}

} // namespace
