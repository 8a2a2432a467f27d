#include "controls/ProgressBar.h"

#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

namespace {

class ProgressBarTest : public testing::Test {
protected:
    ProgressBarTest() { bar.InitProperties(); }

    [[nodiscard]] int PlatformPosition() const
    {
        return static_cast<int>(::SendMessageW(bar.ControlHwnd(), PBM_GETPOS, 0, 0));
    }

    [[nodiscard]] PBRANGE PlatformRange() const
    {
        PBRANGE range{};
        ::SendMessageW(bar.ControlHwnd(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        return range;
    }

    TestHostWindow host;
    // 100 pixels wide without an edge: one pixel per hundredth of the range.
    ProgressBar bar{host.Site(), L"ProgressBarVarnook", {0, 0, 100, 20}, 100};
};

TEST_F(ProgressBarTest, ARunOfSeventyThousandEntriesFillsTheBarInStep)
{
    bar.SetMin(0);
    bar.SetMax(70'000);
    bar.SetValue(0);
    EXPECT_EQ(PlatformRange().iHigh, 70'000);
    bar.SetValue(35'000);
    EXPECT_EQ(PlatformPosition(), 35'000);
    bar.SetValue(70'000);
    EXPECT_EQ(PlatformPosition(), 70'000);
}

TEST_F(ProgressBarTest, AStepReachesTheWindowOnlyWhenTheFilledWidthMoves)
{
    bar.SetMax(70'000);
    bar.SetValue(1);
    bar.SetValue(699);
    EXPECT_EQ(PlatformPosition(), 0);
    bar.SetValue(700);
    EXPECT_EQ(PlatformPosition(), 700);
    bar.SetValue(70'000);
    EXPECT_EQ(PlatformPosition(), 70'000);
    bar.SetValue(0);
    EXPECT_EQ(PlatformPosition(), 0);
}

TEST_F(ProgressBarTest, AssignmentsOutsideTheRangeChangeNothing)
{
    bar.SetMax(50);
    bar.SetValue(20);
    bar.SetMax(bar.Min());
    bar.SetMin(-1);
    bar.SetValue(51);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 50);
    EXPECT_EQ(bar.Value(), 20);
    EXPECT_EQ(PlatformRange().iHigh, 50);
    EXPECT_EQ(PlatformPosition(), 20);
}

TEST_F(ProgressBarTest, StoredSettingsAreShownAsTheyMustBe)
{
    bar.ReadProperties({{L"Value", std::int32_t{150}}, {L"Max", std::int32_t{100}}, {L"Appearance", std::int32_t{1}}});
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_EQ(PlatformPosition(), 100);
    EXPECT_NE(::GetWindowLongPtrW(bar.ControlHwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    bar.SetAppearance(0);
    EXPECT_EQ(::GetWindowLongPtrW(bar.ControlHwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);

    // Orientation lives in the creation style: a new window carries it.
    const HWND before = bar.ControlHwnd();
    bar.SetOrientation(1);
    EXPECT_NE(bar.ControlHwnd(), before);
    EXPECT_NE(::GetWindowLongPtrW(bar.ControlHwnd(), GWL_STYLE) & PBS_VERTICAL, 0);
    EXPECT_EQ(PlatformPosition(), 100);
}

} // namespace
