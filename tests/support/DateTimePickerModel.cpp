#include "support/DateTimePickerModel.h"

#include "runtime/RuntimeError.h"

#include <optional>
#include <tuple>

namespace {

using CalendarDay = std::tuple<int, int, int>;

constexpr CalendarDay FirstDay{1601, 1, 1};
constexpr CalendarDay LastDay{9999, 12, 31};

// Only a date, or a text that reads as one, counts: the picker does not take
// numbers, booleans or an empty value for dates.
std::optional<CalendarDay> DayOf(const Variant& value)
{
    const auto kind = value.GetKind();
    if (kind != Variant::Kind::Date && kind != Variant::Kind::Text) {
        return std::nullopt;
    }
    try {
        const SYSTEMTIME parts = value.ToDate().ToSystemTime();
        return CalendarDay{parts.wYear, parts.wMonth, parts.wDay};
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

Variant PresentMoment()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const auto moment = OleDate::FromSystemTime(now);
    return moment ? Variant(*moment) : Variant();
}

} // namespace

DateTimePickerModel::DateTimePickerModel() : value_(PresentMoment())
{
}

void DateTimePickerModel::SetValue(const Variant& value)
{
    const auto day = DayOf(value);
    if (day && *day >= FirstDay && *day <= LastDay) {
        value_ = value;
    }
}
