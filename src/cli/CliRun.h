#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "engine/RunEngine.h"
#include "engine/RunJournal.h"
#include "services/FileSystem.h"
#include "settings/Logging.h"

#include <cstdint>
#include <string>
#include <vector>

// The command line's run: the window's engine and journal, with a line of
// output for every entry it changes and a summary. A dry run goes through
// the same steps and changes nothing.
class CliRun {
public:
    static constexpr int Done = 0;
    static constexpr int SomeFailed = 1;
    static constexpr int UsageError = 2;

    CliRun(const Console& console, RunJournal& journal);

    [[nodiscard]] int Process(const CommandLine::Request& request);
    [[nodiscard]] int Undo(const CommandLine::Request& request);

    // "Z:\map\a.doc -> A.DOC @ 2024-07-15 13:45:00": the entry's old path,
    // its new name when that changes and its new moment when it gets one.
    [[nodiscard]] std::wstring ChangeLine(
        const std::wstring& oldPath, const RunEngine::WorkItem& item, const std::wstring& newPath) const;

private:
    // The work of every path given; false when one of them does not exist.
    [[nodiscard]] bool BuildWorkList(
        const RunEngine& engine, const std::vector<std::wstring>& paths, std::vector<RunEngine::WorkItem>& work);
    [[nodiscard]] std::vector<std::wstring> Matching(const std::wstring& given, std::int32_t excluded) const;
    [[nodiscard]] int Preview(RunEngine& engine, std::vector<RunEngine::WorkItem>& work, bool allFound);
    [[nodiscard]] int Change(
        RunEngine& engine, std::vector<RunEngine::WorkItem>& work, bool allFound, const std::wstring& logFile);
    [[nodiscard]] bool OpenLog(const std::wstring& file);
    void Report(const std::wstring& message);
    [[nodiscard]] std::wstring MomentText(const FILETIME& universal) const;

    const Console& console_;
    RunJournal& journal_;
    Logging log_;
    bool logOpen_ = false;
    FileSystem fileSystem_;
};
