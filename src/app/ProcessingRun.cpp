#include "app/ProcessingRun.h"

#include "app/LetterCase.h"

#include <algorithm>
#include <exception>

namespace {

constexpr std::int32_t ReadOnly = FILE_ATTRIBUTE_READONLY;

bool Checked(CheckBoxState& box)
{
    return box.Value() == 1;
}

std::wstring SummaryText(std::int32_t errors)
{
    return std::to_wstring(errors) +
        (errors == 1 ? L" ontoegankelijk object gevonden" : L" ontoegankelijke objecten gevonden");
}

} // namespace

ProcessingRun::ProcessingRun(FormVarnookState& state, WindowServices& window, FolderListing& listing,
    FileNotification& watch, Logging& log, const CurrentFolder& folder, std::function<std::wstring()> explorerFolder)
    : state_(state), window_(window), listing_(listing), watch_(watch), log_(log), folder_(folder),
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
    listing_.SetRunInProgress(true);
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
    std::vector<WorkItem> work = BuildWorkList();

    auto& progress = state_.ProgressBarVarnook();
    progress.SetMin(0);
    progress.SetMax(static_cast<std::int32_t>(work.size()));
    progress.SetValue(0);

    // Read once: a run either logs all its failures or shows all of them.
    const bool logOpen = Checked(state_.CheckOptionsLog()) && log_.Create(LogTitle, L"\r\n");
    std::int32_t errors = 0;
    bool ending = false;
    for (auto& item : work) {
        if (!window_.ProcessPendingMessages()) {
            ending = true;
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
    }
    if (logOpen) {
        log_.Destroy();
    }
    if (!ending) {
        ShowSummary(errors, logOpen);
    }
}

void ProcessingRun::RefreshExplorerViews()
{
    const std::wstring& folder = folder_.Path();
    if (!folder.empty() && folder == explorerFolder_()) {
        window_.NotifyAssociationChanged();
        window_.SetFocus();
    }
}

std::vector<ProcessingRun::WorkItem> ProcessingRun::BuildWorkList()
{
    std::vector<WorkItem> work;
    auto& items = state_.ListViewFolderItems().ListItems();
    for (std::int32_t index = 0; index < items.Count(); ++index) {
        const ListItemState* line = items.Item(index);
        if (!line->Selected()) {
            continue;
        }
        const FolderRow& row = line->Row();
        const std::wstring path = folder_.PathOf(row);
        if (row.IsFolder && Checked(state_.CheckOptionsSubfolders())) {
            AppendContents(path, work);
        }
        work.push_back({path, index, row.IsFolder});
    }
    return work;
}

void ProcessingRun::AppendContents(const std::wstring& folder, std::vector<WorkItem>& work)
{
    // A pre-order list read backwards puts every folder after all folders
    // below it; each folder's files then come right before the folder.
    std::int32_t count = 0;
    std::vector<std::wstring> folders;
    fileSystem_.EnumerateRecursiveFolders(folder, FolderListing::ExcludedAttributes(state_), count, folders);
    for (auto below = folders.rbegin(); below != folders.rend(); ++below) {
        AppendFiles(*below, work);
        work.push_back({*below, -1, true});
    }
    AppendFiles(folder, work);
}

void ProcessingRun::AppendFiles(const std::wstring& folder, std::vector<WorkItem>& work)
{
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fileSystem_.EnumerateFiles(folder, FolderListing::ExcludedAttributes(state_), count, files, L"*");
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
    const int style = state_.ComboOptionsConversion().ListIndex();
    if (LetterCase::Renames(style) && !RenameEntry(item, style)) {
        success = false;
    }
    if (Checked(state_.CheckOptionsModified()) && !DateEntry(item)) {
        success = false;
    }
    return success;
}

bool ProcessingRun::RenameEntry(WorkItem& item, int style)
{
    const size_t nameStart = item.Path.find_last_of(L'\\') + 1;
    const std::wstring newPath =
        item.Path.substr(0, nameStart) + LetterCase::Convert(item.Path.substr(nameStart), style);
    std::wstring currentPath;
    if (!fileSystem_.RenameItem(item.Path, newPath, currentPath)) {
        if (currentPath != item.Path) {
            item.StrandedPath = currentPath;
        }
        return false;
    }
    item.Path = newPath;
    ShowRenamed(item);
    return true;
}

bool ProcessingRun::DateEntry(const WorkItem& item)
{
    const Variant moment(ChosenMoment());
    const std::int32_t attributes = fileSystem_.GetFileAttributes(item.Path);
    if (attributes == -1 || ((attributes & ReadOnly) != 0 && !Checked(state_.CheckOptionsIgnorereadonly()))) {
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
OleDate ProcessingRun::ChosenMoment()
{
    const OleDate date = state_.DateTimePickerModifiedDate().Value().ToDate();
    return date.WithTimeOf(state_.DateTimePickerModifiedTime().Value().ToDate());
}

void ProcessingRun::ReportFailure(const WorkItem& item, bool logOpen)
{
    std::wstring message = AccessError + item.Path;
    if (!item.StrandedPath.empty()) {
        // The user must be able to find the item again.
        message += L", dat nu " + item.StrandedPath + L" heet";
    }
    if (logOpen) {
        log_.WriteLine(L"", message);
    } else {
        window_.ShowWarning(message, MessageBoxButtons::Ok);
    }
}

void ProcessingRun::ShowSummary(std::int32_t errors, bool logOpen)
{
    if (errors <= 0) {
        return;
    }
    if (!logOpen) {
        window_.ShowWarning(SummaryText(errors), MessageBoxButtons::Ok);
        return;
    }
    if (window_.ShowWarning(SummaryText(errors) + L", logboek bekijken?", MessageBoxButtons::YesNo) ==
            MessageBoxChoice::Yes &&
        !window_.OpenDocument(log_.FileName(), L"")) {
        window_.ShowWarning(OpenError + log_.FileName(), MessageBoxButtons::Ok);
    }
}

ListItemState* ProcessingRun::Line(std::int32_t index)
{
    return index >= 0 ? state_.ListViewFolderItems().ListItems().Item(index) : nullptr;
}
