#include "services/FileSystem.h"

#include "services/FileSystemDetail.h"

#include <cstdint>
#include <optional>

using namespace FileSystemDetail;

namespace {

// Converts with the time-zone rules in force on that date (not today's
// offset), so a summer moment reads as the same summer moment in winter.
std::optional<SYSTEMTIME> UtcToLocal(const FILETIME& utc)
{
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&utc, &universal) || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return std::nullopt;
    }
    return local;
}

bool SameClockTime(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
        a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

// A local moment in the hour skipped when clocks go forward does not exist.
// It is read as standard time (the clock not yet moved on), so it lands one
// hour later on the clock: 02:30 becomes 03:30 summer time, never 01:30.
std::optional<FILETIME> StandardTimeToUtc(const SYSTEMTIME& local)
{
    TIME_ZONE_INFORMATION zone{};
    FILETIME clock{};
    if (!::GetTimeZoneInformationForYear(local.wYear, nullptr, &zone) || !::SystemTimeToFileTime(&local, &clock)) {
        return std::nullopt;
    }
    constexpr std::int64_t TicksPerMinute = 600'000'000;
    ULARGE_INTEGER ticks{{clock.dwLowDateTime, clock.dwHighDateTime}};
    ticks.QuadPart +=
        static_cast<std::uint64_t>(static_cast<std::int64_t>(zone.Bias + zone.StandardBias) * TicksPerMinute);
    return FILETIME{ticks.LowPart, ticks.HighPart};
}

std::optional<FILETIME> LocalToUtc(const SYSTEMTIME& local)
{
    SYSTEMTIME universal{};
    FILETIME result{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !::SystemTimeToFileTime(&universal, &result)) {
        return std::nullopt;
    }
    const auto back = UtcToLocal(result);
    if (back && !SameClockTime(*back, local)) {
        return StandardTimeToUtc(local);
    }
    return result;
}

// The file forms read files only and the folder forms folders only, as
// opening a folder without backup semantics would fail.
Variant ModifiedText(const std::wstring& path, bool isFolder)
{
    const auto data = ReadAttributeData(path);
    if (!data || IsDirectory(*data) != isFolder) {
        return Variant(std::wstring());
    }
    const auto local = UtcToLocal(data->ftLastWriteTime);
    return Variant(local ? OleDate::TextOf(*local) : std::wstring());
}

std::optional<FILETIME> FileTimeFromMoment(const Variant& datetime)
{
    const SYSTEMTIME local = datetime.ToDate().ToSystemTime();
    if (local.wYear < 1601) {
        return std::nullopt;
    }
    return LocalToUtc(local);
}

bool SetItemTimes(const std::wstring& path, const Variant& datetime, DWORD flags)
{
    const auto moment = FileTimeFromMoment(datetime);
    if (!moment) {
        return false;
    }
    const FileHandle item = OpenItemItself(path, GENERIC_WRITE, flags);
    return item && ::SetFileTime(item.Get(), &*moment, &*moment, &*moment) != FALSE;
}

} // namespace

Variant FileSystem::GetFileDateTime(const std::wstring& file) const
{
    return ModifiedText(file, false);
}

Variant FileSystem::GetFolderDateTime(const std::wstring& folder) const
{
    return ModifiedText(folder, true);
}

bool FileSystem::SetFileDateTime(const std::wstring& file, const Variant& datetime) const
{
    return SetItemTimes(file, datetime, 0);
}

bool FileSystem::SetFolderDateTime(const std::wstring& folder, const Variant& datetime) const
{
    return SetItemTimes(folder, datetime, FILE_FLAG_BACKUP_SEMANTICS);
}
