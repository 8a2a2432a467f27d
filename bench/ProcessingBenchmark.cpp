#include "ProcessingBenchmark.h"

#include "app/FolderListing.h"
#include "app/PlatformWindowServices.h"
#include "app/ProcessingRun.h"
#include "engine/LetterCase.h"
#include "platform/Handles.h"
#include "services/FileNotificationObserver.h"
#include "services/SpecialFolders.h"
#include "support/FormVarnookModel.h"

#include <cstdio>
#include <vector>

namespace {

// Real window services, except that a message box is counted, not shown:
// nothing may stop a benchmark to wait for a click.
class UnattendedWindowServices final : public PlatformWindowServices {
public:
    explicit UnattendedWindowServices(HWND window) : PlatformWindowServices(window, L"benchmark") {}
    MessageBoxChoice ShowWarning(const std::wstring&, MessageBoxButtons) override
    {
        ++warnings;
        return MessageBoxChoice::No;
    }
    int warnings = 0;
};

struct IgnoredWatchEvents final : FileNotificationObserver {
    void FileChange() override {}
    void FolderChange() override {}
    void Terminate() override {}
    void HandlerFailed(std::exception_ptr) override {}
};

// One folder and everything below it in the run's order: children first.
void CollectChildrenFirst(const std::wstring& folder, std::vector<std::pair<std::wstring, bool>>& items)
{
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW entry;
    const FindHandle search(::FindFirstFileExW(
        (folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (search) {
        do {
            const std::wstring path = folder + L"\\" + entry.cFileName;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                files.push_back(path);
            } else if (entry.cFileName[0] != L'.') {
                CollectChildrenFirst(path, items);
            }
        } while (::FindNextFileW(search.Get(), &entry));
    }
    for (auto& file : files) {
        items.emplace_back(std::move(file), false);
    }
    items.emplace_back(folder, true);
}

// The style that changes every name of a tree now: its names are all lower
// case or all upper case, as the last run left them.
int StyleThatChanges(const std::wstring& tree)
{
    WIN32_FIND_DATAW entry;
    const FindHandle search(::FindFirstFileW(tree.c_str(), &entry));
    const std::wstring name = search ? entry.cFileName : L"";
    return name == LetterCase::ToLower(name) ? LetterCase::Upper : LetterCase::Lower;
}

} // namespace

// The same work without the program: case change through a temporary name
// (a case-only MoveFileW does nothing under Wine), attributes cleared, three
// times set, attributes restored.
void BareRun(const std::wstring& tree, int style, const FILETIME& moment)
{
    std::vector<std::pair<std::wstring, bool>> items;
    CollectChildrenFirst(tree, items);
    for (const auto& [path, isFolder] : items) {
        const size_t nameStart = path.find_last_of(L'\\') + 1;
        const std::wstring newPath = path.substr(0, nameStart) + LetterCase::Convert(path.substr(nameStart), style);
        const std::wstring temporary = path.substr(0, nameStart) + L"~bare-rename";
        ::MoveFileW(path.c_str(), temporary.c_str());
        ::MoveFileW(temporary.c_str(), newPath.c_str());
        const DWORD attributes = ::GetFileAttributesW(newPath.c_str());
        ::SetFileAttributesW(newPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        const FileHandle item(::CreateFileW(newPath.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
            OPEN_EXISTING, isFolder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr));
        ::SetFileTime(item.Get(), &moment, &moment, &moment);
        ::SetFileAttributesW(newPath.c_str(), attributes);
    }
}

FILETIME BareMoment()
{
    SYSTEMTIME local{2026, 7, 0, 15, 12, 0, 0, 0};
    SYSTEMTIME universal{};
    FILETIME moment{};
    ::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal);
    ::SystemTimeToFileTime(&universal, &moment);
    return moment;
}

void BenchmarkListing(Benchmark& benchmark, const std::wstring& folder)
{
    FormVarnookModel state;
    CurrentFolder shown;
    shown.SetPath(folder);
    const RunRules rules;
    FolderListing listing(state, shown, rules);
    listing.RecordColumnWidths();
    benchmark.Measure(
        L"FillFolderList, 30,000 files + 1,000 folders", [&] { listing.FillFolderList(); }, 1.0);
    if (state.ListViewFolderItems().ListItems().Count() != 31'000) {
        std::fwprintf(stderr, L"the listing folder must hold 30,000 files and 1,000 folders\n");
    }
}

void BenchmarkProcessingRun(Benchmark& benchmark, const std::wstring& ourTree, const std::wstring& bareTree)
{
    const WindowHandle owner(::CreateWindowExW(
        0, L"STATIC", L"benchmark", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    UnattendedWindowServices window(owner.Get());
    IgnoredWatchEvents events;
    FileNotification watch(events);
    Logging log;
    FormVarnookModel state;
    const FileSystem fileSystem;
    CurrentFolder parent;
    parent.SetPath(fileSystem.ExtractFolder(ourTree));
    RunRules rules;
    FolderListing listing(state, parent, rules);
    // The journal a run writes is part of its cost.
    RunJournal journal(SpecialFolders().GetTempFolder() + L"varnook-benchmark-journals");
    ProcessingRun run(state, window, listing, watch, log, journal, parent, rules, [] { return std::wstring(); });

    state.CheckOptionsSubfolders().SetValue(1);
    state.CheckOptionsModified().SetValue(1);
    state.CheckOptionsHiddensystem().SetValue(1);
    state.DateTimePickerModifiedDate().SetValue(Variant(*OleDate::FromParts(2026, 7, 15, 0, 0, 0)));
    state.DateTimePickerModifiedTime().SetValue(Variant(*OleDate::FromParts(2026, 7, 15, 12, 0, 0)));
    const FILETIME moment = BareMoment();

    // Every repetition changes the case of every name: upper, then lower.
    int ourStyle = StyleThatChanges(ourTree) == LetterCase::Upper ? LetterCase::Lower : LetterCase::Upper;
    int bareStyle = StyleThatChanges(bareTree) == LetterCase::Upper ? LetterCase::Lower : LetterCase::Upper;
    const auto ours = [&] {
        ourStyle = ourStyle == LetterCase::Upper ? LetterCase::Lower : LetterCase::Upper;
        state.ComboOptionsConversion().SetListIndex(ourStyle);
        listing.FillFolderList();
        const std::wstring name = fileSystem.ExtractFileTitle(ourTree);
        auto& items = state.ListViewFolderItems().ListItems();
        for (std::int32_t i = 0; i < items.Count(); ++i) {
            const FolderRow& row = items.Item(i)->Row();
            items.Item(i)->SetSelected(row.IsFolder && LetterCase::ToLower(row.Name) == LetterCase::ToLower(name));
        }
        run.Run();
    };
    const auto bare = [&] {
        bareStyle = bareStyle == LetterCase::Upper ? LetterCase::Lower : LetterCase::Upper;
        const size_t nameStart = bareTree.find_last_of(L'\\') + 1;
        BareRun(bareTree.substr(0, nameStart) + LetterCase::Convert(bareTree.substr(nameStart), 3 - bareStyle),
            bareStyle, moment);
    };
    benchmark.Compare(L"Processing run, 10,000 files in 500 folders", ours, bare);
    // Every rule that costs something per entry: the extension apart, two of
    // the times, each shifted from the entry's own.
    rules.NameExtension = RunRules::Extension::Lower;
    rules.WordBreaks = RunRules::PunctuationBreaks;
    rules.Times = RunRules::Written | RunRules::Accessed;
    rules.Source = RunRules::TimeSource::Own;
    rules.ShiftSeconds = 3600;
    benchmark.Compare(L"Processing run, every rule on", ours, bare);
    if (window.warnings != 0) {
        std::fwprintf(stderr, L"%d items could not be processed\n", window.warnings);
    }
}
