#include "ListViewFixture.h"

#include "app/FolderListing.h"
#include "app/FormStateWithList.h"
#include "support/TempFolder.h"

namespace {

using Texts = std::vector<std::wstring>;

TEST_F(ListViewTest, TheFolderListingFillsTheRealListUnchanged)
{
    TempFolder folder;
    for (const wchar_t* name : {L"B", L"a", L"_x", L"Φάκελος"}) {
        folder.MakeFolder(name);
    }
    folder.MakeFile(L"z.txt");
    folder.MakeFile(L"Αρχείο.txt");
    FormStateWithList state(*list);
    FolderListing listing(state, [&folder] { return folder.Path(); });
    listing.RecordColumnWidths();
    AddRows({L"left over"});

    listing.FillFolderList();
    EXPECT_EQ(RowTexts(), (Texts{L"_x <DIR>", L"a <DIR>", L"B <DIR>", L"Φάκελος <DIR>", L"z.txt", L"Αρχείο.txt"}));
    for (std::int32_t row = 0; row < 6; ++row) {
        ListItem& line = *list->ListItems().Item(row);
        EXPECT_EQ(line.Tag(), row < 4 ? L"1" : L"0") << row;
        EXPECT_FALSE(line.Text(1).empty()) << row;
    }
    EXPECT_EQ(list->Column(1)->ActualWidth(), 131);
}

} // namespace
