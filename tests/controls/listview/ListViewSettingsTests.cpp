#include "ListViewFixture.h"

#include "platform/Handles.h"

namespace {

LONG_PTR Style(HWND window)
{
    return ::GetWindowLongPtrW(window, GWL_STYLE);
}

DWORD ExtendedListStyle(HWND list)
{
    return static_cast<DWORD>(::SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

std::wstring HeaderText(HWND list, int column)
{
    wchar_t text[64]{};
    LVCOLUMNW record{LVCF_TEXT};
    record.pszText = text;
    record.cchTextMax = 64;
    ::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&record));
    return text;
}

int PlatformWidth(HWND list, int column)
{
    return static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int PlatformColumns(HWND list)
{
    const auto header = reinterpret_cast<HWND>(::SendMessageW(list, LVM_GETHEADER, 0, 0));
    return static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

TEST(ListViewPlacing, ANewListHasItsDefaultsOnScreen)
{
    TestHostWindow host;
    ListView list(host.Site(), L"ListView1", {0, 0, 200, 100}, 100);
    list.InitProperties();
    const HWND platform = list.ControlHwnd();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(PlatformColumns(platform), 0);
    EXPECT_NE(::GetWindowLongPtrW(platform, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(Style(platform) & (LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS | WS_BORDER),
        LVS_SINGLESEL | LVS_EDITLABELS);
    EXPECT_EQ(ExtendedListStyle(platform) & (LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES), 0u);
    EXPECT_EQ(::SendMessageW(platform, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(::GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(::SendMessageW(platform, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(::GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(list.Font(), host.Site().HostFont());
    EXPECT_TRUE(list.ShowTips());
    EXPECT_TRUE(list.HideSelection());
}

TEST_F(ListViewTest, TheDesignShowsWithWholeUnicodeHeadersAndAnyScriptsFont)
{
    const HWND platform = Platform();
    EXPECT_EQ(HeaderText(platform, 0), L"Naam");
    EXPECT_EQ(HeaderText(platform, 1), L"Gewijzigd");
    EXPECT_EQ(PlatformWidth(platform, 0), 178);
    EXPECT_EQ(PlatformWidth(platform, 1), 131);
    EXPECT_EQ(Style(platform) & (LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS), LVS_SHOWSELALWAYS);
    EXPECT_NE(ExtendedListStyle(platform) & LVS_EX_FULLROWSELECT, 0u);

    LOGFONTW font{};
    ASSERT_TRUE(
        ::GetObjectW(reinterpret_cast<HGDIOBJ>(::SendMessageW(platform, WM_GETFONT, 0, 0)), sizeof(font), &font));
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(font.lfFaceName, host.Site().HostFont().Face);
}

TEST_F(ListViewTest, ValuesOutOfRangeAreIgnoredAndNothingIsMarked)
{
    list->SetAppearance(2);
    list->SetBorderStyle(-1);
    list->SetLabelEdit(2);
    list->SetSortOrder(3);
    list->SetCount(-1);
    list->Column(0)->SetActualWidth(0);
    list->Column(0)->SetActualWidth(-5);
    list->Column(1)->SetAlignment(3);
    EXPECT_EQ(list->Appearance(), 1);
    EXPECT_EQ(list->BorderStyle(), 0);
    EXPECT_EQ(list->LabelEdit(), 1);
    EXPECT_EQ(list->SortOrder(), 0);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Column(0)->ActualWidth(), 178);
    EXPECT_EQ(list->Column(1)->Alignment(), Column::Left);
    for (const wchar_t* key : {L"Appearance", L"BorderStyle", L"LabelEdit", L"SortOrder", L"Count",
             L"ColumnActualWidth(0)", L"ColumnAlignment(1)"}) {
        EXPECT_FALSE(host.Site().WasChanged(L"ListViewFolderItems", key)) << key;
    }
    EXPECT_EQ(list->Column(2), nullptr);
    EXPECT_EQ(list->Column(-1), nullptr);
}

TEST_F(ListViewTest, SettingsReachTheListAndAreMarkedForSaving)
{
    list->SetGridLines(true);
    list->SetCheckboxes(true);
    list->SetMultiSelect(false);
    list->SetAppearance(0);
    list->SetBorderStyle(1);
    list->SetBackColor(0x00FFEEDD);
    list->Column(0)->SetActualWidth(1);
    list->Column(1)->SetText(L"Datum");
    const HWND platform = Platform();
    EXPECT_NE(ExtendedListStyle(platform) & LVS_EX_GRIDLINES, 0u);
    EXPECT_NE(ExtendedListStyle(platform) & LVS_EX_CHECKBOXES, 0u);
    EXPECT_NE(Style(platform) & LVS_SINGLESEL, 0);
    EXPECT_NE(Style(platform) & WS_BORDER, 0);
    EXPECT_EQ(::GetWindowLongPtrW(platform, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(::SendMessageW(platform, LVM_GETBKCOLOR, 0, 0), 0x00FFEEDD);
    EXPECT_EQ(PlatformWidth(platform, 0), 1);
    EXPECT_EQ(HeaderText(platform, 0), L"Naam");
    EXPECT_EQ(HeaderText(platform, 1), L"Datum");
    for (const wchar_t* key : {L"GridLines", L"Checkboxes", L"MultiSelect", L"Appearance", L"BorderStyle", L"BackColor",
             L"ColumnActualWidth(0)", L"ColumnText(1)"}) {
        EXPECT_TRUE(host.Site().WasChanged(L"ListViewFolderItems", key)) << key;
    }
    EXPECT_FALSE(host.Site().WasChanged(L"ListViewFolderItems", L"ColumnText(0)"));
}

TEST_F(ListViewTest, TheStoredDesignIsWrittenBackInItsOrder)
{
    PropertyStore written;
    list->WriteProperties(written);
    std::vector<std::wstring> keys;
    for (const auto& entry : written.Entries()) {
        keys.push_back(entry.first);
    }
    EXPECT_EQ(keys,
        (std::vector<std::wstring>{L"Count", L"FullRowSelect", L"HideSelection", L"LabelEdit", L"MultiSelect",
            L"ColumnActualWidth(0)", L"ColumnText(0)", L"ColumnActualWidth(1)", L"ColumnText(1)"}));
    EXPECT_EQ(written.Read<std::wstring>(L"ColumnText(1)", L""), L"Gewijzigd");

    // Columns without keys of their own take their defaults.
    list->ReadProperties({{L"Count", std::int32_t{2}}});
    EXPECT_EQ(list->Column(1)->ActualWidth(), 100);
    EXPECT_EQ(list->Column(1)->Text(), L"");
    EXPECT_EQ(PlatformWidth(Platform(), 1), 100);
}

TEST_F(ListViewTest, AnotherColumnCountMakesANewListWithoutRowsAndTheSameCountChangesNothing)
{
    AddRows({L"a", L"b"});
    const HWND before = Platform();
    list->SetCount(2);
    EXPECT_EQ(Platform(), before);
    EXPECT_EQ(list->ListItems().Count(), 2);

    list->SetCount(3);
    EXPECT_NE(Platform(), before);
    EXPECT_EQ(list->ListItems().Count(), 0);
    EXPECT_EQ(list->ListItems().Item(0), nullptr);
    EXPECT_EQ(PlatformColumns(Platform()), 3);
    EXPECT_EQ(HeaderText(Platform(), 1), L"Gewijzigd");
    EXPECT_EQ(PlatformWidth(Platform(), 1), 131);
    EXPECT_EQ(list->Column(2)->ActualWidth(), 100);
    EXPECT_TRUE(host.Site().WasChanged(L"ListViewFolderItems", L"ColumnActualWidth(2)"));
    EXPECT_EQ(list->ListItems().Add(L"new"), 0);
    EXPECT_EQ(list->ListItems().Item(0)->Text(0), L"new");
    EXPECT_EQ(::GetPropW(Platform(), L"ListView"), list.get());

    list->SetCount(2);
    EXPECT_EQ(PlatformColumns(Platform()), 2);
    EXPECT_EQ(list->Column(2), nullptr);
}

TEST_F(ListViewTest, ColumnsWaitWhileUpdatesArePrevented)
{
    list->SetPreventUpdate(true);
    list->Column(0)->SetText(L"Bestand");
    list->Column(0)->SetActualWidth(200);
    EXPECT_EQ(HeaderText(Platform(), 0), L"Naam");
    list->SetPreventUpdate(false);
    list->UpdateColumns(-1);
    EXPECT_EQ(HeaderText(Platform(), 0), L"Bestand");
    EXPECT_EQ(PlatformWidth(Platform(), 0), 200);
    EXPECT_EQ(PlatformColumns(Platform()), 2);
}

TEST(ListViewPlacing, DesignedWidthsScaleWithTheDpiAndReadBackAsDesigned)
{
    TestHostWindow host;
    host.Site().SetDpi(144);
    ListView list(host.Site(), L"ListViewFolderItems", {0, 0, 470, 290}, 100);
    list.ReadProperties({{L"Count", std::int32_t{2}}, {L"ColumnActualWidth(0)", std::int32_t{178}},
        {L"ColumnActualWidth(1)", std::int32_t{131}}});
    EXPECT_EQ(PlatformWidth(list.ControlHwnd(), 0), 267);
    EXPECT_EQ(PlatformWidth(list.ControlHwnd(), 1), 197);
    // The listing's room for the scroll bar, and back.
    ColumnState& last = *list.Column(1);
    last.SetActualWidth(last.ActualWidth() - 16);
    EXPECT_EQ(last.ActualWidth(), 115);
    EXPECT_EQ(PlatformWidth(list.ControlHwnd(), 1), 173);
    last.SetActualWidth(131);
    EXPECT_EQ(PlatformWidth(list.ControlHwnd(), 1), 197);
}

class DesignedListTest : public ListViewTest {
protected:
    DesignedListTest() : ListViewTest(FormSite::Mode::Design) {}
};

TEST_F(DesignedListTest, WhileDesignedTheListOnlyShowsItself)
{
    list->SetSorted(true);
    AddRows({L"b", L"a"});
    Click(RowPoint(0));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(::GetPropW(Platform(), L"ListView"), nullptr);
    EXPECT_EQ(PlatformColumns(Platform()), 2);
}

} // namespace
