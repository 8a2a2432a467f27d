#include "runtime/OleDate.h"

#include "platform/Handles.h"
#include "runtime/RuntimeError.h"

namespace {

template <typename Format>
std::wstring FormatWith(Format&& format)
{
    const int length = format(nullptr, 0);
    if (length <= 0) {
        throw TypeMismatchError();
    }
    std::wstring text(static_cast<size_t>(length), L'\0');
    format(text.data(), length);
    text.resize(static_cast<size_t>(length) - 1);
    return text;
}

std::wstring LocaleDateText(const SYSTEMTIME& time)
{
    return FormatWith([&time](wchar_t* buffer, int capacity) {
        return ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, capacity);
    });
}

std::wstring ClockText(SYSTEMTIME time)
{
    // Only the clock matters here; a fixed date keeps early years valid.
    time.wYear = 2000;
    time.wMonth = 1;
    time.wDay = 1;
    return FormatWith([&time](wchar_t* buffer, int capacity) {
        return ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, capacity);
    });
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

std::wstring OleDate::TextOf(const SYSTEMTIME& time)
{
    return LocaleDateText(time) + L" " + ClockText(time);
}

std::wstring OleDate::DateText() const
{
    const SYSTEMTIME time = ToSystemTime();
    if (time.wYear >= 1601) {
        return LocaleDateText(time);
    }
    // The locale functions stop at the file-time epoch; the variant
    // conversion covers the rest of the range with the same format.
    Bstr text;
    if (FAILED(::VarBstrFromDate(value_, LOCALE_USER_DEFAULT, VAR_DATEVALUEONLY, text.Put()))) {
        // Whatever a failed call left in the slot is no text of ours to free.
        text.Release();
        throw TypeMismatchError();
    }
    return std::wstring(text.Get(), ::SysStringLen(text.Get()));
}

std::wstring OleDate::TimeText() const
{
    return ClockText(ToSystemTime());
}

std::wstring OleDate::ToText() const
{
    return DateText() + L" " + TimeText();
}
