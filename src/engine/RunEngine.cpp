#include "engine/RunEngine.h"

#include "engine/NameMoment.h"

#include <limits>

namespace {

constexpr std::int32_t ReadOnly = FILE_ATTRIBUTE_READONLY;
constexpr std::int64_t TicksPerSecond = 10'000'000;
// The latest time the platform keeps: its top bit must stay clear.
constexpr std::uint64_t LatestTicks = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

// None when the shift would move the time before 1601 or past the last.
std::optional<FILETIME> Shifted(const FILETIME& time, std::int64_t seconds)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    const std::uint64_t shift =
        seconds < 0 ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
    if (shift > LatestTicks / TicksPerSecond) {
        return std::nullopt;
    }
    const std::uint64_t by = shift * TicksPerSecond;
    if ((seconds < 0 && by > ticks) || (seconds > 0 && by > LatestTicks - ticks)) {
        return std::nullopt;
    }
    const std::uint64_t result = seconds < 0 ? ticks - by : ticks + by;
    return FILETIME{static_cast<DWORD>(result), static_cast<DWORD>(result >> 32)};
}

} // namespace

// The first reason an entry failed is the one the user is told.
void RunEngine::Fail(WorkItem& item, Failure reason) noexcept
{
    if (item.Failed == Failure::None) {
        item.Failed = reason;
    }
}

RunEngine::RunEngine(const Job& job) : job_(job), names_(job.Style, job.Rules)
{
    if (job_.Moment) {
        chosen_ = fileSystem_.UniversalTime(job_.Moment->ToSystemTime());
    }
    if (job_.Modified && job_.Rules.Source == RunRules::TimeSource::Photo) {
        photos_.emplace();
    }
}

bool RunEngine::ChangesAnything() const noexcept
{
    return names_.Renames() || job_.Modified;
}

void RunEngine::Append(
    const std::wstring& path, bool isFolder, std::int32_t itemIndex, std::vector<WorkItem>& work) const
{
    if (isFolder && job_.Subfolders) {
        // A pre-order list read backwards puts every folder after all
        // folders below it; each folder's files then come right before it.
        std::int32_t count = 0;
        std::vector<std::wstring> folders;
        fileSystem_.EnumerateRecursiveFolders(path, job_.ExcludedAttributes, count, folders);
        for (auto below = folders.rbegin(); below != folders.rend(); ++below) {
            AppendFiles(*below, work);
            work.push_back({*below, -1, true});
        }
        AppendFiles(path, work);
    }
    work.push_back({path, itemIndex, isFolder});
}

void RunEngine::AppendFiles(const std::wstring& folder, std::vector<WorkItem>& work) const
{
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fileSystem_.EnumerateFiles(folder, job_.ExcludedAttributes, count, files, L"*");
    for (auto& file : files) {
        work.push_back({std::move(file), -1, false});
    }
}

std::wstring RunEngine::NewPath(const std::wstring& path, bool isFolder) const
{
    if (!names_.Renames()) {
        return path;
    }
    const size_t nameStart = path.find_last_of(L'\\') + 1;
    return path.substr(0, nameStart) + names_.NewName(path.substr(nameStart), isFolder);
}

std::vector<RunJournal::Entry> RunEngine::JournalEntries(std::vector<WorkItem>& work) const
{
    std::vector<RunJournal::Entry> entries;
    entries.reserve(work.size());
    for (WorkItem& item : work) {
        item.Before = fileSystem_.GetItemStamp(item.Path);
        RunJournal::Entry entry;
        entry.Path = item.Path;
        entry.NewPath = NewPath(item.Path, item.IsFolder);
        entry.Before = item.Before.value_or(FileSystem::ItemStamp{});
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool RunEngine::BeginJournal(RunJournal& journal, std::vector<WorkItem>& work) const
{
    if (!ChangesAnything()) {
        return true;
    }
    SYSTEMTIME started{};
    ::GetLocalTime(&started);
    return journal.Begin(started, JournalEntries(work));
}

bool RunEngine::RecordDone(RunJournal& journal, std::int32_t index, const WorkItem& item) const
{
    if (!item.Changed) {
        return true;
    }
    const std::wstring& where = item.StrandedPath.empty() ? item.Path : item.StrandedPath;
    const auto stamp = fileSystem_.GetItemStamp(where);
    return journal.Done(index, where, stamp ? stamp->Written : FILETIME{});
}

bool RunEngine::Process(WorkItem& item) noexcept
{
    try {
        bool success = true;
        if (names_.Renames() && !RenameEntry(item)) {
            success = false;
        }
        if (job_.Modified && !DateEntry(item)) {
            success = false;
        }
        return success;
    } catch (...) {
        Fail(item, Failure::Access);
        return false;
    }
}

bool RunEngine::RenameEntry(WorkItem& item)
{
    const std::wstring newPath = NewPath(item.Path, item.IsFolder);
    std::wstring currentPath;
    if (!fileSystem_.RenameItem(item.Path, newPath, currentPath)) {
        if (currentPath != item.Path) {
            item.StrandedPath = currentPath;
            item.Changed = true;
        }
        Fail(item, Failure::Access);
        return false;
    }
    item.Changed = item.Changed || newPath != item.Path;
    item.Path = newPath;
    return true;
}

std::optional<std::int32_t> RunEngine::DatableAttributes(WorkItem& item) const
{
    const std::int32_t attributes = fileSystem_.GetFileAttributes(item.Path);
    if (attributes == -1 || ((attributes & ReadOnly) != 0 && !job_.IgnoreReadonly)) {
        Fail(item, Failure::Access);
        return std::nullopt;
    }
    return attributes;
}

bool RunEngine::Preview(WorkItem& item)
{
    if (!job_.Modified) {
        return true;
    }
    return DatableAttributes(item) && NewTimes(item);
}

bool RunEngine::DateEntry(WorkItem& item)
{
    const auto datable = DatableAttributes(item);
    const auto change = datable ? NewTimes(item) : std::nullopt;
    if (!change) {
        return false;
    }
    const std::int32_t attributes = *datable;
    // Only read-only keeps the times from being written. A read-only item's
    // attributes are cleared for the write and put back whatever happens:
    // by hand, because restoring can fail too and no destructor may. Other
    // items keep theirs untouched, which spares a run four file operations
    // an entry.
    const bool cleared = (attributes & ReadOnly) != 0;
    if (cleared) {
        fileSystem_.SetFileAttributes(item.Path, 0);
    }
    const bool dated = fileSystem_.ChangeItemTimes(item.Path, *change);
    if (cleared) {
        fileSystem_.SetFileAttributes(item.Path, attributes);
    }
    if (!dated) {
        Fail(item, Failure::Access);
        return false;
    }
    item.Changed = true;
    return true;
}

std::optional<FileSystem::TimesChange> RunEngine::NewTimes(WorkItem& item)
{
    std::optional<FileSystem::ItemStamp> own;
    std::optional<FILETIME> moment;
    if (job_.Rules.Source == RunRules::TimeSource::Own) {
        own = item.Before ? item.Before : fileSystem_.GetItemStamp(item.Path);
    } else {
        moment = SourceMoment(item);
    }
    if (!own && !moment) {
        Fail(item, Failure::Access);
        return std::nullopt;
    }
    FileSystem::TimesChange change;
    const auto give = [&](unsigned time, std::optional<FILETIME>& slot, const FILETIME& ownTime) {
        if ((job_.Rules.Times & time) == 0) {
            return true;
        }
        slot = Shifted(own ? ownTime : *moment, job_.Rules.ShiftSeconds);
        return slot.has_value();
    };
    const FileSystem::ItemStamp stamp = own.value_or(FileSystem::ItemStamp{});
    if (!give(RunRules::Created, change.Created, stamp.Created) ||
        !give(RunRules::Accessed, change.Accessed, stamp.Accessed) ||
        !give(RunRules::Written, change.Written, stamp.Written)) {
        Fail(item, Failure::Access);
        return std::nullopt;
    }
    item.NewMoment = change.Written ? change.Written : change.Created ? change.Created : change.Accessed;
    return change;
}

std::optional<FILETIME> RunEngine::SourceMoment(WorkItem& item)
{
    std::optional<SYSTEMTIME> local;
    switch (job_.Rules.Source) {
    case RunRules::TimeSource::Photo:
        local = photos_ ? photos_->Of(item.Path) : std::nullopt;
        if (!local) {
            Fail(item, Failure::NoPhotoDate);
        }
        break;
    case RunRules::TimeSource::Name:
        local = NameMoment::In(fileSystem_.ExtractFileTitle(item.Path));
        if (!local) {
            Fail(item, Failure::NoNameDate);
        }
        break;
    default:
        return chosen_;
    }
    return local ? fileSystem_.UniversalTime(*local) : std::nullopt;
}

std::wstring RunEngine::FailureText(const WorkItem& item)
{
    switch (item.Failed) {
    case Failure::NoPhotoDate:
        return NoPhotoDateError + item.Path;
    case Failure::NoNameDate:
        return NoNameDateError + item.Path;
    default:
        break;
    }
    std::wstring message = AccessError + item.Path;
    if (!item.StrandedPath.empty()) {
        // The user must be able to find the item again.
        message += L", dat nu " + item.StrandedPath + L" heet";
    }
    return message;
}

std::wstring RunEngine::FailuresText(std::int32_t failures)
{
    return std::to_wstring(failures) +
        (failures == 1 ? L" ontoegankelijk object gevonden" : L" ontoegankelijke objecten gevonden");
}
