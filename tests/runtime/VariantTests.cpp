#include "runtime/RuntimeError.h"
#include "runtime/Variant.h"

#include <gtest/gtest.h>

// The suite runs with Dutch regional settings: short date d-M-yyyy, long
// time HH:mm:ss, decimal comma.

TEST(OleDate, TextIsRegionalShortDateSpaceLongTime)
{
    EXPECT_EQ(OleDate::FromParts(2026, 12, 7, 14, 3, 5)->ToText(), L"7-12-2026 14:03:05");
    EXPECT_EQ(OleDate::FromParts(2026, 1, 2, 0, 0, 0)->ToText(), L"2-1-2026 00:00:00");
    EXPECT_EQ(OleDate::FromParts(1899, 12, 30, 0, 0, 0)->ToText(), L"30-12-1899 00:00:00");
}

TEST(OleDate, TextReadsBackToTheSameMoment)
{
    for (const auto& moment : {*OleDate::FromParts(2026, 3, 29, 2, 30, 0), *OleDate::FromParts(1601, 1, 1, 0, 0, 1),
             *OleDate::FromParts(9999, 12, 31, 23, 59, 59), *OleDate::FromParts(1850, 6, 1, 12, 0, 0)}) {
        const auto parsed = OleDate::Parse(moment.ToText());
        ASSERT_TRUE(parsed) << moment.ToText();
        EXPECT_EQ(parsed->ToText(), moment.ToText());
    }
}

TEST(OleDate, PartsOfMomentsBeforeAndAfterTheEpoch)
{
    const auto before = OleDate::FromParts(1850, 6, 1, 18, 45, 30);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->Year(), 1850);
    EXPECT_EQ(before->Month(), 6);
    EXPECT_EQ(before->Day(), 1);
    EXPECT_EQ(before->Hour(), 18);
    EXPECT_EQ(before->Minute(), 45);
    EXPECT_EQ(before->Second(), 30);
    EXPECT_EQ(OleDate::FromParts(2026, 12, 7, 0, 0, 0)->Value(), 46363.0);
}

TEST(OleDate, RejectsYearsOutsideTheDateRange)
{
    EXPECT_FALSE(OleDate::FromParts(99, 1, 1, 0, 0, 0));
    EXPECT_FALSE(OleDate::FromParts(10000, 1, 1, 0, 0, 0));
    EXPECT_FALSE(OleDate::Parse(L"geen datum"));
}

TEST(OleDate, JoinsTheDateOfOneValueWithTheTimeOfAnother)
{
    const auto date = *OleDate::FromParts(2026, 7, 15, 9, 9, 9);
    const auto time = *OleDate::FromParts(1999, 1, 1, 23, 4, 5);
    EXPECT_EQ(date.WithTimeOf(time).ToText(), L"15-7-2026 23:04:05");
}

TEST(Variant, TextConversions)
{
    EXPECT_EQ(Variant().ToText(), L"");
    EXPECT_EQ(Variant(42).ToText(), L"42");
    EXPECT_EQ(Variant(L"tekst").ToText(), L"tekst");
    EXPECT_EQ(Variant(*OleDate::FromParts(2026, 12, 7, 14, 3, 5)).ToText(), L"7-12-2026 14:03:05");
}

TEST(Variant, DatePartsFromTextInTheUsersFormat)
{
    const Variant moment(L"7-12-2026 14:03:05");
    EXPECT_EQ(moment.Year(), 2026);
    EXPECT_EQ(moment.Month(), 12);
    EXPECT_EQ(moment.Day(), 7);
    EXPECT_EQ(moment.Hour(), 14);
    EXPECT_EQ(moment.Minute(), 3);
    EXPECT_EQ(moment.Second(), 5);
}

TEST(Variant, TextThatIsNoDateIsATypeMismatch)
{
    try {
        (void)Variant(L"morgen vroeg").ToDate();
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 13);
    }
    EXPECT_THROW((void)Variant(L"").Year(), TypeMismatchError);
}

TEST(Variant, NumbersRoundHalfToEven)
{
    struct Case {
        Variant value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {Variant(L"2,5"), 2},
        {Variant(L"3,5"), 4},
        {Variant(L"-2,5"), -2},
        {Variant(L"2,6"), 3},
        {Variant(L"7"), 7},
        {Variant(true), -1},
        {Variant(), 0},
        {Variant(*OleDate::FromParts(2026, 12, 7, 12, 0, 0)), 46364},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.ToInt32(), c.expected) << c.value.ToText();
    }
}

TEST(Variant, NumberConversionErrors)
{
    EXPECT_THROW((void)Variant(L"vier").ToInt32(), TypeMismatchError);
    EXPECT_THROW((void)Variant(L"3000000000").ToInt32(), OverflowError);
    try {
        (void)Variant(L"-3000000000").ToInt32();
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 6);
    }
}

TEST(OleDate, TextOfYearsBeforeFileTimesBegin)
{
    const auto early = *OleDate::FromParts(1200, 5, 4, 6, 7, 8);
    EXPECT_EQ(early.ToText(), L"4-5-1200 06:07:08");
    EXPECT_EQ(OleDate::Parse(early.ToText()), early);
}
