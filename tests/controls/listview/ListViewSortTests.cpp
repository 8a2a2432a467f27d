#include "ListViewFixture.h"

namespace {

using Texts = std::vector<std::wstring>;

TEST_F(ListViewTest, SortedRowsFollowTheOrderAndTheKeyColumn)
{
    AddRows({L"b", L"a", L"c"});
    list->ListItems().Item(0)->SetText(1, L"2");
    list->ListItems().Item(1)->SetText(1, L"3");
    list->ListItems().Item(2)->SetText(1, L"1");
    list->SetSorted(true);
    EXPECT_EQ(RowTexts(), (Texts{L"a", L"b", L"c"}));
    list->SetSortOrder(1);
    EXPECT_EQ(RowTexts(), (Texts{L"c", L"b", L"a"}));
    list->SetSortKey(1);
    EXPECT_EQ(RowTexts(1), (Texts{L"3", L"2", L"1"}));
    EXPECT_EQ(RowTexts(), (Texts{L"a", L"b", L"c"}));
}

TEST_F(ListViewTest, TextsThatDifferInCaseSortAsTheUsersLocaleSortsThem)
{
    AddRows({L"B", L"b", L"A", L"a", L"Ähre", L"Zebra"});
    list->SetSorted(true);
    EXPECT_EQ(RowTexts(), (Texts{L"a", L"A", L"Ähre", L"b", L"B", L"Zebra"}));
}

TEST_F(ListViewTest, RowsAddedAfterARemoveSortByTheirOwnTexts)
{
    AddRows({L"b", L"a", L"c"});
    list->ListItems().Remove(0);
    AddRows({L"0"});
    list->SetSorted(true);
    EXPECT_EQ(RowTexts(), (Texts{L"0", L"a", L"c"}));
}

TEST_F(ListViewTest, TheSelectionAndTheFocusMoveWithTheirRowsWhenSorted)
{
    AddRows({L"b", L"c", L"a"});
    list->ListItems().Item(0)->SetSelected(true);
    list->ListItems().Item(1)->SetSelected(true);
    list->ListItems().Item(0)->SetSelected(true);
    list->SetSorted(true);
    EXPECT_EQ(RowTexts(), (Texts{L"a", L"b", L"c"}));
    EXPECT_FALSE(list->ListItems().Item(0)->Selected());
    EXPECT_TRUE(list->ListItems().Item(2)->Selected());
    ASSERT_NE(list->SelectedItem(), nullptr);
    EXPECT_EQ(list->SelectedItem()->Text(0), L"b");
    EXPECT_EQ(list->ListItems().SelectedCount(), 2);

    for (std::int32_t row = 0; row < 3; ++row) {
        list->ListItems().Item(row)->SetSelected(true);
    }
    list->SetSortOrder(1);
    EXPECT_EQ(list->ListItems().SelectedCount(), 3);
    ASSERT_NE(list->SelectedItem(), nullptr);
    EXPECT_EQ(list->SelectedItem()->Text(0), L"c");
    EXPECT_EQ(list->SelectedItem()->Index(), 0);
}

TEST_F(ListViewTest, TagsStayWithTheirRowsAndAddSaysWhereTheRowWent)
{
    AddRows({L"b", L"a"});
    list->ListItems().Item(0)->SetTag(L"tag of b");
    ListItem* a = list->ListItems().Item(1);
    a->SetTag(L"tag of a");
    list->SetSorted(true);
    EXPECT_EQ(a->Index(), 0);
    EXPECT_EQ(list->ListItems().Item(0)->Tag(), L"tag of a");
    EXPECT_EQ(list->ListItems().Item(1)->Tag(), L"tag of b");

    const std::int32_t position = list->ListItems().Add(L"aa");
    EXPECT_EQ(position, 1);
    EXPECT_EQ(list->ListItems().Item(position)->Text(0), L"aa");
}

} // namespace
