#include "cli/CliRun.h"

#include "engine/RunRestore.h"

#include <cwchar>

namespace {

std::wstring Objects(std::int32_t count)
{
    return std::to_wstring(count) + (count == 1 ? L" object" : L" objecten");
}

std::wstring IsoText(const SYSTEMTIME& moment)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%04u-%02u-%02u %02u:%02u:%02u", moment.wYear, moment.wMonth, moment.wDay, moment.wHour,
        moment.wMinute, moment.wSecond);
    return text;
}

} // namespace

CliRun::CliRun(const Console& console, RunJournal& journal) : console_(console), journal_(journal)
{
}

std::wstring CliRun::MomentText(const FILETIME& universal) const
{
    const auto local = fileSystem_.LocalTime(universal);
    return local ? IsoText(*local) : L"?";
}

std::wstring CliRun::ChangeLine(
    const std::wstring& oldPath, const RunEngine::WorkItem& item, const std::wstring& newPath) const
{
    std::wstring line = oldPath;
    if (newPath != oldPath) {
        line += L" -> " + fileSystem_.ExtractFileTitle(newPath);
    }
    if (item.NewMoment) {
        line += L" @ " + MomentText(*item.NewMoment);
    }
    return line;
}

bool CliRun::OpenLog(const std::wstring& file)
{
    if (file.empty()) {
        return true;
    }
    log_.SetFileName(file);
    logOpen_ = log_.Create(L"logboekbestand", L"\r\n");
    return logOpen_;
}

void CliRun::Report(const std::wstring& message)
{
    console_.Error(message);
    if (logOpen_) {
        log_.WriteLine(L"", message);
    }
}

bool CliRun::BuildWorkList(
    const RunEngine& engine, const std::vector<std::wstring>& paths, std::vector<RunEngine::WorkItem>& work)
{
    bool allFound = true;
    for (const std::wstring& given : paths) {
        const std::vector<std::wstring> found = Matching(given, engine.Asked().ExcludedAttributes);
        if (found.empty()) {
            Report(L"Bestaat niet: " + given);
            allFound = false;
        }
        for (const std::wstring& path : found) {
            engine.Append(path, fileSystem_.IsFolder(path), -1, work);
        }
    }
    return allFound;
}

// The Windows shell leaves wildcards to the program: a pattern in the last
// part of a path stands for the files it matches.
std::vector<std::wstring> CliRun::Matching(const std::wstring& given, std::int32_t excluded) const
{
    wchar_t* namePart = nullptr;
    const DWORD length = ::GetFullPathNameW(given.c_str(), 0, nullptr, &namePart);
    std::wstring path(length, L'\0');
    path.resize(::GetFullPathNameW(given.c_str(), length, path.data(), &namePart));
    if (path.size() > 3) {
        path = fileSystem_.RemoveFolderBackslash(path);
    }
    const size_t nameStart = path.find_last_of(L'\\') + 1;
    if (path.find_first_of(L"*?", nameStart) == std::wstring::npos) {
        return fileSystem_.GetFileAttributes(path) == -1 ? std::vector<std::wstring>() : std::vector{path};
    }
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fileSystem_.EnumerateFiles(path.substr(0, nameStart), excluded, count, files, path.substr(nameStart));
    return files;
}

int CliRun::Process(const CommandLine::Request& request)
{
    RunEngine engine(request.Job);
    std::vector<RunEngine::WorkItem> work;
    const bool allFound = BuildWorkList(engine, request.Paths, work);
    return request.DryRun ? Preview(engine, work, allFound) : Change(engine, work, allFound, request.LogFile);
}

int CliRun::Preview(RunEngine& engine, std::vector<RunEngine::WorkItem>& work, bool allFound)
{
    std::int32_t changing = 0;
    std::int32_t failures = 0;
    for (RunEngine::WorkItem& item : work) {
        const std::wstring newPath = engine.NewPath(item.Path, item.IsFolder);
        if (!engine.Preview(item)) {
            ++failures;
            Report(RunEngine::FailureText(item));
        }
        if (newPath != item.Path || item.NewMoment) {
            ++changing;
            console_.Out(ChangeLine(item.Path, item, newPath));
        }
    }
    std::wstring summary = L"Proefdraai: " + std::to_wstring(changing) + L" van " +
        Objects(static_cast<std::int32_t>(work.size())) + L" zouden worden gewijzigd, er is niets gewijzigd";
    if (failures > 0) {
        summary += L"; " + RunEngine::FailuresText(failures);
    }
    console_.Out(summary);
    return allFound && failures == 0 ? Done : SomeFailed;
}

int CliRun::Change(
    RunEngine& engine, std::vector<RunEngine::WorkItem>& work, bool allFound, const std::wstring& logFile)
{
    if (!engine.BeginJournal(journal_, work)) {
        console_.Error(L"Het journaal om de verwerking ongedaan te kunnen maken kan niet worden geschreven, "
                       L"daarom is er niets gewijzigd: " +
            journal_.FileName());
        return SomeFailed;
    }
    if (!OpenLog(logFile)) {
        console_.Error(L"Fout bij het openen van " + logFile);
    }
    std::int32_t changed = 0;
    std::int32_t failures = 0;
    std::int32_t index = 0;
    bool journalFailed = false;
    for (RunEngine::WorkItem& item : work) {
        const std::wstring oldPath = item.Path;
        if (!engine.Process(item)) {
            ++failures;
            Report(RunEngine::FailureText(item));
        }
        if (item.Changed) {
            ++changed;
            console_.Out(ChangeLine(oldPath, item, item.Path));
        }
        if (!engine.RecordDone(journal_, index++, item)) {
            journalFailed = true;
            break;
        }
    }
    journal_.End();
    if (logOpen_) {
        log_.Destroy();
    }
    if (journalFailed) {
        console_.Error(
            L"Het journaal kan niet worden bijgewerkt, daarom is de verwerking gestopt: " + journal_.FileName());
    }
    std::wstring summary =
        std::to_wstring(changed) + L" van " + Objects(static_cast<std::int32_t>(work.size())) + L" gewijzigd";
    if (failures > 0) {
        summary += L"; " + RunEngine::FailuresText(failures);
    }
    console_.Out(summary);
    return allFound && failures == 0 && !journalFailed ? Done : SomeFailed;
}

int CliRun::Undo(const CommandLine::Request& request)
{
    const RunRestore restore(journal_);
    const auto offer = restore.Latest();
    const auto run = offer ? RunJournal::Read(offer->Journal) : std::nullopt;
    if (!run) {
        console_.Error(L"Er is geen verwerking om ongedaan te maken");
        return SomeFailed;
    }
    if (!OpenLog(request.LogFile)) {
        console_.Error(L"Fout bij het openen van " + request.LogFile);
    }
    const std::int32_t failures = restore.PutBack(
        *run, [] { return true; }, [this](const std::wstring& path) { Report(RunRestore::RestoreError + path); });
    if (logOpen_) {
        log_.Destroy();
    }
    const std::wstring summary = L"Verwerking van " + IsoText(run->Started) + L" ongedaan gemaakt: " +
        std::to_wstring(offer->Count - failures) + L" van " + Objects(offer->Count) + L" hersteld";
    console_.Out(summary);
    return failures == 0 ? Done : SomeFailed;
}
