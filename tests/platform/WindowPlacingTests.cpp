#include "platform/WindowPlacing.h"

#include <gtest/gtest.h>

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

} // namespace

TEST(WindowPlacing, APlaceOffTheMonitorLandsOnItWhole)
{
    const RECT work{0, 0, 1280, 1000};
    const SIZE smallest{500, 400};
    EXPECT_TRUE(Same(WindowPlacing::Fitted({100, 50, 700, 550}, smallest, work), {100, 50, 700, 550}));
    // Beyond the right and the bottom edge, and above and left of the monitor.
    EXPECT_TRUE(Same(WindowPlacing::Fitted({3000, 2000, 3600, 2500}, smallest, work), {680, 500, 1280, 1000}));
    EXPECT_TRUE(Same(WindowPlacing::Fitted({-900, -700, -300, -200}, smallest, work), {0, 0, 600, 500}));
    // Too small grows to the smallest size; too big shrinks to the monitor.
    EXPECT_TRUE(Same(WindowPlacing::Fitted({10, 10, 110, 60}, smallest, work), {10, 10, 510, 410}));
    EXPECT_TRUE(Same(WindowPlacing::Fitted({-50, 0, 2000, 1500}, smallest, work), {0, 0, 1280, 1000}));
}
