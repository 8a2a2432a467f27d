#pragma once

#include "app/CurrentFolder.h"
#include "app/FolderListing.h"
#include "app/FormVarnookState.h"
#include "app/WindowServices.h"
#include "services/FileNotification.h"
#include "services/FileSystem.h"
#include "settings/Logging.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The Process command: renames the selected items (and, with Subfolders,
// everything below selected folders) to the chosen letter-case style and/or
// gives them the chosen moment, counting, reporting and summing up what
// could not be done. Every entry stands on its own: whatever fails in one,
// its attributes are put back, it counts once, and the run goes on.
class ProcessingRun {
public:
    struct WorkItem {
        std::wstring Path;
        std::int32_t ItemIndex;
        bool IsFolder;
        // Where a rename that failed half-way left the item, when it could
        // not be put back under its old name.
        std::wstring StrandedPath;
    };

    static constexpr const wchar_t* LogTitle = L"logboekbestand";
    static constexpr const wchar_t* AccessError = L"Fout bij het verkrijgen van toegang tot ";
    static constexpr const wchar_t* OpenError = L"Fout bij het openen van ";

    ProcessingRun(FormVarnookState& state, WindowServices& window, FolderListing& listing, FileNotification& watch,
        Logging& log, const CurrentFolder& folder, std::function<std::wstring()> explorerFolder);

    // Refused (returns at once) while a run is in progress.
    void Run();
    [[nodiscard]] bool InProgress() const noexcept { return inProgress_; }

    // Children before parents: with Subfolders on, every folder comes after
    // everything below it (its subfolders, then its files, then itself), so
    // renaming inside a folder cannot undo the moment just given to it.
    [[nodiscard]] std::vector<WorkItem> BuildWorkList();

private:
    void Begin();
    void ProcessWorkList();
    void ResetWindow();
    void ShowRenamed(const WorkItem& item);
    void ShowDated(const WorkItem& item);
    void RefreshExplorerViews();
    void AppendContents(const std::wstring& folder, std::vector<WorkItem>& work);
    void AppendFiles(const std::wstring& folder, std::vector<WorkItem>& work);
    [[nodiscard]] bool ProcessEntry(WorkItem& item);
    [[nodiscard]] bool ProcessEntrySafely(WorkItem& item) noexcept;
    [[nodiscard]] bool RenameEntry(WorkItem& item, int style);
    [[nodiscard]] bool DateEntry(const WorkItem& item);
    void ReportFailure(const WorkItem& item, bool logOpen);
    void ShowSummary(std::int32_t errors, bool logOpen);
    [[nodiscard]] ListItemState* Line(std::int32_t index);
    [[nodiscard]] OleDate ChosenMoment();

    FormVarnookState& state_;
    WindowServices& window_;
    FolderListing& listing_;
    FileNotification& watch_;
    Logging& log_;
    const CurrentFolder& folder_;
    std::function<std::wstring()> explorerFolder_;
    FileSystem fileSystem_;
    bool inProgress_ = false;
};
