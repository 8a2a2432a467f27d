// Measures the file services, the folder listing and the processing run on
// big folders, against a bare loop of the same Win32 calls where there is one.
// Usage: varnook-benchmark FOLDER [enumeration|listing|run|controls|list|window], where FOLDER holds
//   many-files\  100,000 empty files
//   tree\        2,000 folders (100 x 20) of 10 empty files each
//   listing\     1,000 empty folders and 30,000 empty files
//   run-ours\, run-bare\  two identical trees of 500 folders (20 x 25) with
//                         20 empty files each, all names in lower case
// (scripts/benchmark.sh makes them with native tools before starting). The
// part "window" measures the real main window showing FOLDER itself and its
// folders listing and many-files: it writes the options it needs, LastFolder
// among them, to the program's own registry key, leaves the run-ours and
// run-bare trees in upper case, and creates and deletes new-file-*.txt in
// FOLDER.

#include "Benchmark.h"
#include "ControlsBenchmark.h"
#include "ListBenchmark.h"
#include "ProcessingBenchmark.h"
#include "WindowBenchmark.h"

#include "platform/Handles.h"
#include "services/FileSystem.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const FileSystem fs;

// The bare directory search: the same calls the services make, counting.
template <typename Visit>
void BareSearch(const std::wstring& folder, Visit&& visit)
{
    WIN32_FIND_DATAW entry;
    const FindHandle search(::FindFirstFileExW(
        (folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) {
        return;
    }
    do {
        visit(entry);
    } while (::FindNextFileW(search.Get(), &entry));
}

bool IsSubfolder(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && entry.cFileName[0] != L'.';
}

size_t BareFileCount(const std::wstring& folder)
{
    size_t count = 0;
    BareSearch(folder, [&](const WIN32_FIND_DATAW& entry) {
        count += (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? 1 : 0;
    });
    return count;
}

// Walks the whole tree the bare way; counts folders and files.
void BareWalk(const std::wstring& root, size_t& folders, size_t& files)
{
    std::vector<std::wstring> pending{root};
    while (!pending.empty()) {
        const std::wstring folder = std::move(pending.back());
        pending.pop_back();
        BareSearch(folder, [&](const WIN32_FIND_DATAW& entry) {
            if (IsSubfolder(entry)) {
                ++folders;
                pending.push_back(folder + L"\\" + entry.cFileName);
            } else if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                ++files;
            }
        });
    }
}

void Check(bool condition, const wchar_t* what)
{
    if (!condition) {
        std::fwprintf(stderr, L"benchmark folder is not as expected: %ls\n", what);
        std::exit(1);
    }
}

void BenchmarkEnumeration(Benchmark& benchmark, const std::wstring& root)
{
    const std::wstring manyFiles = root + L"\\many-files";
    const std::wstring tree = root + L"\\tree";
    std::int32_t count = 0;
    std::vector<std::wstring> names;

    fs.EnumerateFiles(manyFiles, 0, count, names, L"*");
    Check(count == 100'000, L"many-files must hold 100,000 files");
    benchmark.Compare(
        L"EnumerateFiles, 100,000 files", [&] { fs.EnumerateFiles(manyFiles, 0, count, names, L"*"); },
        [&] { BareFileCount(manyFiles); });

    size_t bareFolders = 0;
    size_t bareFiles = 0;
    BareWalk(tree, bareFolders, bareFiles);
    Check(bareFolders == 2'000 && bareFiles == 20'000, L"tree must hold 2,000 folders and 20,000 files");
    benchmark.Compare(
        L"EnumerateRecursiveFolders, 2,000 folders",
        [&] {
            count = 0;
            names.clear();
            fs.EnumerateRecursiveFolders(tree, 0, count, names);
        },
        [&] { BareWalk(tree, bareFolders, bareFiles); });
    benchmark.Compare(
        L"EnumerateRecursiveFiles, 20,000 files",
        [&] {
            count = 0;
            names.clear();
            fs.EnumerateRecursiveFiles(tree, 0, count, names, L"*");
        },
        [&] { BareWalk(tree, bareFolders, bareFiles); });
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: varnook-benchmark FOLDER [enumeration|listing|run|controls|list|window]\n");
        return 2;
    }
    const std::wstring root = fs.RemoveFolderBackslash(argv[1]);
    const std::wstring only = argc > 2 ? argv[2] : L"";
    Benchmark benchmark(7);
    if (only.empty() || only == L"enumeration") {
        BenchmarkEnumeration(benchmark, root);
    }
    if (only.empty() || only == L"listing") {
        BenchmarkListing(benchmark, root + L"\\listing");
    }
    if (only.empty() || only == L"controls") {
        BenchmarkProgressBar(benchmark);
    }
    if (only.empty() || only == L"list") {
        BenchmarkList(benchmark, root + L"\\listing");
    }
    if (only.empty() || only == L"run") {
        Benchmark slowBenchmark(3);
        BenchmarkProcessingRun(slowBenchmark, root + L"\\run-ours", root + L"\\run-bare");
    }
    if (only.empty() || only == L"window") {
        Benchmark slowBenchmark(3);
        BenchmarkWindow(benchmark, slowBenchmark, root);
    }
    return 0;
}
