#include "engine/NameMoment.h"

#include <gtest/gtest.h>

namespace {

std::wstring Read(const std::wstring& name)
{
    const auto moment = NameMoment::In(name);
    if (!moment) {
        return L"none";
    }
    wchar_t text[32];
    std::swprintf(text, 32, L"%04u-%02u-%02u %02u:%02u:%02u", moment->wYear, moment->wMonth, moment->wDay,
        moment->wHour, moment->wMinute, moment->wSecond);
    return text;
}

} // namespace

TEST(NameMoment, CameraAndPhonePatterns)
{
    EXPECT_EQ(Read(L"IMG_20240715_134500.jpg"), L"2024-07-15 13:45:00");
    EXPECT_EQ(Read(L"2024-07-15 13.45.00.jpg"), L"2024-07-15 13:45:00");
    EXPECT_EQ(Read(L"20240715134500.jpg"), L"2024-07-15 13:45:00");
    EXPECT_EQ(Read(L"VID-20240229-WA0001.mp4"), L"2024-02-29 00:00:00");
    EXPECT_EQ(Read(L"PXL_20240715_134500123.jpg"), L"2024-07-15 13:45:00");
    EXPECT_EQ(Read(L"Screenshot 2024-07-15 at 13.45.00.png"), L"2024-07-15 00:00:00");
    // The first number that is no date does not hide the one that is.
    EXPECT_EQ(Read(L"trip 3 IMG_20240715_134500.jpg"), L"2024-07-15 13:45:00");
}

TEST(NameMoment, NumbersThatAreNoMomentAreRefused)
{
    EXPECT_EQ(Read(L"report.doc"), L"none");
    EXPECT_EQ(Read(L"IMG_20241315_134500.jpg"), L"none");
    EXPECT_EQ(Read(L"IMG_20230229.jpg"), L"none");
    EXPECT_EQ(Read(L"IMG_20240715_250000.jpg"), L"none");
    EXPECT_EQ(Read(L"120240715.jpg"), L"none");
    EXPECT_EQ(Read(L"202407151.jpg"), L"none");
    EXPECT_EQ(Read(L"2024-07_15.jpg"), L"none");
    EXPECT_EQ(Read(L"18000101.jpg"), L"none");
    EXPECT_EQ(Read(L"2024"), L"none");
}
