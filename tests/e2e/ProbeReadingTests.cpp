// The harness reads another process's controls whole: texts past Latin-1,
// long names, 32-bit ranges, and records that live in the other process.

#include "e2e/ProbeTargetTest.h"

#include "probe/ProbeError.h"
#include "probe/WindowReader.h"
#include "probe/target/ProbeTargetIds.h"

#include <iterator>
#include <vector>

using namespace ProbeTarget;

TEST_F(ProbeTargetTest, ReadsStandardControls)
{
    const ProgramUnderTest& target = Start();

    EXPECT_EQ(WindowReader::Text(target.MainWindow()), Title);
    EXPECT_EQ(WindowReader::Text(target.Control(CountButton)), L"Tellen");
    EXPECT_FALSE(WindowReader::IsChecked(target.Control(Check)));
    EXPECT_TRUE(WindowReader::IsEnabled(target.Control(CountButton)));
    EXPECT_FALSE(WindowReader::IsEnabled(target.Control(DisabledButton)));
    EXPECT_EQ(WindowReader::ComboSelection(target.Control(Combo)), ComboSelection);
    EXPECT_EQ(WindowReader::ComboEntries(target.Control(Combo)),
        std::vector<std::wstring>(std::begin(ComboEntries), std::end(ComboEntries)));
    const SIZE client = WindowReader::ClientSize(target.MainWindow());
    EXPECT_EQ(client.cx, ClientWidth);
    EXPECT_EQ(client.cy, ClientHeight);
    EXPECT_THROW(static_cast<void>(target.Control(999)), ProbeError);
}

TEST_F(ProbeTargetTest, ReadsAProgressRangePastSixteenBits)
{
    const ProgramUnderTest& target = Start();

    const HWND progress = target.PlatformControl(Progress, PROGRESS_CLASSW);
    EXPECT_EQ(WindowReader::ProgressRange(progress), std::make_pair(ProgressLow, ProgressHigh));
    EXPECT_EQ(WindowReader::ProgressPosition(progress), ProgressPosition);
}

TEST_F(ProbeTargetTest, ReadsAControlsTooltipWithoutThePointerOnIt)
{
    const ProgramUnderTest& target = Start();

    EXPECT_EQ(WindowReader::Text(target.Control(PathLabel)), PathText);
    EXPECT_EQ(target.ToolTipOf(PathLabel), std::optional<std::wstring>(PathTip));
    EXPECT_EQ(target.ToolTipOf(Edit), std::nullopt);
}

TEST_F(ProbeTargetTest, ReadsThePickersMomentFromInsideItsHolder)
{
    const ProgramUnderTest& target = Start();

    const std::optional<SYSTEMTIME> moment = target.PickerMoment(PickerHolder);

    ASSERT_TRUE(moment.has_value());
    EXPECT_EQ(moment->wYear, PickerMoment.wYear);
    EXPECT_EQ(moment->wMonth, PickerMoment.wMonth);
    EXPECT_EQ(moment->wDay, PickerMoment.wDay);
    EXPECT_EQ(moment->wHour, PickerMoment.wHour);
    EXPECT_EQ(moment->wMinute, PickerMoment.wMinute);
    EXPECT_EQ(moment->wSecond, PickerMoment.wSecond);
}

TEST_F(ProbeTargetTest, ReadsEveryListLineWholeWithItsState)
{
    const ProgramUnderTest& target = Start();
    const ListViewReader list = target.List(ListHolder);

    EXPECT_EQ(list.Headers(), std::vector<std::wstring>(std::begin(Headers), std::end(Headers)));
    const std::vector<ListRow> rows = list.Rows();
    ASSERT_EQ(rows.size(), static_cast<size_t>(ListLines));
    for (int line = 0; line < ListLines; ++line) {
        const ListRow& row = rows[static_cast<size_t>(line)];
        EXPECT_EQ(row.Text(0), ListName(line)) << "line " << line;
        EXPECT_EQ(row.Text(1), ListModified(line)) << "line " << line;
        EXPECT_EQ(row.selected, line == InitiallySelected) << "line " << line;
        EXPECT_EQ(row.focused, line == InitiallySelected) << "line " << line;
    }
    EXPECT_EQ(rows[4].Text(0).size(), 250u);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(list.Selected(), std::vector<int>{InitiallySelected});
    EXPECT_EQ(list.Focused(), std::optional<int>(InitiallySelected));
}
