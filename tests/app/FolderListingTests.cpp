#include "ProcessingTestBed.h"

#include "app/PathCompaction.h"

namespace {

using FolderListingTest = ProcessingTestBed;

// Each line's item: its name, and whether it is a folder.
std::vector<std::wstring> LineItems(FormVarnookModel& state)
{
    std::vector<std::wstring> items;
    auto& lines = state.ListViewFolderItems().ListItems();
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        const FolderRow& row = lines.Item(i)->Row();
        items.push_back(row.Name + (row.IsFolder ? L"|folder" : L"|file"));
    }
    return items;
}

} // namespace

TEST_F(FolderListingTest, FoldersFirstThenFilesEachSortedByName)
{
    temp.MakeFolder(L"B");
    temp.MakeFolder(L"a");
    temp.MakeFolder(L"_x");
    temp.MakeFile(L"Zeta.txt");
    temp.MakeFile(L"alpha.txt");
    temp.MakeFile(L"10.txt");
    List();
    EXPECT_EQ(LineItems(state),
        (std::vector<std::wstring>{
            L"_x|folder", L"a|folder", L"B|folder", L"10.txt|file", L"alpha.txt|file", L"Zeta.txt|file"}));
}

TEST_F(FolderListingTest, LinesCarryTheModificationMoment)
{
    const auto file = temp.MakeFile(L"a.txt");
    const auto sub = temp.MakeFolder(L"sub");
    ASSERT_TRUE(FileSystem().SetFileDateTime(file, Variant(L"7-12-2026 14:03:05")));
    ASSERT_TRUE(FileSystem().SetFolderDateTime(sub, Variant(L"1-1-2000 00:00:00")));
    List();
    EXPECT_EQ(Shown(L"a.txt", 1), L"7-12-2026 14:03:05");
    EXPECT_EQ(Shown(L"sub <DIR>", 1), L"1-1-2000 00:00:00");
}

TEST_F(FolderListingTest, HiddenAndSystemItemsFollowTheOption)
{
    FileSystem().SetFileAttributes(temp.MakeFile(L"hidden.txt"), FILE_ATTRIBUTE_HIDDEN);
    FileSystem().SetFolderAttributes(temp.MakeFolder(L"system"), FILE_ATTRIBUTE_SYSTEM);
    temp.MakeFile(L"plain.txt");
    List();
    EXPECT_EQ(LineItems(state), std::vector<std::wstring>{L"plain.txt|file"});
    state.CheckOptionsHiddensystem().SetValue(1);
    List();
    EXPECT_EQ(LineItems(state), (std::vector<std::wstring>{L"system|folder", L"hidden.txt|file", L"plain.txt|file"}));
}

TEST_F(FolderListingTest, LastColumnMakesRoomForTheScrollBarOnlyWhenNeeded)
{
    for (int i = 0; i < 5; ++i) {
        temp.MakeFile(L"f" + std::to_wstring(i));
    }
    auto& list = state.ListViewFolderItems();
    const auto designed = list.Column(2)->ActualWidth();
    list.SetVisibleCount(3);
    List();
    EXPECT_EQ(list.Column(2)->ActualWidth(), designed - 16);
    List();
    EXPECT_EQ(list.Column(2)->ActualWidth(), designed - 16);
    list.SetVisibleCount(10);
    List();
    EXPECT_EQ(list.Column(2)->ActualWidth(), designed);
}

// The last column gave up room for the scroll bar when the user dragged it:
// the dragged width is what shows while the bar does.
TEST_F(FolderListingTest, DraggedWidthsOutliveARelisting)
{
    for (int i = 0; i < 5; ++i) {
        temp.MakeFile(L"f" + std::to_wstring(i));
    }
    auto& list = state.ListViewFolderItems();
    list.SetVisibleCount(3);
    List();
    list.Column(0)->SetActualWidth(250);
    listing.ColumnResized(0);
    list.Column(2)->SetActualWidth(100);
    listing.ColumnResized(2);
    List();
    EXPECT_EQ(list.Column(0)->ActualWidth(), 250);
    EXPECT_EQ(list.Column(2)->ActualWidth(), 100);
    list.SetVisibleCount(10);
    List();
    EXPECT_EQ(list.Column(2)->ActualWidth(), 116);
    EXPECT_EQ(listing.ColumnWidths()[0], 250);
}

TEST_F(FolderListingTest, RefillLeavesNothingSelectedAndProcessDisabled)
{
    temp.MakeFile(L"a.txt");
    List();
    Select(L"a.txt");
    state.CommandProcess().SetEnabled(true);
    List();
    EXPECT_EQ(state.ListViewFolderItems().ListItems().SelectedCount(), 0);
    EXPECT_FALSE(state.CommandProcess().Enabled());
}

TEST_F(FolderListingTest, LabelShowsTheFolderWholeOrShortenedWithTooltip)
{
    List();
    auto& label = state.LabelFolderCurrentfolder();
    label.SetWidth(5000);
    List();
    EXPECT_EQ(label.Caption(), folder.Path());
    EXPECT_EQ(label.ToolTipText(), L"");

    label.SetWidth(150);
    List();
    EXPECT_NE(label.Caption(), folder.Path());
    EXPECT_NE(label.Caption().find(L"..."), std::wstring::npos);
    EXPECT_LE(PathCompaction(nullptr).TextWidth(label.Caption()), 150);
    EXPECT_EQ(label.ToolTipText(), folder.Path());
}

TEST_F(FolderListingTest, MissingFolderGivesAnEmptyList)
{
    folder.SetPath(temp / L"missing");
    List();
    EXPECT_EQ(state.ListViewFolderItems().ListItems().Count(), 0);
}

TEST(PathCompaction, KeepsRootAndLastComponents)
{
    const PathCompaction compaction(nullptr);
    const std::wstring path = L"C:\\Documents\\Projecten\\Verslagen\\2026\\december\\jaarverslag.docx";
    EXPECT_EQ(compaction.Compact(path, 10000), path);
    const std::wstring tail = L"C:\\...\\december\\jaarverslag.docx";
    EXPECT_EQ(compaction.Compact(path, compaction.TextWidth(tail)), tail);
    const std::wstring tiny = compaction.Compact(path, compaction.TextWidth(L"jaar..."));
    EXPECT_EQ(tiny, L"jaar...");

    const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\name.txt";
    const std::wstring compacted = compaction.Compact(longPath, 200);
    EXPECT_LE(compaction.TextWidth(compacted), 200);
    EXPECT_EQ(compacted, L"C:\\...\\name.txt");
}
