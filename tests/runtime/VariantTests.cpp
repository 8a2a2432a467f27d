#include "runtime/RuntimeError.h"
#include "runtime/Variant.h"

#include <gtest/gtest.h>

TEST(Variant, DateTextIsRegionalShortDateAndLongTime)
{
    const auto date = OleDate::FromParts(2026, 12, 7, 14, 3, 5);
    ASSERT_TRUE(date);
    EXPECT_EQ(Variant(*date).ToText(), L"7-12-2026 14:03:05");
}
