#include "app/RunUndo.h"

#include "app/ProcessingRun.h"
#include "platform/Interval.h"
#include "platform/PendingMessages.h"

#include <algorithm>
#include <cwchar>
#include <exception>

namespace {

// The attributes a program can give an item; the rest (folder, link, ...)
// the item has by what it is.
constexpr DWORD SettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool SameTime(const FILETIME& a, const FILETIME& b)
{
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

std::wstring NotRestoredText(std::int32_t failures)
{
    return std::to_wstring(failures) + L" objecten niet hersteld";
}

} // namespace

RunUndo::RunUndo(FormVarnookState& state, WindowServices& window, FolderListing& listing, FileNotification& watch,
    Logging& log, RunJournal& journal)
    : state_(state), window_(window), listing_(listing), watch_(watch), log_(log), journal_(journal)
{
}

std::optional<RunUndo::Offer> RunUndo::Latest() const
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

bool RunUndo::Available() const
{
    const std::vector<std::wstring> journals = journal_.UndoableJournals();
    return std::any_of(journals.begin(), journals.end(), &RunJournal::HasDoneEntries);
}

std::wstring RunUndo::Question(const Offer& offer)
{
    const SYSTEMTIME& at = offer.Started;
    wchar_t moment[32];
    std::swprintf(
        moment, 32, L"%u-%u-%04u %02u:%02u:%02u", at.wDay, at.wMonth, at.wYear, at.wHour, at.wMinute, at.wSecond);
    return L"De laatste verwerking van " + std::wstring(moment) + L" (" + std::to_wstring(offer.Count) +
        L" objecten) ongedaan maken?";
}

void RunUndo::Run()
{
    if (inProgress_) {
        return;
    }
    const auto offer = Latest();
    if (!offer || window_.ShowWarning(Question(*offer), MessageBoxButtons::YesNo) != MessageBoxChoice::Yes) {
        return;
    }
    const auto run = RunJournal::Read(offer->Journal);
    if (!run) {
        return;
    }
    const BusyPointer busy(window_);
    inProgress_ = true;
    listing_.SetRunInProgress(true);
    std::exception_ptr failure;
    try {
        Undo(*run);
    } catch (...) {
        failure = std::current_exception();
    }
    inProgress_ = false;
    listing_.SetRunInProgress(false);
    listing_.FillFolderList();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

// The watch ends so that the undo's own changes cause no listing; the
// folder is listed once, when the undo has ended.
void RunUndo::Undo(const RunJournal::Run& run)
{
    watch_.Destroy();
    const bool logOpen = state_.CheckOptionsLog().Value() == 1 && log_.Create(ProcessingRun::LogTitle, L"\r\n");
    std::int32_t failures = 0;
    const std::vector<const RunJournal::Entry*> restoring = PutNamesBack(run, logOpen, failures);
    Interval pumping(PendingMessages::BusyLoopPeriod);
    for (auto entry = restoring.rbegin(); entry != restoring.rend(); ++entry) {
        if (pumping.Due() && !window_.ProcessPendingMessages()) {
            break;
        }
        if (!PutStampBack(**entry)) {
            ++failures;
            ReportFailure((*entry)->Path, logOpen);
        }
    }
    if (logOpen) {
        log_.Destroy();
    }
    RunJournal::MarkUndone(run.File);
    if (failures > 0) {
        ProcessingRun::ShowSummary(window_, log_, NotRestoredText(failures), logOpen);
    }
}

// Last entry first: a folder gets its name back before the entries inside
// it, which the run changed while the folder still had its old name.
std::vector<const RunJournal::Entry*> RunUndo::PutNamesBack(
    const RunJournal::Run& run, bool logOpen, std::int32_t& failures)
{
    std::vector<const RunJournal::Entry*> restoring;
    Interval pumping(PendingMessages::BusyLoopPeriod);
    for (auto entry = run.Entries.rbegin(); entry != run.Entries.rend(); ++entry) {
        if (!entry->Done) {
            continue;
        }
        if (pumping.Due() && !window_.ProcessPendingMessages()) {
            break;
        }
        const bool renamed = entry->CurrentPath != entry->Path;
        std::wstring where;
        if (!IsAsTheRunLeftIt(*entry) || (renamed && !fileSystem_.RenameItem(entry->CurrentPath, entry->Path, where))) {
            ++failures;
            ReportFailure(entry->CurrentPath, logOpen);
            continue;
        }
        restoring.push_back(&*entry);
    }
    return restoring;
}

bool RunUndo::IsAsTheRunLeftIt(const RunJournal::Entry& entry) const
{
    const auto now = fileSystem_.GetItemStamp(entry.CurrentPath);
    return now && SameTime(now->Written, entry.WrittenAfter);
}

// Times cannot be written into a read-only item: its attributes go first
// and come back with the item's own from before the run.
bool RunUndo::PutStampBack(const RunJournal::Entry& entry) const
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

void RunUndo::ReportFailure(const std::wstring& path, bool logOpen)
{
    ProcessingRun::ReportFailure(window_, log_, RestoreError + path, logOpen);
}
