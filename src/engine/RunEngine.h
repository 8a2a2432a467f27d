#pragma once

#include "engine/NameRule.h"
#include "engine/PhotoMoment.h"
#include "engine/RunJournal.h"
#include "engine/RunRules.h"
#include "runtime/OleDate.h"
#include "services/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a run does to its entries, for the window and the command line
// alike: which entries a run takes, the name and the times each one gets,
// and the change itself. Every entry stands on its own: whatever fails in
// one, its attributes are put back and the next one is tried.
class RunEngine {
public:
    // Why an entry failed; each reason has its own message.
    enum class Failure : std::uint8_t { None, Access, NoPhotoDate, NoNameDate };

    struct WorkItem {
        std::wstring Path;
        std::int32_t ItemIndex;
        bool IsFolder;
        // Where a rename that failed half-way left the item, when it could
        // not be put back under its old name.
        std::wstring StrandedPath;
        // Whether the entry now differs from how it was.
        bool Changed = false;
        Failure Failed = Failure::None;
        // The moment the entry got (or would get): its last-write time when
        // the run writes it, else its creation or last-access time.
        std::optional<FILETIME> NewMoment;
        // How the entry was when the run began, before anything in it changed.
        std::optional<FileSystem::ItemStamp> Before;
    };

    // What a run is asked to do.
    struct Job {
        int Style = 0;
        bool Modified = false;
        // None when no moment was chosen: every date step that needs one
        // then fails.
        std::optional<OleDate> Moment;
        RunRules Rules;
        bool Subfolders = false;
        bool IgnoreReadonly = false;
        std::int32_t ExcludedAttributes = 0;
    };

    static constexpr const wchar_t* AccessError = L"Fout bij het verkrijgen van toegang tot ";
    static constexpr const wchar_t* NoPhotoDateError = L"Geen opnamedatum gevonden in ";
    static constexpr const wchar_t* NoNameDateError = L"Geen datum gevonden in de naam van ";

    explicit RunEngine(const Job& job);

    [[nodiscard]] const Job& Asked() const noexcept { return job_; }
    // A run that can change nothing needs no journal.
    [[nodiscard]] bool ChangesAnything() const noexcept;
    // Children before parents: with Subfolders on, a folder comes after
    // everything below it (its subfolders, then its files, then itself),
    // so that renaming inside a folder cannot undo the moment just given
    // to it.
    void Append(const std::wstring& path, bool isFolder, std::int32_t itemIndex, std::vector<WorkItem>& work) const;
    [[nodiscard]] std::wstring NewPath(const std::wstring& path, bool isFolder) const;
    // The times the entry would get, none when it cannot get any (the
    // reason is then in the item).
    [[nodiscard]] std::optional<FileSystem::TimesChange> NewTimes(WorkItem& item);
    // The entries as the journal records them before anything changes; each
    // item keeps its stamp, so that a shift of its own times starts from
    // them even after a rename inside a folder has moved the folder's.
    [[nodiscard]] std::vector<RunJournal::Entry> JournalEntries(std::vector<WorkItem>& work) const;
    // Starts the run's journal, started now; a run that can change nothing
    // needs none. False when it cannot be written: the run must not begin.
    [[nodiscard]] bool BeginJournal(RunJournal& journal, std::vector<WorkItem>& work) const;
    // Renames and/or re-dates the entry; false when any step it was asked
    // for failed. The date step is tried after a failed rename too.
    [[nodiscard]] bool Process(WorkItem& item) noexcept;
    // What Process would do, changing nothing: false when the entry would
    // fail for want of a date or because it is read-only.
    [[nodiscard]] bool Preview(WorkItem& item);
    // Marks a changed entry done in the journal, with where it is now.
    [[nodiscard]] bool RecordDone(RunJournal& journal, std::int32_t index, const WorkItem& item) const;
    [[nodiscard]] static std::wstring FailureText(const WorkItem& item);
    // The count of failed entries, as a run's summary tells it.
    [[nodiscard]] static std::wstring FailuresText(std::int32_t failures);

private:
    static void Fail(WorkItem& item, Failure reason) noexcept;
    void AppendFiles(const std::wstring& folder, std::vector<WorkItem>& work) const;
    [[nodiscard]] bool RenameEntry(WorkItem& item);
    [[nodiscard]] bool DateEntry(WorkItem& item);
    // The entry's attributes when its times may be written, else none.
    [[nodiscard]] std::optional<std::int32_t> DatableAttributes(WorkItem& item) const;
    [[nodiscard]] std::optional<FILETIME> SourceMoment(WorkItem& item);

    Job job_;
    NameRule names_;
    std::optional<FILETIME> chosen_;
    std::optional<PhotoMoment> photos_;
    FileSystem fileSystem_;
};
