#include "runtime/RuntimeError.h"
#include "services/NumberEx.h"

#include <gtest/gtest.h>

namespace {

struct ClampCase {
    Variant number;
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t Default;
    std::int32_t expected;
};

class NumberExClamp : public testing::TestWithParam<ClampCase> {};

TEST_P(NumberExClamp, GivesTheRoundedNumberInRangeAndTheDefaultOutside)
{
    const auto& param = GetParam();
    EXPECT_EQ(NumberEx().Clamp(param.number, param.minimum, param.maximum, param.Default), param.expected);
}

// Fractions come as dates, whose number needs no regional text.
INSTANTIATE_TEST_SUITE_P(Values, NumberExClamp,
    testing::Values(ClampCase{std::int32_t{2}, 0, 4, 0, 2}, ClampCase{std::int32_t{5}, 0, 4, 0, 0},
        ClampCase{std::int32_t{-1}, 0, 4, 0, 0}, ClampCase{std::int32_t{4}, 0, 4, 0, 4},
        ClampCase{std::int32_t{0}, 0, 4, 0, 0}, ClampCase{std::int32_t{7}, 0, 4, 3, 3},
        ClampCase{std::int32_t{-7}, -10, -5, 0, -7}, ClampCase{L"3", 0, 4, 0, 3}, ClampCase{OleDate(3.5), 0, 4, 0, 4},
        ClampCase{OleDate(2.5), 0, 4, 0, 2}, ClampCase{OleDate(4.4), 0, 4, 0, 0}, ClampCase{OleDate(-0.4), 0, 4, 9, 9},
        ClampCase{Variant(), 0, 4, 9, 0}, ClampCase{Variant(), 1, 4, 9, 9}, ClampCase{true, -1, 0, 9, -1},
        ClampCase{true, 0, 4, 9, 9}));

TEST(NumberEx, ClampRaisesTypeMismatchForTextThatIsNoNumber)
{
    EXPECT_THROW((void)NumberEx().Clamp(L"drie", 0, 4, 0), TypeMismatchError);
}

} // namespace
