#include "ListViewFixture.h"

#include "app/FolderListing.h"
#include "support/FormStateWithParts.h"
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
    FormVarnookModel model;
    FormStateWithParts state(model);
    state.Use(*list);
    CurrentFolder current;
    current.SetPath(folder.Path());
    const RunRules rules;
    FolderListing listing(state, current, rules);
    list->SetRowTexts(&listing);
    listing.RecordColumnWidths();
    AddRows({L"left over"});

    listing.FillFolderList();
    EXPECT_EQ(RowTexts(), (Texts{L"_x <DIR>", L"a <DIR>", L"B <DIR>", L"Φάκελος <DIR>", L"z.txt", L"Αρχείο.txt"}));
    for (std::int32_t row = 0; row < 6; ++row) {
        ListItem& line = *list->ListItems().Item(row);
        EXPECT_EQ(line.Row().IsFolder, row < 4) << row;
        EXPECT_FALSE(line.Text(1).empty()) << row;
    }
    // What the platform list shows is worded as it asks for it.
    wchar_t shown[64]{};
    LVITEMW asked{};
    asked.pszText = shown;
    asked.cchTextMax = 64;
    ::SendMessageW(list->ControlHwnd(), LVM_GETITEMTEXTW, 3, reinterpret_cast<LPARAM>(&asked));
    EXPECT_EQ(std::wstring(shown), L"Φάκελος <DIR>");
    EXPECT_EQ(list->Column(1)->ActualWidth(), 131);
}

} // namespace
