#pragma once

#include "app/FolderListing.h"
#include "app/FormVarnookState.h"
#include "app/WindowServices.h"
#include "engine/RunJournal.h"
#include "engine/RunRestore.h"
#include "services/FileNotification.h"
#include "settings/Logging.h"

#include <cstdint>
#include <optional>
#include <string>

// The window's undo of the newest run still on record: it asks the user,
// keeps the window responsive and reports what it could not put back.
class RunUndo {
public:
    static constexpr const wchar_t* RestoreError = RunRestore::RestoreError;

    using Offer = RunRestore::Offer;

    RunUndo(FormVarnookState& state, WindowServices& window, FolderListing& listing, FileNotification& watch,
        Logging& log, RunJournal& journal);

    [[nodiscard]] std::optional<Offer> Latest() const;
    // Whether there is a run to put back, told quicker than by Latest.
    [[nodiscard]] bool Available() const;
    // Asks the user about the newest run on record and, on Yes, puts it
    // back; nothing without one, and refused while an undo is in progress.
    void Run();
    [[nodiscard]] bool InProgress() const noexcept { return inProgress_; }

    [[nodiscard]] static std::wstring Question(const Offer& offer);

private:
    void Undo(const RunJournal::Run& run);
    void ReportFailure(const std::wstring& path, bool logOpen);

    FormVarnookState& state_;
    WindowServices& window_;
    FolderListing& listing_;
    FileNotification& watch_;
    Logging& log_;
    RunRestore restore_;
    bool inProgress_ = false;
};
