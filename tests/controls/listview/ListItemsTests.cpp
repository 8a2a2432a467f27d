#include "ListViewFixture.h"

namespace {

using Texts = std::vector<std::wstring>;

TEST_F(ListViewTest, RowsAreAddedReadAndRemovedWithTheirTags)
{
    ListItems& items = list->ListItems();
    EXPECT_EQ(items.SelectedCount(), 0);
    items.Clear();
    EXPECT_EQ(items.Add(L"a"), 0);
    EXPECT_EQ(items.Count(), 1);
    EXPECT_EQ(items.Item(0)->Index(), 0);
    AddRows({L"b", L"c"});
    items.Item(1)->SetTag(L"tag of b");
    items.Item(2)->SetText(1, L"7-12-2026 14:03:05");

    items.Remove(0);
    EXPECT_EQ(RowTexts(), (Texts{L"b", L"c"}));
    EXPECT_EQ(items.Item(0)->Tag(), L"tag of b");
    EXPECT_EQ(items.Item(0)->Index(), 0);
    EXPECT_EQ(items.Item(1)->Text(1), L"7-12-2026 14:03:05");
    EXPECT_EQ(items.Item(2), nullptr);

    EXPECT_EQ(items.Add(L"d"), 2);
    EXPECT_EQ(RowTexts(), (Texts{L"b", L"c", L"d"}));
    EXPECT_EQ(items.Item(2)->Tag(), L"");
    items.Remove(-1);
    items.Remove(3);
    EXPECT_EQ(items.Count(), 3);
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(::SendMessageW(Platform(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, RowTextsOfAnyLengthAndScriptReadBackWhole)
{
    const Texts names{std::wstring(250, L'x') + L" <DIR>", L"Αρχείο.txt", L"Файл.txt", L"文件.txt"};
    AddRows(names);
    list->ListItems().Item(1)->SetText(1, L"Τρίτη");
    EXPECT_EQ(RowTexts(), names);
    EXPECT_EQ(list->ListItems().Item(1)->Text(1), L"Τρίτη");

    // The rows keep their texts themselves; what counts is what the list
    // window hands out when it paints or is read.
    const auto shown = [this](int row, int column) {
        std::wstring text(1024, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        text.resize(static_cast<size_t>(
            ::SendMessageW(Platform(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))));
        return text;
    };
    EXPECT_EQ((Texts{shown(0, 0), shown(1, 0), shown(2, 0), shown(3, 0)}), names);
    EXPECT_EQ(shown(1, 1), L"Τρίτη");
}

// The list windows' own procedure, which refuses rows while asked to.
WNDPROC listProcedure = nullptr;
bool refuseRows = false;

LRESULT CALLBACK RefusingListProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == LVM_SETITEMCOUNT && refuseRows) {
        return FALSE;
    }
    return ::CallWindowProcW(listProcedure, window, message, wparam, lparam);
}

TEST_F(ListViewTest, ARowThePlatformRefusesLeavesTheRowsAsTheyWere)
{
    // A list window made while the class has the refusing procedure.
    listProcedure = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(Platform(), GCLP_WNDPROC));
    ::SetClassLongPtrW(Platform(), GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingListProcedure));
    list->SetCount(3);
    ::SetClassLongPtrW(Platform(), GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProcedure));

    AddRows({L"a"});
    refuseRows = true;
    EXPECT_EQ(list->ListItems().Add(L"b"), -1);
    refuseRows = false;
    EXPECT_EQ(list->ListItems().Count(), 1);
    // The next row and its tag land on a row of their own.
    ListItem* next = list->ListItems().Item(list->ListItems().Add(L"c"));
    next->SetTag(L"0");
    EXPECT_EQ(RowTexts(), (Texts{L"a", L"c"}));
    EXPECT_EQ(list->ListItems().Item(0)->Tag(), L"");

    // Without a list window there is nowhere to add to.
    ::DestroyWindow(host.Hwnd());
    EXPECT_EQ(list->ControlHwnd(), nullptr);
    EXPECT_EQ(list->ListItems().Add(L"d"), -1);
    EXPECT_EQ(list->ListItems().Count(), 0);
}

TEST_F(ListViewTest, TheSelectedItemIsTheFocusedRowOnlyWhileItIsSelected)
{
    AddRows({L"a", L"b", L"c"});
    ListItems& items = list->ListItems();
    EXPECT_EQ(list->SelectedItem(), nullptr);
    items.Item(0)->SetSelected(true);
    items.Item(2)->SetSelected(true);
    EXPECT_EQ(list->SelectedItem(), items.Item(2));
    EXPECT_EQ(items.SelectedCount(), 2);
    items.Item(2)->SetSelected(false);
    EXPECT_TRUE(items.Item(0)->Selected());
    EXPECT_EQ(list->SelectedItem(), nullptr);
    EXPECT_EQ(list->HitTest(RowPoint(1).x, RowPoint(1).y), items.Item(1));
    EXPECT_EQ(list->HitTest(20, 150), nullptr);
}

int PixelsOfColor(HWND window, RECT area, COLORREF color)
{
    ::UpdateWindow(window);
    const WindowDc dc(window);
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            found += ::GetPixel(dc.Get(), x, y) == color ? 1 : 0;
        }
    }
    return found;
}

// A drawing record as the list would send it for one row.
LRESULT DrawStage(HWND container, HWND from, DWORD stage, DWORD_PTR row, NMLVCUSTOMDRAW& draw)
{
    draw = {};
    draw.nmcd.hdr = {from, 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = row;
    draw.clrText = RGB(1, 2, 3);
    return ::SendMessageW(container, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw));
}

TEST_F(ListViewTest, RowsWithColoursOfTheirOwnAreDrawnInThem)
{
    AddRows({L"red row", L"plain row"});
    ListItem& red = *list->ListItems().Item(0);
    EXPECT_EQ(red.ForeColor(), static_cast<std::int32_t>(::GetSysColor(COLOR_WINDOWTEXT)));
    NMLVCUSTOMDRAW draw;
    EXPECT_EQ(DrawStage(list->Hwnd(), Platform(), CDDS_PREPAINT, 0, draw), CDRF_DODEFAULT);

    red.SetForeColor(0x000000FF);
    EXPECT_EQ(red.ForeColor(), 0x000000FF);
    EXPECT_EQ(DrawStage(list->Hwnd(), Platform(), CDDS_PREPAINT, 0, draw), CDRF_NOTIFYITEMDRAW);
    EXPECT_EQ(DrawStage(list->Hwnd(), Platform(), CDDS_ITEMPREPAINT, 0, draw), CDRF_NEWFONT);
    EXPECT_EQ(draw.clrText, RGB(255, 0, 0));
    EXPECT_EQ(DrawStage(list->Hwnd(), Platform(), CDDS_ITEMPREPAINT, 1, draw), CDRF_DODEFAULT);
    EXPECT_EQ(draw.clrText, RGB(1, 2, 3));

    RECT first{LVIR_LABEL};
    RECT second{LVIR_LABEL};
    ::SendMessageW(Platform(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    ::SendMessageW(Platform(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_GT(PixelsOfColor(Platform(), first, RGB(255, 0, 0)), 0);
    EXPECT_EQ(PixelsOfColor(Platform(), second, RGB(255, 0, 0)), 0);

    // A smaller record of the same code from another window is left alone.
    struct {
        NMCUSTOMDRAW draw;
        COLORREF guard[2];
    } foreign{};
    foreign.draw.hdr = {
        reinterpret_cast<HWND>(::SendMessageW(Platform(), LVM_GETHEADER, 0, 0)), 0, static_cast<UINT>(NM_CUSTOMDRAW)};
    foreign.draw.dwDrawStage = CDDS_ITEMPREPAINT;
    foreign.guard[0] = foreign.guard[1] = RGB(9, 9, 9);
    EXPECT_EQ(::SendMessageW(list->Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&foreign)), CDRF_DODEFAULT);
    EXPECT_EQ(foreign.guard[0], RGB(9, 9, 9));
    EXPECT_EQ(foreign.guard[1], RGB(9, 9, 9));

    list->ListItems().Clear();
    EXPECT_EQ(DrawStage(list->Hwnd(), Platform(), CDDS_PREPAINT, 0, draw), CDRF_DODEFAULT);
}

TEST_F(ListViewTest, AHundredThousandRowsAreAddressedWithTheirOwnPositions)
{
    constexpr std::int32_t rows = 100'000;
    {
        const ListUpdate update(*list, rows);
        for (std::int32_t row = 0; row < rows; ++row) {
            list->ListItems().Add(L"row " + std::to_wstring(row));
        }
    }
    ListItems& items = list->ListItems();
    ASSERT_EQ(items.Count(), rows);
    EXPECT_EQ(items.Item(rows - 1)->Text(0), L"row 99999");
    items.Item(40'000)->SetSelected(true);
    EXPECT_TRUE(items.Item(40'000)->EnsureVisible());
    EXPECT_EQ(list->SelectedItem(), items.Item(40'000));
    EXPECT_EQ(items.SelectedCount(), 1);
    EXPECT_GT(list->GetFirstVisible(), 32'767);
    const POINT point = RowPoint(40'000);
    EXPECT_EQ(list->HitTest(point.x, point.y), items.Item(40'000));

    Type(VK_DOWN);
    Click(RowPoint(40'000));
    EXPECT_EQ(events, (Texts{L"KeyDown 40", L"ItemClick 40001 1", L"ItemClick 40000 1"}));
}

TEST_F(ListViewTest, ABulkChangePaintsOnceAtItsOutermostEnd)
{
    AddRows({L"c"});
    ::UpdateWindow(Platform());
    list->SetSorted(true);
    {
        const ListUpdate outer(*list);
        {
            const ListUpdate inner(*list, 2);
            AddRows({L"b", L"a"});
        }
        EXPECT_FALSE(::GetUpdateRect(Platform(), nullptr, FALSE));
        EXPECT_EQ(RowTexts(), (Texts{L"c", L"b", L"a"}));
    }
    EXPECT_TRUE(::GetUpdateRect(Platform(), nullptr, FALSE));
    EXPECT_EQ(RowTexts(), (Texts{L"a", L"b", L"c"}));
}

} // namespace
