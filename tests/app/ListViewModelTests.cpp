#include "app/ListViewModel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

class ListViewModelTest : public testing::Test {
protected:
    void AddLines(std::int32_t count)
    {
        for (std::int32_t i = 0; i < count; ++i) {
            list.ListItems().Add(L"line " + std::to_wstring(i));
        }
    }

    ListItemState& Line(std::int32_t index) { return *list.ListItems().Item(index); }

    ListViewModel list{{178, 131}};
};

TEST_F(ListViewModelTest, AddAppendsAnEmptyUnselectedLineAndReturnsItsPosition)
{
    EXPECT_EQ(list.ListItems().Add(L"a"), 0);
    EXPECT_EQ(list.ListItems().Add(L"b"), 1);
    EXPECT_EQ(list.ListItems().Count(), 2);
    EXPECT_EQ(Line(1).Text(0), L"b");
    EXPECT_EQ(Line(1).Text(1), L"");
    EXPECT_EQ(Line(1).Tag(), L"");
    EXPECT_FALSE(Line(1).Selected());
}

TEST_F(ListViewModelTest, ItemOutsideTheLinesGivesNothing)
{
    AddLines(3);
    auto& items = list.ListItems();
    EXPECT_EQ(items.Item(items.Count()), nullptr);
    EXPECT_EQ(items.Item(-1), nullptr);
    EXPECT_NE(items.Item(items.Count() - 1), nullptr);
}

TEST_F(ListViewModelTest, EmptyListHasNoLinesAndNoSelection)
{
    EXPECT_EQ(list.ListItems().Item(0), nullptr);
    EXPECT_EQ(list.ListItems().SelectedCount(), 0);
    EXPECT_EQ(list.SelectedItem(), nullptr);
}

TEST_F(ListViewModelTest, TextsAndTagAreKeptPerLine)
{
    AddLines(2);
    Line(0).SetText(1, L"7-12-2026 14:03:05");
    Line(0).SetTag(L"1");
    Line(1).SetText(0, L"renamed");
    EXPECT_EQ(Line(0).Text(1), L"7-12-2026 14:03:05");
    EXPECT_EQ(Line(0).Tag(), L"1");
    EXPECT_EQ(Line(1).Text(0), L"renamed");
    EXPECT_EQ(Line(1).Tag(), L"");
}

TEST_F(ListViewModelTest, ColumnsBeyondTheSecondReadEmptyAndIgnoreWrites)
{
    AddLines(1);
    Line(0).SetText(2, L"x");
    Line(0).SetText(-1, L"x");
    EXPECT_EQ(Line(0).Text(2), L"");
    EXPECT_EQ(Line(0).Text(-1), L"");
    EXPECT_EQ(Line(0).Text(0), L"line 0");
}

TEST_F(ListViewModelTest, LinesStayAtTheirAddressWhileTheListGrows)
{
    AddLines(1);
    ListItemState* first = list.ListItems().Item(0);
    AddLines(10000);
    EXPECT_EQ(list.ListItems().Item(0), first);
    EXPECT_EQ(first->Text(0), L"line 0");
}

TEST_F(ListViewModelTest, ClearResetsCountSelectionAndFocus)
{
    AddLines(3);
    Line(1).SetSelected(true);
    ASSERT_NE(list.SelectedItem(), nullptr);
    list.ListItems().Clear();
    EXPECT_EQ(list.ListItems().Count(), 0);
    EXPECT_EQ(list.ListItems().SelectedCount(), 0);
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(list.ListItems().FocusedIndex(), -1);
    EXPECT_EQ(list.ListItems().Add(L"again"), 0);
    EXPECT_EQ(list.SelectedItem(), nullptr);
}

TEST_F(ListViewModelTest, TwoSelectedWithFocusOnAnUnselectedLineHaveNoSelectedItem)
{
    AddLines(3);
    Line(0).SetSelected(true);
    Line(1).SetSelected(true);
    list.ListItems().SetFocusedIndex(2);
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(list.ListItems().SelectedCount(), 2);
}

TEST_F(ListViewModelTest, SelectingALineGivesItTheFocus)
{
    AddLines(3);
    Line(0).SetSelected(true);
    Line(2).SetSelected(true);
    EXPECT_EQ(list.SelectedItem(), &Line(2));
    list.ListItems().SetFocusedIndex(0);
    EXPECT_EQ(list.SelectedItem(), &Line(0));
}

TEST_F(ListViewModelTest, DeselectingTheFocusedLineTakesTheFocusAway)
{
    AddLines(3);
    Line(0).SetSelected(true);
    Line(1).SetSelected(true);
    Line(1).SetSelected(false);
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(list.ListItems().FocusedIndex(), -1);
    EXPECT_EQ(list.ListItems().SelectedCount(), 1);
}

TEST_F(ListViewModelTest, DeselectingAnotherLineKeepsTheFocus)
{
    AddLines(3);
    Line(0).SetSelected(true);
    Line(1).SetSelected(true);
    Line(0).SetSelected(false);
    EXPECT_EQ(list.SelectedItem(), &Line(1));
}

TEST_F(ListViewModelTest, SelectedCountCountsChangesOnly)
{
    AddLines(3);
    Line(0).SetSelected(true);
    Line(0).SetSelected(true);
    Line(2).SetSelected(false);
    EXPECT_EQ(list.ListItems().SelectedCount(), 1);
    Line(0).SetSelected(false);
    Line(0).SetSelected(false);
    EXPECT_EQ(list.ListItems().SelectedCount(), 0);
}

TEST_F(ListViewModelTest, FocusOutsideTheLinesMeansNoFocus)
{
    AddLines(2);
    list.ListItems().SetFocusedIndex(2);
    EXPECT_EQ(list.ListItems().FocusedIndex(), -1);
    list.ListItems().SetFocusedIndex(1);
    EXPECT_EQ(list.ListItems().FocusedIndex(), 1);
}

TEST_F(ListViewModelTest, ColumnsKeepTheirWidthsAndRefuseWidthsBelowOne)
{
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Column(0)->ActualWidth(), 178);
    EXPECT_EQ(list.Column(1)->ActualWidth(), 131);
    EXPECT_EQ(list.Column(2), nullptr);
    EXPECT_EQ(list.Column(-1), nullptr);

    list.Column(1)->SetActualWidth(115);
    EXPECT_EQ(list.Column(1)->ActualWidth(), 115);
    for (const std::int32_t refused : {0, -5}) {
        list.Column(1)->SetActualWidth(refused);
        EXPECT_EQ(list.Column(1)->ActualWidth(), 115) << refused;
    }
    list.Column(1)->SetActualWidth(1);
    EXPECT_EQ(list.Column(1)->ActualWidth(), 1);
}

// The processing run reads the selection line by line and deselects each;
// on a big folder that must stay linear, far past 32,767 lines.
TEST_F(ListViewModelTest, HundredThousandLinesStayFast)
{
    constexpr std::int32_t LineCount = 100000;
    const auto start = std::chrono::steady_clock::now();
    AddLines(LineCount);
    auto& items = list.ListItems();
    for (std::int32_t i = 0; i < LineCount; ++i) {
        items.Item(i)->SetSelected(true);
    }
    std::int64_t seen = 0;
    for (std::int32_t i = 0; i < LineCount; ++i) {
        seen += items.SelectedCount();
        items.Item(i)->SetSelected(false);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(items.Count(), LineCount);
    EXPECT_EQ(items.SelectedCount(), 0);
    EXPECT_EQ(seen, std::int64_t{LineCount} * (LineCount + 1) / 2);
    EXPECT_EQ(items.Item(LineCount - 1)->Text(0), L"line 99999");
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 3000);
}

} // namespace
