#pragma once

#include "app/FolderListing.h"
#include "app/FormVarnookState.h"
#include "app/WindowServices.h"
#include "services/FileNotification.h"
#include "services/FileSystem.h"
#include "settings/Logging.h"
#include "settings/RunJournal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Puts back what the newest run still on record changed: the names first,
// in the reverse order of the run, then all three times and the attributes,
// every folder after everything inside it, so that a folder's own moment is
// the last thing written into it. An entry that someone changed since (its
// new path is gone, or its last-write time is no longer the one the run
// gave it) is left alone and counted. Once undone, a run is off the record;
// the next undo puts back the run before it.
class RunUndo {
public:
    static constexpr const wchar_t* RestoreError = L"Fout bij het herstellen van ";

    // The run an undo would put back.
    struct Offer {
        std::wstring Journal;
        SYSTEMTIME Started{};
        std::int32_t Count = 0;
    };

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
    // The entries that have their names back, last entry of the run first.
    [[nodiscard]] std::vector<const RunJournal::Entry*> PutNamesBack(
        const RunJournal::Run& run, bool logOpen, std::int32_t& failures);
    [[nodiscard]] bool IsAsTheRunLeftIt(const RunJournal::Entry& entry) const;
    [[nodiscard]] bool PutStampBack(const RunJournal::Entry& entry) const;
    void ReportFailure(const std::wstring& path, bool logOpen);

    FormVarnookState& state_;
    WindowServices& window_;
    FolderListing& listing_;
    FileNotification& watch_;
    Logging& log_;
    RunJournal& journal_;
    FileSystem fileSystem_;
    bool inProgress_ = false;
};
