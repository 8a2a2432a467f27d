#include "app/ProcessingRun.h"

#include "platform/Interval.h"
#include "platform/PendingMessages.h"
#include "runtime/RuntimeError.h"

#include <algorithm>
#include <exception>

namespace {

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

} // namespace

ProcessingRun::ProcessingRun(FormVarnookState& state, WindowServices& window, FolderListing& listing,
    FileNotification& watch, Logging& log, RunJournal& journal, const CurrentFolder& folder, const RunRules& rules,
    std::function<std::wstring()> explorerFolder)
    : state_(state), window_(window), listing_(listing), watch_(watch), log_(log), journal_(journal), folder_(folder),
      rules_(rules), explorerFolder_(std::move(explorerFolder))
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
    engine_.emplace(inputs_.Job);
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
    RunEngine::Job& job = inputs.Job;
    job.Style = state_.ComboOptionsConversion().ListIndex();
    job.Modified = Checked(state_.CheckOptionsModified());
    job.Moment = job.Modified ? ChosenMoment() : std::nullopt;
    job.Rules = rules_;
    job.Subfolders = Checked(state_.CheckOptionsSubfolders());
    job.IgnoreReadonly = Checked(state_.CheckOptionsIgnorereadonly());
    job.ExcludedAttributes = FolderListing::ExcludedAttributes(state_);
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
    std::vector<WorkItem> work = BuildWorkList(*engine_, inputs_.Folder);
    const auto total = static_cast<std::int32_t>(work.size());

    auto& progress = state_.ProgressBarVarnook();
    progress.SetMin(0);
    progress.SetMax(total);
    progress.SetValue(0);
    if (!engine_->BeginJournal(journal_, work)) {
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
        if (!engine_->Process(item)) {
            ++errors;
            ReportFailure(item, logOpen);
        }
        ShowChanged(item);
        if (ListItemState* line = Line(item.ItemIndex)) {
            line->SetSelected(false);
        }
        progress.SetValue(progress.Value() + 1);
        if (!engine_->RecordDone(journal_, done++, item)) {
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

void ProcessingRun::RefreshExplorerViews()
{
    const std::wstring& folder = folder_.Path();
    if (!folder.empty() && folder == explorerFolder_()) {
        window_.NotifyAssociationChanged();
        window_.SetFocus();
    }
}

std::vector<ProcessingRun::WorkItem> ProcessingRun::BuildWorkList(const RunEngine& engine, const std::wstring& folder)
{
    std::vector<WorkItem> work;
    const std::wstring prefix = fileSystem_.AddFolderBackslash(folder);
    auto& items = state_.ListViewFolderItems().ListItems();
    for (std::int32_t index = 0; index < items.Count(); ++index) {
        const ListItemState* line = items.Item(index);
        if (line->Selected()) {
            engine.Append(prefix + line->Row().Name, line->Row().IsFolder, index, work);
        }
    }
    return work;
}

// A line shows its item's new name and moment; one left under a temporary
// name keeps its line as it was.
void ProcessingRun::ShowChanged(const WorkItem& item)
{
    ListItemState* line = Line(item.ItemIndex);
    if (line == nullptr || !item.Changed || !item.StrandedPath.empty()) {
        return;
    }
    FolderRow row = line->Row();
    row.Name = fileSystem_.ExtractFileTitle(item.Path);
    if (inputs_.Job.Modified) {
        row.Modified = fileSystem_.GetModifiedMoment(item.Path);
    }
    line->SetRow(std::move(row));
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
    ReportFailure(window_, log_, RunEngine::FailureText(item), logOpen);
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
        ShowSummary(window_, log_, RunEngine::FailuresText(errors), logOpen);
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
