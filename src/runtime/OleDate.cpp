#include "runtime/OleDate.h"

#include "runtime/RuntimeError.h"

namespace {

std::wstring BstrToText(BSTR text)
{
    std::wstring result = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return result;
}

std::wstring FormatDate(double value, ULONG flags)
{
    BSTR text = nullptr;
    if (FAILED(::VarBstrFromDate(value, LOCALE_USER_DEFAULT, flags, &text))) {
        throw TypeMismatchError();
    }
    return BstrToText(text);
}

} // namespace

std::optional<OleDate> OleDate::FromParts(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0) {
        return std::nullopt;
    }
    UDATE parts{};
    parts.st.wYear = static_cast<WORD>(year);
    parts.st.wMonth = static_cast<WORD>(month);
    parts.st.wDay = static_cast<WORD>(day);
    parts.st.wHour = static_cast<WORD>(hour);
    parts.st.wMinute = static_cast<WORD>(minute);
    parts.st.wSecond = static_cast<WORD>(second);
    double value = 0.0;
    if (FAILED(::VarDateFromUdate(&parts, 0, &value))) {
        return std::nullopt;
    }
    return OleDate(value);
}

std::optional<OleDate> OleDate::FromSystemTime(const SYSTEMTIME& time)
{
    return FromParts(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
}

std::optional<OleDate> OleDate::Parse(const std::wstring& text)
{
    double value = 0.0;
    if (FAILED(::VarDateFromStr(const_cast<OLECHAR*>(text.c_str()), LOCALE_USER_DEFAULT, 0, &value))) {
        return std::nullopt;
    }
    return OleDate(value);
}

SYSTEMTIME OleDate::ToSystemTime() const
{
    UDATE parts{};
    if (FAILED(::VarUdateFromDate(value_, 0, &parts))) {
        throw OverflowError();
    }
    parts.st.wMilliseconds = 0;
    parts.st.wDayOfWeek = 0;
    return parts.st;
}

OleDate OleDate::WithTimeOf(OleDate time) const
{
    const SYSTEMTIME date = ToSystemTime();
    const SYSTEMTIME clock = time.ToSystemTime();
    const auto joined = FromParts(date.wYear, date.wMonth, date.wDay, clock.wHour, clock.wMinute, clock.wSecond);
    return joined.value_or(*this);
}

std::wstring OleDate::DateText() const
{
    return FormatDate(value_, VAR_DATEVALUEONLY);
}

std::wstring OleDate::TimeText() const
{
    return FormatDate(value_, VAR_TIMEVALUEONLY);
}

std::wstring OleDate::ToText() const
{
    return DateText() + L" " + TimeText();
}
