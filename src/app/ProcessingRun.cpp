#include "app/ProcessingRun.h"

#include "app/LetterCase.h"
#include "platform/Interval.h"
#include "platform/PendingMessages.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <exception>

namespace {

constexpr std::int32_t ReadOnly = FILE_ATTRIBUTE_READONLY;

bool Checked(CheckBoxState& box)
{
    return box.Value() == 1;
}

// Tenths of a second with the user's decimal separator: "1,2".
std::wstring SecondsText(ULONGLONG milliseconds)
{
    wchar_t separator[8] = L",";
    ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    const ULONGLONG tenths = (milliseconds + 50) / 100;
    return std::to_wstring(tenths / 10) + separator + std::to_wstring(tenths % 10);
}

// The status line of a run: how far it is while it goes on, at most every
// tenth of a second (a label's text is a round trip to the platform), and
// how much it did in how long once it has ended.
class StatusLine {
public:
    StatusLine(LabelState& label, std::int32_t total) : label_(label), total_(total), started_(::GetTickCount64())
    {
        Step(0);
    }

    void Step(std::int32_t done)
    {
        if (showing_.Due()) {
            label_.SetCaption(std::to_wstring(done) + L" van " + std::to_wstring(total_) + L" objecten");
        }
    }

    void Finish(std::int32_t done)
    {
        label_.SetCaption(
            std::to_wstring(done) + L" objecten verwerkt in " + SecondsText(::GetTickCount64() - started_) + L" s");
    }

private:
    LabelState& label_;
    std::int32_t total_;
    ULONGLONG started_;
    Interval showing_{100};
};

std::wstring SummaryText(std::int32_t errors)
{
    return std::to_wstring(errors) +
        (errors == 1 ? L" ontoegankelijk object gevonden" : L" ontoegankelijke objecten gevonden");
}

} // namespace

ProcessingRun::ProcessingRun(FormVarnookState& state, WindowServices& window, FolderListing& listing,
    FileNotification& watch, Logging& log, RunJournal& journal, const CurrentFolder& folder,
    std::function<std::wstring()> explorerFolder)
    : state_(state), window_(window), listing_(listing), watch_(watch), log_(log), journal_(journal), folder_(folder),
      explorerFolder_(std::move(explorerFolder))
{
}

// Nothing that can fail runs in a destructor here: the run's end and the
// re-listing asked for during it come after its body, so a failure in either
// reaches the caller like any other failure of a handler.
void ProcessingRun::Run()
{
    if (inProgress_) {
        return;
    }
    std::exception_ptr failure;
    {
        const BusyPointer busy(window_);
        try {
            Begin();
            ProcessWorkList();
        } catch (...) {
            failure = std::current_exception();
        }
        inProgress_ = false;
        listing_.SetRunInProgress(false);
        try {
            ResetWindow();
            listing_.FillDeferred();
        } catch (...) {
            // One failure per run is reported: the first.
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void ProcessingRun::Begin()
{
    inProgress_ = true;
    stopping_ = Stopping::No;
    listing_.SetRunInProgress(true);
    inputs_ = TakeInputs();
}

void ProcessingRun::Stop(bool silently) noexcept
{
    if (inProgress_ && stopping_ != Stopping::Silently) {
        stopping_ = silently ? Stopping::Silently : Stopping::Telling;
    }
}

ProcessingRun::Inputs ProcessingRun::TakeInputs()
{
    Inputs inputs;
    inputs.Style = state_.ComboOptionsConversion().ListIndex();
    inputs.Modified = Checked(state_.CheckOptionsModified());
    inputs.Moment = inputs.Modified ? ChosenMoment() : std::nullopt;
    inputs.Subfolders = Checked(state_.CheckOptionsSubfolders());
    inputs.IgnoreReadonly = Checked(state_.CheckOptionsIgnorereadonly());
    inputs.ExcludedAttributes = FolderListing::ExcludedAttributes(state_);
    inputs.Log = Checked(state_.CheckOptionsLog());
    inputs.Folder = folder_.Path();
    return inputs;
}

std::wstring ProcessingRun::StoppedText(std::int32_t done, std::int32_t total)
{
    return L"Verwerking gestopt na " + std::to_wstring(done) + L" van " + std::to_wstring(total) + L" objecten.";
}

void ProcessingRun::ResetWindow()
{
    state_.CommandProcess().SetEnabled(false);
    state_.ProgressBarVarnook().SetValue(0);
}

void ProcessingRun::ProcessWorkList()
{
    watch_.Destroy();
    RefreshExplorerViews();
    std::vector<WorkItem> work = BuildWorkList(inputs_);
    const auto total = static_cast<std::int32_t>(work.size());

    auto& progress = state_.ProgressBarVarnook();
    progress.SetMin(0);
    progress.SetMax(total);
    progress.SetValue(0);
    if (!WriteJournal(work)) {
        window_.ShowWarning(JournalError + journal_.FileName(), MessageBoxButtons::Ok);
        return;
    }

    StatusLine status(state_.LabelStatus(), total);
    // A run either logs all its failures or shows all of them.
    const bool logOpen = inputs_.Log && log_.Create(LogTitle, L"\r\n");
    std::int32_t errors = 0;
    std::int32_t done = 0;
    bool ending = false;
    bool journalFailed = false;
    Interval pumping(PendingMessages::BusyLoopPeriod);
    for (auto& item : work) {
        if (pumping.Due() && !window_.ProcessPendingMessages()) {
            ending = true;
            break;
        }
        if (stopping_ != Stopping::No) {
            break;
        }
        if (!ProcessEntrySafely(item)) {
            ++errors;
            ReportFailure(item, logOpen);
        }
        if (ListItemState* line = Line(item.ItemIndex)) {
            line->SetSelected(false);
        }
        progress.SetValue(progress.Value() + 1);
        if (!RecordDone(done++, item)) {
            journalFailed = true;
            break;
        }
        status.Step(done);
    }
    journal_.End();
    status.Finish(done);
    if (logOpen) {
        log_.Destroy();
    }
    if (ending || stopping_ == Stopping::Silently) {
        return;
    }
    if (journalFailed) {
        window_.ShowWarning(JournalError + journal_.FileName(), MessageBoxButtons::Ok);
    } else if (stopping_ == Stopping::Telling) {
        window_.ShowWarning(StoppedText(done, total), MessageBoxButtons::Ok);
    }
    ShowSummary(errors, logOpen);
}

// A run that can change nothing (no style that renames, no moment) needs no
// journal.
bool ProcessingRun::WriteJournal(const std::vector<WorkItem>& work)
{
    if (!LetterCase::Renames(inputs_.Style) && !inputs_.Modified) {
        return true;
    }
    std::vector<RunJournal::Entry> entries;
    entries.reserve(work.size());
    for (const WorkItem& item : work) {
        RunJournal::Entry entry;
        entry.Path = item.Path;
        entry.NewPath = NewPath(item.Path);
        entry.Before = fileSystem_.GetItemStamp(item.Path).value_or(FileSystem::ItemStamp{});
        entries.push_back(std::move(entry));
    }
    SYSTEMTIME started{};
    ::GetLocalTime(&started);
    return journal_.Begin(started, entries);
}

bool ProcessingRun::RecordDone(std::int32_t index, const WorkItem& item)
{
    if (!item.Changed) {
        return true;
    }
    const std::wstring& where = item.StrandedPath.empty() ? item.Path : item.StrandedPath;
    const auto stamp = fileSystem_.GetItemStamp(where);
    return journal_.Done(index, where, stamp ? stamp->Written : FILETIME{});
}

std::wstring ProcessingRun::NewPath(const std::wstring& path) const
{
    if (!LetterCase::Renames(inputs_.Style)) {
        return path;
    }
    const size_t nameStart = path.find_last_of(L'\\') + 1;
    return path.substr(0, nameStart) + LetterCase::Convert(path.substr(nameStart), inputs_.Style);
}

void ProcessingRun::RefreshExplorerViews()
{
    const std::wstring& folder = folder_.Path();
    if (!folder.empty() && folder == explorerFolder_()) {
        window_.NotifyAssociationChanged();
        window_.SetFocus();
    }
}

std::vector<ProcessingRun::WorkItem> ProcessingRun::BuildWorkList(const Inputs& inputs)
{
    std::vector<WorkItem> work;
    auto& items = state_.ListViewFolderItems().ListItems();
    for (std::int32_t index = 0; index < items.Count(); ++index) {
        const ListItemState* line = items.Item(index);
        if (!line->Selected()) {
            continue;
        }
        const FolderRow& row = line->Row();
        const std::wstring path = fileSystem_.AddFolderBackslash(inputs.Folder) + row.Name;
        if (row.IsFolder && inputs.Subfolders) {
            AppendContents(path, inputs.ExcludedAttributes, work);
        }
        work.push_back({path, index, row.IsFolder});
    }
    return work;
}

void ProcessingRun::AppendContents(const std::wstring& folder, std::int32_t excluded, std::vector<WorkItem>& work)
{
    // A pre-order list read backwards puts every folder after all folders
    // below it; each folder's files then come right before the folder.
    std::int32_t count = 0;
    std::vector<std::wstring> folders;
    fileSystem_.EnumerateRecursiveFolders(folder, excluded, count, folders);
    for (auto below = folders.rbegin(); below != folders.rend(); ++below) {
        AppendFiles(*below, excluded, work);
        work.push_back({*below, -1, true});
    }
    AppendFiles(folder, excluded, work);
}

void ProcessingRun::AppendFiles(const std::wstring& folder, std::int32_t excluded, std::vector<WorkItem>& work)
{
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fileSystem_.EnumerateFiles(folder, excluded, count, files, L"*");
    for (auto& file : files) {
        work.push_back({std::move(file), -1, false});
    }
}

bool ProcessingRun::ProcessEntrySafely(WorkItem& item) noexcept
{
    try {
        return ProcessEntry(item);
    } catch (...) {
        return false;
    }
}

// False when any step the entry was asked for failed: a failed rename is
// not made good by a date change that worked. The date step is still tried.
bool ProcessingRun::ProcessEntry(WorkItem& item)
{
    bool success = true;
    if (LetterCase::Renames(inputs_.Style) && !RenameEntry(item)) {
        success = false;
    }
    if (inputs_.Modified && !DateEntry(item)) {
        success = false;
    }
    return success;
}

bool ProcessingRun::RenameEntry(WorkItem& item)
{
    const std::wstring newPath = NewPath(item.Path);
    std::wstring currentPath;
    if (!fileSystem_.RenameItem(item.Path, newPath, currentPath)) {
        if (currentPath != item.Path) {
            item.StrandedPath = currentPath;
            item.Changed = true;
        }
        return false;
    }
    item.Changed = item.Changed || newPath != item.Path;
    item.Path = newPath;
    ShowRenamed(item);
    return true;
}

bool ProcessingRun::DateEntry(WorkItem& item)
{
    if (!inputs_.Moment) {
        return false;
    }
    const Variant moment(*inputs_.Moment);
    const std::int32_t attributes = fileSystem_.GetFileAttributes(item.Path);
    if (attributes == -1 || ((attributes & ReadOnly) != 0 && !inputs_.IgnoreReadonly)) {
        return false;
    }
    // Only read-only keeps the times from being written. A read-only item's
    // attributes are cleared for the write and put back whatever happens:
    // by hand, because restoring can fail too and no destructor may. Other
    // items keep theirs untouched, which spares a run four file operations
    // an entry.
    const bool cleared = (attributes & ReadOnly) != 0;
    const auto restore = [&] {
        if (cleared) {
            fileSystem_.SetFileAttributes(item.Path, attributes);
        }
    };
    if (cleared) {
        fileSystem_.SetFileAttributes(item.Path, 0);
    }
    bool dated = false;
    try {
        dated = item.IsFolder ? fileSystem_.SetFolderDateTime(item.Path, moment)
                              : fileSystem_.SetFileDateTime(item.Path, moment);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    if (dated) {
        item.Changed = true;
        ShowDated(item);
    }
    return dated;
}

void ProcessingRun::ShowRenamed(const WorkItem& item)
{
    if (ListItemState* line = Line(item.ItemIndex)) {
        FolderRow row = line->Row();
        row.Name = fileSystem_.ExtractFileTitle(item.Path);
        line->SetRow(std::move(row));
    }
}

void ProcessingRun::ShowDated(const WorkItem& item)
{
    if (ListItemState* line = Line(item.ItemIndex)) {
        FolderRow row = line->Row();
        row.Modified = fileSystem_.GetModifiedMoment(item.Path);
        line->SetRow(std::move(row));
    }
}

// The date picker's calendar date with the time picker's time of day, as a
// date value: no text round trip can change the century.
std::optional<OleDate> ProcessingRun::ChosenMoment()
{
    try {
        const OleDate date = state_.DateTimePickerModifiedDate().Value().ToDate();
        return date.WithTimeOf(state_.DateTimePickerModifiedTime().Value().ToDate());
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

void ProcessingRun::ReportFailure(const WorkItem& item, bool logOpen)
{
    std::wstring message = AccessError + item.Path;
    if (!item.StrandedPath.empty()) {
        // The user must be able to find the item again.
        message += L", dat nu " + item.StrandedPath + L" heet";
    }
    ReportFailure(window_, log_, message, logOpen);
}

void ProcessingRun::ReportFailure(WindowServices& window, Logging& log, const std::wstring& message, bool logOpen)
{
    if (logOpen) {
        log.WriteLine(L"", message);
    } else {
        window.ShowWarning(message, MessageBoxButtons::Ok);
    }
}

void ProcessingRun::ShowSummary(std::int32_t errors, bool logOpen)
{
    if (errors > 0) {
        ShowSummary(window_, log_, SummaryText(errors), logOpen);
    }
}

void ProcessingRun::ShowSummary(WindowServices& window, const Logging& log, const std::wstring& summary, bool logOpen)
{
    if (!logOpen) {
        window.ShowWarning(summary, MessageBoxButtons::Ok);
        return;
    }
    if (window.ShowWarning(summary + L", logboek bekijken?", MessageBoxButtons::YesNo) == MessageBoxChoice::Yes &&
        !window.OpenDocument(log.FileName(), L"")) {
        window.ShowWarning(OpenError + log.FileName(), MessageBoxButtons::Ok);
    }
}

ListItemState* ProcessingRun::Line(std::int32_t index)
{
    return index >= 0 ? state_.ListViewFolderItems().ListItems().Item(index) : nullptr;
}
