#pragma once

#include "platform/Win32.h"

#include <optional>
#include <string>

// An OLE Automation date: days since 30 December 1899, the time of day as
// the fraction. Its text form is the user's regional short date, one space
// and the regional long time, the form the whole program shows and reads.
class OleDate {
public:
    constexpr OleDate() noexcept = default;
    constexpr explicit OleDate(double value) noexcept : value_(value) {}

    // Fields out of range (day 0, month 13, ...) carry over as the platform's
    // date arithmetic does; nullopt when the result lies outside 100..9999.
    [[nodiscard]] static std::optional<OleDate> FromParts(
        int year, int month, int day, int hour, int minute, int second);
    [[nodiscard]] static std::optional<OleDate> FromSystemTime(const SYSTEMTIME& time);
    // Reads text by the user's regional rules; nullopt when it is no date.
    [[nodiscard]] static std::optional<OleDate> Parse(const std::wstring& text);

    [[nodiscard]] constexpr double Value() const noexcept { return value_; }
    // Whole seconds; milliseconds are rounded away as the platform does.
    [[nodiscard]] SYSTEMTIME ToSystemTime() const;
    [[nodiscard]] int Year() const { return ToSystemTime().wYear; }
    [[nodiscard]] int Month() const { return ToSystemTime().wMonth; }
    [[nodiscard]] int Day() const { return ToSystemTime().wDay; }
    [[nodiscard]] int Hour() const { return ToSystemTime().wHour; }
    [[nodiscard]] int Minute() const { return ToSystemTime().wMinute; }
    [[nodiscard]] int Second() const { return ToSystemTime().wSecond; }

    // The calendar date of this value joined with the time of day of another.
    [[nodiscard]] OleDate WithTimeOf(OleDate time) const;

    [[nodiscard]] std::wstring ToText() const;
    // The same text straight from a time of 1601 or later, as file times are.
    [[nodiscard]] static std::wstring TextOf(const SYSTEMTIME& time);
    [[nodiscard]] std::wstring DateText() const;
    [[nodiscard]] std::wstring TimeText() const;

    friend constexpr bool operator==(OleDate, OleDate) noexcept = default;

private:
    double value_ = 0.0;
};
