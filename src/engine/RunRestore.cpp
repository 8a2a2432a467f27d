#include "engine/RunRestore.h"

#include <algorithm>

namespace {

// The attributes a program can give an item; the rest (folder, link, ...)
// the item has by what it is.
constexpr DWORD SettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

} // namespace

RunRestore::RunRestore(const RunJournal& journal) : journal_(journal)
{
}

std::optional<RunRestore::Offer> RunRestore::Latest() const
{
    for (const std::wstring& file : journal_.UndoableJournals()) {
        const auto run = RunJournal::Read(file);
        if (!run) {
            continue;
        }
        std::int32_t count = 0;
        for (const RunJournal::Entry& entry : run->Entries) {
            count += entry.Done ? 1 : 0;
        }
        if (count > 0) {
            return Offer{file, run->Started, count};
        }
    }
    return std::nullopt;
}

bool RunRestore::Available() const
{
    const std::vector<std::wstring> journals = journal_.UndoableJournals();
    return std::any_of(journals.begin(), journals.end(), &RunJournal::HasDoneEntries);
}

std::int32_t RunRestore::PutBack(const RunJournal::Run& run, const KeepGoing& keepGoing, const Failed& failed) const
{
    std::int32_t failures = 0;
    const std::vector<const RunJournal::Entry*> restoring = PutNamesBack(run, keepGoing, failed, failures);
    for (auto entry = restoring.rbegin(); entry != restoring.rend(); ++entry) {
        if (!keepGoing()) {
            break;
        }
        if (!PutStampBack(**entry)) {
            ++failures;
            failed((*entry)->Path);
        }
    }
    RunJournal::MarkUndone(run.File);
    return failures;
}

// Last entry first: a folder gets its name back before the entries inside
// it, which the run changed while the folder still had its old name.
std::vector<const RunJournal::Entry*> RunRestore::PutNamesBack(
    const RunJournal::Run& run, const KeepGoing& keepGoing, const Failed& failed, std::int32_t& failures) const
{
    std::vector<const RunJournal::Entry*> restoring;
    for (auto entry = run.Entries.rbegin(); entry != run.Entries.rend(); ++entry) {
        if (!entry->Done) {
            continue;
        }
        if (!keepGoing()) {
            break;
        }
        const bool renamed = entry->CurrentPath != entry->Path;
        std::wstring where;
        if (!IsAsTheRunLeftIt(*entry) || (renamed && !fileSystem_.RenameItem(entry->CurrentPath, entry->Path, where))) {
            ++failures;
            failed(entry->CurrentPath);
            continue;
        }
        restoring.push_back(&*entry);
    }
    return restoring;
}

bool RunRestore::IsAsTheRunLeftIt(const RunJournal::Entry& entry) const
{
    const auto now = fileSystem_.GetItemStamp(entry.CurrentPath);
    return now && SameTime(now->Written, entry.WrittenAfter);
}

// Times cannot be written into a read-only item: its attributes go first
// and come back with the item's own from before the run.
bool RunRestore::PutStampBack(const RunJournal::Entry& entry) const
{
    const std::int32_t current = fileSystem_.GetFileAttributes(entry.Path);
    if (current == -1) {
        return false;
    }
    if ((current & FILE_ATTRIBUTE_READONLY) != 0) {
        fileSystem_.SetFileAttributes(
            entry.Path, current & ~FILE_ATTRIBUTE_READONLY & static_cast<std::int32_t>(SettableAttributes));
    }
    const bool dated = fileSystem_.SetItemTimes(entry.Path, entry.Before);
    fileSystem_.SetFileAttributes(entry.Path, static_cast<std::int32_t>(entry.Before.Attributes & SettableAttributes));
    const auto now = fileSystem_.GetItemStamp(entry.Path);
    return dated && now && SameTime(now->Written, entry.Before.Written);
}
