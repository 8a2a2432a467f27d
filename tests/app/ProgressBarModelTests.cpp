#include "app/ProgressBarModel.h"

#include <gtest/gtest.h>

namespace {

// Sets the range and position in the processing run's order.
void Apply(ProgressBarModel& bar, std::int32_t min, std::int32_t max, std::int32_t value)
{
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetValue(value);
}

TEST(ProgressBarModel, StartsAtZeroOfZeroToHundred)
{
    const ProgressBarModel bar;
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Value(), 0);
}

TEST(ProgressBarModel, AssignmentsThatBreakTheRangeAreIgnored)
{
    struct Case {
        const char* name;
        void (*assign)(ProgressBarModel&);
        std::int32_t min;
        std::int32_t max;
        std::int32_t value;
    };
    const Case cases[] = {
        {"Max equal to Min", [](ProgressBarModel& b) { b.SetMax(b.Min()); }, 10, 50, 20},
        {"Max below Min", [](ProgressBarModel& b) { b.SetMax(5); }, 10, 50, 20},
        {"Max one above Min", [](ProgressBarModel& b) { b.SetMax(11); }, 10, 11, 11},
        {"negative Min", [](ProgressBarModel& b) { b.SetMin(-1); }, 10, 50, 20},
        {"Min equal to Max", [](ProgressBarModel& b) { b.SetMin(50); }, 10, 50, 20},
        {"Min zero", [](ProgressBarModel& b) { b.SetMin(0); }, 0, 50, 20},
        {"Value above Max", [](ProgressBarModel& b) { b.SetValue(51); }, 10, 50, 20},
        {"Value below Min", [](ProgressBarModel& b) { b.SetValue(9); }, 10, 50, 20},
        {"Value at Max", [](ProgressBarModel& b) { b.SetValue(50); }, 10, 50, 50},
        {"Value at Min", [](ProgressBarModel& b) { b.SetValue(10); }, 10, 50, 10},
        {"Max past 16 bits", [](ProgressBarModel& b) { b.SetMax(70000); }, 10, 70000, 20},
    };
    for (const Case& c : cases) {
        ProgressBarModel bar;
        Apply(bar, 10, 50, 20);
        c.assign(bar);
        EXPECT_EQ(bar.Min(), c.min) << c.name;
        EXPECT_EQ(bar.Max(), c.max) << c.name;
        EXPECT_EQ(bar.Value(), c.value) << c.name;
    }
}

TEST(ProgressBarModel, ANarrowerRangeBringsValueInside)
{
    ProgressBarModel bar;
    Apply(bar, 0, 100, 80);
    bar.SetMax(50);
    EXPECT_EQ(bar.Value(), 50);
    bar.SetMin(30);
    bar.SetMax(40);
    bar.SetMin(35);
    EXPECT_EQ(bar.Value(), 40);
}

// The run's order: Min, then Max, then Value, then one step per entry.
TEST(ProgressBarModel, RunOrderStepsThroughEveryEntry)
{
    ProgressBarModel bar;
    Apply(bar, 0, 3, 0);
    for (int entry = 0; entry < 3; ++entry) {
        bar.SetValue(bar.Value() + 1);
    }
    EXPECT_EQ(bar.Value(), 3);
    bar.SetValue(bar.Value() + 1);
    EXPECT_EQ(bar.Value(), 3);
}

TEST(ProgressBarModel, AnEmptyRunKeepsThePreviousMaximum)
{
    ProgressBarModel bar;
    Apply(bar, 0, 7, 7);
    Apply(bar, 0, 0, 0);
    EXPECT_EQ(bar.Max(), 7);
    EXPECT_EQ(bar.Value(), 0);
}

} // namespace
