#pragma once

#include "app/CurrentFolder.h"
#include "app/FolderListing.h"
#include "app/FormVarnookState.h"
#include "app/WindowServices.h"
#include "services/FileNotification.h"
#include "services/FileSystem.h"
#include "settings/Logging.h"
#include "settings/RunJournal.h"

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
    struct WorkItem {
        std::wstring Path;
        std::int32_t ItemIndex;
        bool IsFolder;
        // Where a rename that failed half-way left the item, when it could
        // not be put back under its old name.
        std::wstring StrandedPath;
        // Whether the entry now differs from how it was.
        bool Changed = false;
    };

    // Every input of a run, as it was when the run started.
    struct Inputs {
        int Style = 0;
        bool Modified = false;
        // None when the pickers held no date: every date step then fails.
        std::optional<OleDate> Moment;
        bool Subfolders = false;
        bool IgnoreReadonly = false;
        std::int32_t ExcludedAttributes = 0;
        bool Log = false;
        std::wstring Folder;
    };

    static constexpr const wchar_t* LogTitle = L"logboekbestand";
    static constexpr const wchar_t* AccessError = L"Fout bij het verkrijgen van toegang tot ";
    static constexpr const wchar_t* OpenError = L"Fout bij het openen van ";
    static constexpr const wchar_t* JournalError = L"Het journaal om de verwerking ongedaan te kunnen maken kan niet "
                                                   L"worden geschreven, daarom is de verwerking gestopt: ";

    ProcessingRun(FormVarnookState& state, WindowServices& window, FolderListing& listing, FileNotification& watch,
        Logging& log, RunJournal& journal, const CurrentFolder& folder, std::function<std::wstring()> explorerFolder);

    // Refused (returns at once) while a run is in progress.
    void Run();
    [[nodiscard]] bool InProgress() const noexcept { return inProgress_; }
    // The run stops after the entry in hand. Stopped by the user it says how
    // far it came; stopped because the session ends, it says nothing.
    void Stop(bool silently) noexcept;

    // What a run would take as its inputs now.
    [[nodiscard]] Inputs TakeInputs();
    // Children before parents: with Subfolders on, every folder comes after
    // everything below it (its subfolders, then its files, then itself), so
    // renaming inside a folder cannot undo the moment just given to it.
    [[nodiscard]] std::vector<WorkItem> BuildWorkList(const Inputs& inputs);

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
    [[nodiscard]] bool WriteJournal(const std::vector<WorkItem>& work);
    [[nodiscard]] bool RecordDone(std::int32_t index, const WorkItem& item);
    [[nodiscard]] std::wstring NewPath(const std::wstring& path) const;
    void ResetWindow();
    void ShowRenamed(const WorkItem& item);
    void ShowDated(const WorkItem& item);
    void RefreshExplorerViews();
    void AppendContents(const std::wstring& folder, std::int32_t excluded, std::vector<WorkItem>& work);
    void AppendFiles(const std::wstring& folder, std::int32_t excluded, std::vector<WorkItem>& work);
    [[nodiscard]] bool ProcessEntry(WorkItem& item);
    [[nodiscard]] bool ProcessEntrySafely(WorkItem& item) noexcept;
    [[nodiscard]] bool RenameEntry(WorkItem& item);
    [[nodiscard]] bool DateEntry(WorkItem& item);
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
    std::function<std::wstring()> explorerFolder_;
    FileSystem fileSystem_;
    Inputs inputs_;
    bool inProgress_ = false;
    Stopping stopping_ = Stopping::No;
};
