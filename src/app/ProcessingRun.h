#pragma once

#include "app/CurrentFolder.h"
#include "app/FolderListing.h"
#include "app/FormVarnookState.h"
#include "app/WindowServices.h"
#include "engine/RunEngine.h"
#include "engine/RunJournal.h"
#include "services/FileNotification.h"
#include "services/FileSystem.h"
#include "settings/Logging.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The Process command: renames the selected items (and, with Subfolders,
// everything below selected folders) to the chosen letter-case style and/or
// gives them the chosen moment, counting, reporting and summing up what
// could not be done. Every entry stands on its own: whatever fails in one,
// its attributes are put back, it counts once, and the run goes on.
//
// A run takes its inputs once, when it starts, so that nothing done in the
// window while it runs changes its result. Before it changes anything it
// writes its journal, from which it can be undone; it stops when it cannot.
class ProcessingRun {
public:
    using WorkItem = RunEngine::WorkItem;

    // Every input of a run, as it was when the run started.
    struct Inputs {
        RunEngine::Job Job;
        bool Log = false;
        std::wstring Folder;
    };

    static constexpr const wchar_t* LogTitle = L"logboekbestand";
    static constexpr const wchar_t* OpenError = L"Fout bij het openen van ";
    static constexpr const wchar_t* JournalError = L"Het journaal om de verwerking ongedaan te kunnen maken kan niet "
                                                   L"worden geschreven, daarom is de verwerking gestopt: ";

    ProcessingRun(FormVarnookState& state, WindowServices& window, FolderListing& listing, FileNotification& watch,
        Logging& log, RunJournal& journal, const CurrentFolder& folder, const RunRules& rules,
        std::function<std::wstring()> explorerFolder);

    // Refused (returns at once) while a run is in progress.
    void Run();
    [[nodiscard]] bool InProgress() const noexcept { return inProgress_; }
    // The run stops after the entry in hand. Stopped by the user it says how
    // far it came; stopped because the session ends, it says nothing.
    void Stop(bool silently) noexcept;

    // What a run would take as its inputs now.
    [[nodiscard]] Inputs TakeInputs();
    // The selected lines, each with what it takes along.
    [[nodiscard]] std::vector<WorkItem> BuildWorkList(const RunEngine& engine, const std::wstring& folder);

    [[nodiscard]] static std::wstring StoppedText(std::int32_t done, std::int32_t total);
    // A box that sums up what failed; with the log open it offers the log
    // and opens it on Yes.
    static void ShowSummary(WindowServices& window, const Logging& log, const std::wstring& summary, bool logOpen);
    // One failure: a line in the open log, or else a box of its own.
    static void ReportFailure(WindowServices& window, Logging& log, const std::wstring& message, bool logOpen);

private:
    enum class Stopping { No, Telling, Silently };

    void Begin();
    void ProcessWorkList();
    void ResetWindow();
    void ShowChanged(const WorkItem& item);
    void RefreshExplorerViews();
    void ReportFailure(const WorkItem& item, bool logOpen);
    void ShowSummary(std::int32_t errors, bool logOpen);
    [[nodiscard]] ListItemState* Line(std::int32_t index);
    [[nodiscard]] std::optional<OleDate> ChosenMoment();

    FormVarnookState& state_;
    WindowServices& window_;
    FolderListing& listing_;
    FileNotification& watch_;
    Logging& log_;
    RunJournal& journal_;
    const CurrentFolder& folder_;
    const RunRules& rules_;
    std::function<std::wstring()> explorerFolder_;
    FileSystem fileSystem_;
    Inputs inputs_;
    std::optional<RunEngine> engine_;
    bool inProgress_ = false;
    Stopping stopping_ = Stopping::No;
};
