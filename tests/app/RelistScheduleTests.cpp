#include "app/RelistSchedule.h"

#include <gtest/gtest.h>

namespace {

TEST(RelistSchedule, ListsOnceTheFolderIsQuiet)
{
    RelistSchedule schedule;
    EXPECT_FALSE(schedule.Change(1'000));
    EXPECT_FALSE(schedule.Change(1'100));
    EXPECT_FALSE(schedule.IsDue(1'200));
    EXPECT_TRUE(schedule.IsDue(1'250));
    EXPECT_FALSE(schedule.Pending());
    EXPECT_FALSE(schedule.IsDue(2'000));
}

TEST(RelistSchedule, AFolderWrittenWithoutPauseIsStillListedEveryHalfSecond)
{
    RelistSchedule schedule;
    int listings = 0;
    // A change every 20 ms for 2.1 s: listed at 500, 1,020, 1,540 and 2,060 ms.
    for (ULONGLONG now = 0; now <= 2'100; now += 20) {
        listings += schedule.Change(now) ? 1 : 0;
    }
    EXPECT_EQ(listings, 4);
}

} // namespace
