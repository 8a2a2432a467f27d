#include "engine/NameMoment.h"

#include <cwchar>

namespace {

constexpr int EarliestYear = 1900;
constexpr int LatestYear = 2099;

bool IsDigit(wchar_t c) noexcept
{
    return c >= L'0' && c <= L'9';
}

bool IsLeap(int year) noexcept
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) noexcept
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : Days[month - 1];
}

// Reads the name left to right; every read either takes what it wants and
// moves on or leaves the position where it was.
class Reader {
public:
    Reader(const std::wstring& text, size_t position) : text_(text), position_(position) {}

    bool Number(int digits, int& value)
    {
        if (text_.size() - position_ < static_cast<size_t>(digits)) {
            return false;
        }
        int result = 0;
        for (int i = 0; i < digits; ++i) {
            const wchar_t c = text_[position_ + static_cast<size_t>(i)];
            if (!IsDigit(c)) {
                return false;
            }
            result = result * 10 + (c - L'0');
        }
        position_ += static_cast<size_t>(digits);
        value = result;
        return true;
    }

    // One of `separators`, or none; the same one must then follow again.
    wchar_t Separator(const wchar_t* separators)
    {
        if (position_ < text_.size() && text_[position_] != L'\0' && std::wcschr(separators, text_[position_])) {
            return text_[position_++];
        }
        return L'\0';
    }

    bool Exactly(wchar_t separator)
    {
        if (separator == L'\0') {
            return true;
        }
        if (position_ < text_.size() && text_[position_] == separator) {
            ++position_;
            return true;
        }
        return false;
    }

    [[nodiscard]] bool AtDigit() const noexcept { return position_ < text_.size() && IsDigit(text_[position_]); }
    [[nodiscard]] size_t Position() const noexcept { return position_; }
    void MoveTo(size_t position) noexcept { position_ = position; }

private:
    const std::wstring& text_;
    size_t position_;
};

bool ValidDate(int year, int month, int day) noexcept
{
    return year >= EarliestYear && year <= LatestYear && month >= 1 && month <= 12 && day >= 1 &&
        day <= DaysIn(year, month);
}

bool ValidTime(int hour, int minute, int second) noexcept
{
    return hour <= 23 && minute <= 59 && second <= 59;
}

enum class TimeRead { Absent, Valid, Invalid };

// A time follows the date when digits follow it, straight away or after one
// separator; they must then make a valid time that no further digit
// follows (other than three of milliseconds).
TimeRead ReadTime(Reader& reader, int& hour, int& minute, int& second)
{
    const size_t start = reader.Position();
    reader.Separator(L"_- T.");
    if (!reader.AtDigit()) {
        reader.MoveTo(start);
        return TimeRead::Absent;
    }
    const bool read = reader.Number(2, hour) && [&] {
        const wchar_t separator = reader.Separator(L".:-");
        return reader.Number(2, minute) && reader.Exactly(separator) && reader.Number(2, second);
    }();
    if (!read || !ValidTime(hour, minute, second)) {
        return TimeRead::Invalid;
    }
    const size_t end = reader.Position();
    int milliseconds = 0;
    if (!reader.Number(3, milliseconds)) {
        reader.MoveTo(end);
    }
    return reader.AtDigit() ? TimeRead::Invalid : TimeRead::Valid;
}

} // namespace

std::optional<SYSTEMTIME> NameMoment::In(const std::wstring& name)
{
    for (size_t start = 0; start < name.size(); ++start) {
        if (!IsDigit(name[start]) || (start > 0 && IsDigit(name[start - 1]))) {
            continue;
        }
        if (const auto moment = At(name, start)) {
            return moment;
        }
    }
    return std::nullopt;
}

std::optional<SYSTEMTIME> NameMoment::At(const std::wstring& name, size_t start)
{
    Reader reader(name, start);
    int year = 0;
    int month = 0;
    int day = 0;
    if (!reader.Number(4, year)) {
        return std::nullopt;
    }
    const wchar_t separator = reader.Separator(L"-_.");
    if (!reader.Number(2, month) || !reader.Exactly(separator) || !reader.Number(2, day) ||
        !ValidDate(year, month, day)) {
        return std::nullopt;
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (ReadTime(reader, hour, minute, second) == TimeRead::Invalid) {
        return std::nullopt;
    }
    SYSTEMTIME moment{};
    moment.wYear = static_cast<WORD>(year);
    moment.wMonth = static_cast<WORD>(month);
    moment.wDay = static_cast<WORD>(day);
    moment.wHour = static_cast<WORD>(hour);
    moment.wMinute = static_cast<WORD>(minute);
    moment.wSecond = static_cast<WORD>(second);
    return moment;
}
