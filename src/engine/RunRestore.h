#pragma once

#include "engine/RunJournal.h"
#include "services/FileSystem.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Puts back what the newest run still on record changed, for the window and
// the command line alike: the names first, in the reverse order of the
// run, then all three times and the attributes, every folder after
// everything inside it, so that a folder's own moment is the last thing
// written into it. An entry that someone changed since (its new path is
// gone, or its last-write time is no longer the one the run gave it) is
// left alone and counted. Once undone, a run is off the record; the next
// undo puts back the run before it.
class RunRestore {
public:
    static constexpr const wchar_t* RestoreError = L"Fout bij het herstellen van ";

    // The run an undo would put back.
    struct Offer {
        std::wstring Journal;
        SYSTEMTIME Started{};
        std::int32_t Count = 0;
    };
    // Asked between entries; false stops the undo where it is.
    using KeepGoing = std::function<bool()>;
    // Told of each entry that could not be put back, by its path.
    using Failed = std::function<void(const std::wstring& path)>;

    explicit RunRestore(const RunJournal& journal);

    [[nodiscard]] std::optional<Offer> Latest() const;
    // Whether there is a run to put back, told quicker than by Latest.
    [[nodiscard]] bool Available() const;
    // The number of entries that could not be put back. The run is off the
    // record afterwards, also when it was stopped.
    std::int32_t PutBack(const RunJournal::Run& run, const KeepGoing& keepGoing, const Failed& failed) const;

private:
    // The entries that have their names back, last entry of the run first.
    [[nodiscard]] std::vector<const RunJournal::Entry*> PutNamesBack(
        const RunJournal::Run& run, const KeepGoing& keepGoing, const Failed& failed, std::int32_t& failures) const;
    [[nodiscard]] bool IsAsTheRunLeftIt(const RunJournal::Entry& entry) const;
    [[nodiscard]] bool PutStampBack(const RunJournal::Entry& entry) const;

    const RunJournal& journal_;
    FileSystem fileSystem_;
};
