#include "services/FileSystem.h"

#include "platform/PathForm.h"
#include "services/FileStepSeam.h"
#include "services/FileSystemDetail.h"

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <map>
#include <mutex>
#include <optional>

using namespace FileSystemDetail;

namespace {

// Which of the zone's rule sets a conversion applies: the one in force in
// the moment's own year, so that a 1995 autumn moment keeps its 1995 offset.
// Windows converts with the ...Ex functions and the dynamic zone record. Wine
// 8 exports them from kernelbase only, as stubs that end the program when
// called, and not from kernel32; there the year's rule set is asked for and
// handed to the plain conversions, which comes to the same.
using ExConversion = BOOL(WINAPI*)(const DYNAMIC_TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);

struct ExConversions {
    ExConversion toLocal;
    ExConversion toUniversal;
};

const ExConversions& KernelExConversions()
{
    static const ExConversions conversions = [] {
        const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
        const auto find = [kernel](const char* name) {
            return reinterpret_cast<ExConversion>(reinterpret_cast<void*>(::GetProcAddress(kernel, name)));
        };
        return ExConversions{find("SystemTimeToTzSpecificLocalTimeEx"), find("TzSpecificLocalTimeToSystemTimeEx")};
    }();
    return conversions;
}

std::optional<DYNAMIC_TIME_ZONE_INFORMATION> CurrentZone()
{
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (::GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) {
        return std::nullopt;
    }
    return zone;
}

// The platform searches the registry for every year's rule set (a third of
// a millisecond under Wine) and a listing converts a moment per line, so the
// sets are kept per year for as long as the zone stays the same.
class YearRules {
public:
    std::optional<TIME_ZONE_INFORMATION> For(const DYNAMIC_TIME_ZONE_INFORMATION& zone, WORD year)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (!SameZone(zone, zone_)) {
            zone_ = zone;
            years_.clear();
        }
        if (const auto found = years_.find(year); found != years_.end()) {
            return found->second;
        }
        TIME_ZONE_INFORMATION rules{};
        if (!::GetTimeZoneInformationForYear(year, &zone_, &rules)) {
            return std::nullopt;
        }
        years_.emplace(year, rules);
        return rules;
    }

private:
    static bool SameZone(const DYNAMIC_TIME_ZONE_INFORMATION& a, const DYNAMIC_TIME_ZONE_INFORMATION& b)
    {
        const auto sameDate = [](const SYSTEMTIME& x, const SYSTEMTIME& y) {
            return std::memcmp(&x, &y, sizeof(x)) == 0;
        };
        return std::wcscmp(a.TimeZoneKeyName, b.TimeZoneKeyName) == 0 && a.Bias == b.Bias &&
            a.StandardBias == b.StandardBias && a.DaylightBias == b.DaylightBias &&
            sameDate(a.StandardDate, b.StandardDate) && sameDate(a.DaylightDate, b.DaylightDate) &&
            a.DynamicDaylightTimeDisabled == b.DynamicDaylightTimeDisabled;
    }

    std::mutex mutex_;
    DYNAMIC_TIME_ZONE_INFORMATION zone_{};
    std::map<WORD, TIME_ZONE_INFORMATION> years_;
};

YearRules yearRules;

std::optional<TIME_ZONE_INFORMATION> RulesOfYear(WORD year)
{
    const auto zone = CurrentZone();
    return zone ? yearRules.For(*zone, year) : std::nullopt;
}

using PlainConversion = BOOL(WINAPI*)(const TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);

// One direction of the conversion, with the rules of `from`'s year.
bool Convert(ExConversion withZone, PlainConversion withRules, const SYSTEMTIME& from, SYSTEMTIME& to)
{
    const auto zone = CurrentZone();
    if (!zone) {
        return false;
    }
    if (withZone != nullptr) {
        return withZone(&*zone, &from, &to) != FALSE;
    }
    const auto rules = yearRules.For(*zone, from.wYear);
    return rules && withRules(&*rules, &from, &to);
}

std::optional<SYSTEMTIME> UtcToLocal(const FILETIME& utc)
{
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&utc, &universal) ||
        !Convert(KernelExConversions().toLocal, ::SystemTimeToTzSpecificLocalTime, universal, local)) {
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
    const auto rules = RulesOfYear(local.wYear);
    FILETIME clock{};
    if (!rules || !::SystemTimeToFileTime(&local, &clock)) {
        return std::nullopt;
    }
    constexpr std::int64_t TicksPerMinute = 600'000'000;
    ULARGE_INTEGER ticks{{clock.dwLowDateTime, clock.dwHighDateTime}};
    ticks.QuadPart +=
        static_cast<std::uint64_t>(static_cast<std::int64_t>(rules->Bias + rules->StandardBias) * TicksPerMinute);
    return FILETIME{ticks.LowPart, ticks.HighPart};
}

std::optional<FILETIME> LocalToUtc(const SYSTEMTIME& local)
{
    SYSTEMTIME universal{};
    FILETIME result{};
    if (!Convert(KernelExConversions().toUniversal, ::TzSpecificLocalTimeToSystemTime, local, universal) ||
        !::SystemTimeToFileTime(&universal, &result)) {
        return std::nullopt;
    }
    const auto back = UtcToLocal(result);
    if (back && !SameClockTime(*back, local)) {
        return StandardTimeToUtc(local);
    }
    return result;
}

std::optional<OleDate> LocalMoment(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    const auto local = UtcToLocal(data.ftLastWriteTime);
    return local ? OleDate::FromSystemTime(*local) : std::nullopt;
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

// File times begin in 1601.
std::optional<FILETIME> KeptTime(const SYSTEMTIME& local)
{
    if (local.wYear < 1601) {
        return std::nullopt;
    }
    return LocalToUtc(local);
}

std::optional<FILETIME> FileTimeFromMoment(const Variant& datetime)
{
    return KeptTime(datetime.ToDate().ToSystemTime());
}

// Attribute-write access is all that writing times needs, so a file that
// another program holds open for reading is re-dated too. Read-only items
// would grant it as well; they are refused here, whatever the platform, and
// the run clears the attribute first when the user allows it.
// A missing time is left as it is.
bool WriteTimes(
    const std::wstring& path, DWORD flags, const FILETIME* created, const FILETIME* accessed, const FILETIME* written)
{
    if (!FileStepSeam::Allows(FileStep::WriteTimes, path)) {
        return false;
    }
    const DWORD attributes = ::GetFileAttributesW(PathForm::Extended(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    const FileHandle item = OpenItemItself(path, attributes, FILE_WRITE_ATTRIBUTES, flags);
    return item && ::SetFileTime(item.Get(), created, accessed, written) != FALSE;
}

bool DateItem(const std::wstring& path, const Variant& datetime, DWORD flags)
{
    const auto moment = FileTimeFromMoment(datetime);
    return moment && WriteTimes(path, flags, &*moment, &*moment, &*moment);
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

std::optional<OleDate> FileSystem::GetModifiedMoment(const std::wstring& path) const
{
    const auto data = ReadAttributeData(path);
    return data ? LocalMoment(*data) : std::nullopt;
}

FolderRow FileSystem::ReadFolderRow(const std::wstring& prefix, std::wstring name, bool isFolder) const
{
    FolderRow row{std::move(name), isFolder};
    const auto data = ReadAttributeData(prefix + row.Name);
    if (data && IsDirectory(*data) == isFolder) {
        row.Modified = LocalMoment(*data);
        row.Attributes = static_cast<std::int32_t>(data->dwFileAttributes);
    }
    return row;
}

bool FileSystem::SetFileDateTime(const std::wstring& file, const Variant& datetime) const
{
    return DateItem(file, datetime, 0);
}

bool FileSystem::SetFolderDateTime(const std::wstring& folder, const Variant& datetime) const
{
    return DateItem(folder, datetime, FILE_FLAG_BACKUP_SEMANTICS);
}

std::optional<FileSystem::ItemStamp> FileSystem::GetItemStamp(const std::wstring& path) const
{
    const auto data = ReadAttributeData(path);
    if (!data) {
        return std::nullopt;
    }
    return ItemStamp{data->ftCreationTime, data->ftLastAccessTime, data->ftLastWriteTime, data->dwFileAttributes};
}

bool FileSystem::SetItemTimes(const std::wstring& path, const ItemStamp& stamp) const
{
    // Backup semantics open a file as well as a folder.
    return WriteTimes(path, FILE_FLAG_BACKUP_SEMANTICS, &stamp.Created, &stamp.Accessed, &stamp.Written);
}

bool FileSystem::ChangeItemTimes(const std::wstring& path, const TimesChange& change) const
{
    const auto given = [](const std::optional<FILETIME>& time) { return time ? &*time : nullptr; };
    return WriteTimes(
        path, FILE_FLAG_BACKUP_SEMANTICS, given(change.Created), given(change.Accessed), given(change.Written));
}

std::optional<FILETIME> FileSystem::UniversalTime(const SYSTEMTIME& local) const
{
    return KeptTime(local);
}

std::optional<SYSTEMTIME> FileSystem::LocalTime(const FILETIME& universal) const
{
    return UtcToLocal(universal);
}
