#include "app/RunUndo.h"

#include "app/ProcessingRun.h"
#include "platform/Interval.h"
#include "platform/PendingMessages.h"

#include <cwchar>
#include <exception>

namespace {

std::wstring NotRestoredText(std::int32_t failures)
{
    return std::to_wstring(failures) + L" objecten niet hersteld";
}

} // namespace

RunUndo::RunUndo(FormVarnookState& state, WindowServices& window, FolderListing& listing, FileNotification& watch,
    Logging& log, RunJournal& journal)
    : state_(state), window_(window), listing_(listing), watch_(watch), log_(log), restore_(journal)
{
}

std::optional<RunUndo::Offer> RunUndo::Latest() const
{
    return restore_.Latest();
}

bool RunUndo::Available() const
{
    return restore_.Available();
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
    Interval pumping(PendingMessages::BusyLoopPeriod);
    bool ending = false;
    const std::int32_t failures = restore_.PutBack(
        run,
        [&] {
            ending = ending || (pumping.Due() && !window_.ProcessPendingMessages());
            return !ending;
        },
        [&](const std::wstring& path) { ReportFailure(path, logOpen); });
    if (logOpen) {
        log_.Destroy();
    }
    if (failures > 0) {
        ProcessingRun::ShowSummary(window_, log_, NotRestoredText(failures), logOpen);
    }
}

void RunUndo::ReportFailure(const std::wstring& path, bool logOpen)
{
    ProcessingRun::ReportFailure(window_, log_, RestoreError + path, logOpen);
}
