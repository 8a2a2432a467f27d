#pragma once

#include "platform/Handles.h"
#include "services/FileSystem.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a processing run changed, kept per user so that the run can be put
// back, after a restart of the program too. Before a run changes anything,
// its journal holds every entry with the path it has and the path it will
// get, its three times and its attributes, on disk; each entry the run has
// changed is then marked done with where it is and the last-write time it
// got. A run cut short (End task, a power cut) leaves a journal that says
// which entries were done. The journals of the last ten runs are kept.
//
// A journal is a UTF-8 text file of one record per line and tab-separated
// fields; control characters and "%" in paths are written as %XX.
class RunJournal {
public:
    static constexpr size_t KeptRuns = 10;

    struct Entry {
        std::wstring Path;
        std::wstring NewPath;
        FileSystem::ItemStamp Before;
        // From the entry's done record.
        bool Done = false;
        std::wstring CurrentPath;
        FILETIME WrittenAfter{};
    };

    struct Run {
        std::wstring File;
        // Local time.
        SYSTEMTIME Started{};
        std::vector<Entry> Entries;
    };

    // The journals live in `folder`, made when the first one is written.
    explicit RunJournal(std::wstring folder);
    // The user's own journal folder, which the window and the command line
    // share, so that either can undo the other's runs.
    [[nodiscard]] static std::wstring UserFolder();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    // The journal of a run that starts at `started` (local time); true once
    // every entry is on disk. False, with nothing written, when it cannot be.
    bool Begin(const SYSTEMTIME& started, const std::vector<Entry>& entries);
    // Entry `index` of the run begun is changed; false when that could not
    // be written.
    bool Done(std::int32_t index, const std::wstring& currentPath, const FILETIME& written);
    void End();
    // The journal being written, or the one Begin could not write.
    [[nodiscard]] const std::wstring& FileName() const noexcept { return fileName_; }

    // The journals of runs not undone yet, newest first.
    [[nodiscard]] std::vector<std::wstring> UndoableJournals() const;
    // None when the file is no journal; a record cut off by the end of the
    // file is left out.
    [[nodiscard]] static std::optional<Run> Read(const std::wstring& file);
    // Whether the journal marks any entry done, without reading it through.
    [[nodiscard]] static bool HasDoneEntries(const std::wstring& file);
    // The run is put back: its journal is kept, but no longer offered.
    static bool MarkUndone(const std::wstring& file);

private:
    [[nodiscard]] static std::optional<std::string> ReadBytes(const std::wstring& file);
    bool Write(const std::string& bytes);
    void KeepNewest(size_t count) const;
    [[nodiscard]] std::vector<std::wstring> JournalsNewestFirst(const std::wstring& pattern) const;

    std::wstring folder_;
    std::wstring fileName_;
    FileHandle file_;
    std::int32_t unflushed_ = 0;
    FileSystem fileSystem_;
};
