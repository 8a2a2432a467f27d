#include "app/DateShortcuts.h"

#include "ProcessingTestBed.h"
#include "support/TempRegistryKey.h"

#include <gtest/gtest.h>

namespace {

class DateShortcutsTest : public ProcessingTestBed {
protected:
    DateShortcutsTest() { state.CheckOptionsModified().SetValue(1); }

    [[nodiscard]] OleDate PickersMoment()
    {
        return state.DateTimePickerModifiedDate().Value().ToDate().WithTimeOf(
            state.DateTimePickerModifiedTime().Value().ToDate());
    }

    TempRegistryKey key;
    Settings settings{key.Path()};
    DateShortcuts shortcuts{state, window, settings, folder};
};

TEST_F(DateShortcutsTest, F1TakesTheItemsOwnMomentWithItsCentury)
{
    const OleDate old = *OleDate::FromParts(1925, 5, 1, 14, 3, 5);
    FileSystem().SetFileDateTime(temp.MakeFile(L"oud.txt"), Variant(old));
    List();
    Select(L"oud.txt");
    FolderRow listed = Line(L"oud.txt")->Row();
    listed.Modified = OleDate::FromParts(2025, 5, 1, 14, 3, 5);
    Line(L"oud.txt")->SetRow(listed);
    shortcuts.KeyReleased(VK_F1);
    EXPECT_EQ(PickersMoment(), old);
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(DateShortcutsTest, F1TakesTheListedMomentOfAnItemThatIsGone)
{
    const OleDate old = *OleDate::FromParts(1925, 5, 1, 14, 3, 5);
    const std::wstring file = temp.MakeFile(L"weg.txt");
    FileSystem().SetFileDateTime(file, Variant(old));
    List();
    Select(L"weg.txt");
    ::DeleteFileW(file.c_str());
    shortcuts.KeyReleased(VK_F1);
    EXPECT_EQ(PickersMoment(), old);
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(DateShortcutsTest, F1NeedsModifiedAndASelectedLineWithTheFocus)
{
    temp.MakeFile(L"a.txt");
    temp.MakeFile(L"b.txt");
    temp.MakeFile(L"c.txt");
    List();
    SetMoment(2001, 1, 1, 1, 1, 1);
    const OleDate before = PickersMoment();
    shortcuts.KeyReleased(VK_F1);
    EXPECT_EQ(PickersMoment(), before);

    Select(L"a.txt");
    state.CheckOptionsModified().SetValue(0);
    shortcuts.KeyReleased(VK_F1);
    EXPECT_EQ(PickersMoment(), before);
    EXPECT_TRUE(window.warnings.empty());

    state.CheckOptionsModified().SetValue(1);
    Select(L"b.txt");
    state.ListViewFolderItems().ListItems().SetFocusedIndex(2);
    shortcuts.KeyReleased(VK_F1);
    EXPECT_EQ(PickersMoment(), before);
    EXPECT_EQ(WarningTexts(), (std::vector<std::wstring>{DateShortcuts::Failure}));
}

TEST_F(DateShortcutsTest, F3StoresThePickersMomentAndF2RecallsIt)
{
    shortcuts.KeyReleased(VK_F2);
    EXPECT_EQ(WarningTexts(), (std::vector<std::wstring>{DateShortcuts::Failure}));

    SetMoment(2019, 8, 7, 6, 5, 4);
    shortcuts.KeyReleased(VK_F3);
    EXPECT_EQ(settings.ShortcutDate().ToText(), L"7-8-2019 06:05:04");
    SetMoment(2024, 1, 2, 3, 4, 5);
    shortcuts.KeyReleased(VK_F2);
    EXPECT_EQ(PickersMoment(), *OleDate::FromParts(2019, 8, 7, 6, 5, 4));
}

} // namespace
