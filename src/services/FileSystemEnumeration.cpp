#include "services/FileSystem.h"

#include "platform/Handles.h"
#include "platform/PathForm.h"
#include "platform/PlatformText.h"

#include <algorithm>
#include <iterator>

namespace {

struct FolderEntry {
    std::wstring path;
    bool walkInto;
};

bool IsExcluded(DWORD attributes, std::int32_t excludeattr)
{
    return (attributes & static_cast<DWORD>(excludeattr)) != 0;
}

// Calls `take(entry)` for every entry the platform's directory search
// yields for prefix + pattern, in the platform's order.
template <typename Take>
void SearchFolderEntries(const std::wstring& prefix, const std::wstring& pattern, Take&& take)
{
    WIN32_FIND_DATAW entry;
    const FindHandle search(::FindFirstFileExW(PathForm::Extended(prefix + pattern).c_str(), FindExInfoBasic, &entry,
        FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) {
        return;
    }
    do {
        take(entry);
    } while (::FindNextFileW(search.Get(), &entry));
}

bool IsListedFolder(const WIN32_FIND_DATAW& entry, std::int32_t excludeattr)
{
    const DWORD attributes = entry.dwFileAttributes;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !IsExcluded(attributes, excludeattr) &&
        entry.cFileName[0] != L'.';
}

bool IsListedFile(const WIN32_FIND_DATAW& entry, std::int32_t excludeattr)
{
    const DWORD attributes = entry.dwFileAttributes;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && !IsExcluded(attributes, excludeattr);
}

// The search reports a reparse point's tag in dwReserved0.
FolderEntry Subfolder(const std::wstring& prefix, const WIN32_FIND_DATAW& entry)
{
    return {prefix + entry.cFileName, FileSystem::IsWalkedInto(entry.dwFileAttributes, entry.dwReserved0)};
}

std::vector<FolderEntry> ListSubfolders(const FileSystem& fs, const std::wstring& startfolder, std::int32_t excludeattr)
{
    std::vector<FolderEntry> folders;
    const std::wstring prefix = fs.AddFolderBackslash(startfolder);
    SearchFolderEntries(prefix, L"*", [&](const WIN32_FIND_DATAW& entry) {
        if (IsListedFolder(entry, excludeattr)) {
            folders.push_back(Subfolder(prefix, entry));
        }
    });
    return folders;
}

void AppendFiles(const FileSystem& fs, const std::wstring& startfolder, std::int32_t excludeattr,
    const std::wstring& pattern, std::vector<std::wstring>& files)
{
    const std::wstring prefix = fs.AddFolderBackslash(startfolder);
    SearchFolderEntries(prefix, pattern, [&](const WIN32_FIND_DATAW& entry) {
        if (IsListedFile(entry, excludeattr)) {
            files.push_back(prefix + entry.cFileName);
        }
    });
}

// One folder of a tree walk: its subfolders and the files the walk wants.
// With the pattern "*" a single directory search yields both.
struct FolderScan {
    std::wstring folder;
    std::vector<FolderEntry> subfolders;
    std::vector<std::wstring> files;
    size_t next = 0;
};

FolderScan ScanFolder(
    const FileSystem& fs, const std::wstring& folder, std::int32_t excludeattr, const std::wstring& pattern)
{
    FolderScan scan{folder, {}, {}};
    if (pattern != L"*") {
        scan.subfolders = ListSubfolders(fs, folder, excludeattr);
        AppendFiles(fs, folder, excludeattr, pattern, scan.files);
        return scan;
    }
    const std::wstring prefix = fs.AddFolderBackslash(folder);
    SearchFolderEntries(prefix, L"*", [&](const WIN32_FIND_DATAW& entry) {
        if (IsListedFolder(entry, excludeattr)) {
            scan.subfolders.push_back(Subfolder(prefix, entry));
        } else if (IsListedFile(entry, excludeattr)) {
            scan.files.push_back(prefix + entry.cFileName);
        }
    });
    return scan;
}

// Callers pass their count with their list; names stand in slots 0 to
// count - 1, so anything past the count is not theirs to keep.
void AlignToCount(std::int32_t& count, std::vector<std::wstring>& names)
{
    count = std::max<std::int32_t>(count, 0);
    names.resize(std::min(names.size(), static_cast<size_t>(count)));
    count = static_cast<std::int32_t>(names.size());
}

void UpdateCount(std::int32_t& count, const std::vector<std::wstring>& names)
{
    count = static_cast<std::int32_t>(names.size());
}

std::wstring SearchName(const std::wstring& startfolder, const std::wstring& name)
{
    return PathForm::Ordinary(ReadPlatformText([&](wchar_t* buffer, DWORD capacity) {
        return ::SearchPathW(PathForm::Extended(startfolder).c_str(), name.c_str(), L"", capacity, buffer, nullptr);
    }));
}

} // namespace

bool FileSystem::IsWalkedInto(std::uint32_t attributes, std::uint32_t reparsetag)
{
    // Wine lists its links with no tag at all; a reparse point that cannot be
    // told apart is taken for a link, as a walk into a loop never ends.
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 ||
        (reparsetag != 0 && !IsReparseTagNameSurrogate(reparsetag));
}

void FileSystem::EnumerateFiles(const std::wstring& startfolder, std::int32_t excludeattr, std::int32_t& numberfiles,
    std::vector<std::wstring>& files, const std::wstring& pattern) const
{
    files.clear();
    AppendFiles(*this, startfolder, excludeattr, pattern, files);
    UpdateCount(numberfiles, files);
}

void FileSystem::EnumerateFolders(const std::wstring& startfolder, std::int32_t excludeattr,
    std::int32_t& numberfolders, std::vector<std::wstring>& folders) const
{
    folders.clear();
    for (auto& folder : ListSubfolders(*this, startfolder, excludeattr)) {
        folders.push_back(std::move(folder.path));
    }
    UpdateCount(numberfolders, folders);
}

void FileSystem::EnumerateFoldersAndFiles(const std::wstring& startfolder, std::int32_t excludeattr,
    std::vector<std::wstring>& folders, std::vector<std::wstring>& files) const
{
    FolderScan scan = ScanFolder(*this, startfolder, excludeattr, L"*");
    folders.clear();
    for (auto& folder : scan.subfolders) {
        folders.push_back(std::move(folder.path));
    }
    files = std::move(scan.files);
}

void FileSystem::EnumerateRecursiveFiles(const std::wstring& startfolder, std::int32_t excludeattr,
    std::int32_t& numberfiles, std::vector<std::wstring>& files, const std::wstring& pattern) const
{
    AlignToCount(numberfiles, files);
    // An explicit stack instead of recursion: a deep tree cannot exhaust the
    // thread's stack. Each folder's files follow the files of all its subfolders.
    std::vector<FolderScan> stack;
    stack.push_back(ScanFolder(*this, startfolder, excludeattr, pattern));
    while (!stack.empty()) {
        FolderScan& top = stack.back();
        if (top.next < top.subfolders.size()) {
            const FolderEntry& child = top.subfolders[top.next++];
            if (child.walkInto) {
                stack.push_back(ScanFolder(*this, child.path, excludeattr, pattern));
            }
            continue;
        }
        files.insert(files.end(), std::make_move_iterator(top.files.begin()), std::make_move_iterator(top.files.end()));
        stack.pop_back();
    }
    UpdateCount(numberfiles, files);
}

void FileSystem::EnumerateRecursiveFolders(const std::wstring& startfolder, std::int32_t excludeattr,
    std::int32_t& numberfolders, std::vector<std::wstring>& folders) const
{
    AlignToCount(numberfolders, folders);
    std::vector<FolderEntry> pending = ListSubfolders(*this, startfolder, excludeattr);
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        FolderEntry folder = std::move(pending.back());
        pending.pop_back();
        if (folder.walkInto) {
            auto children = ListSubfolders(*this, folder.path, excludeattr);
            pending.insert(
                pending.end(), std::make_move_iterator(children.rbegin()), std::make_move_iterator(children.rend()));
        }
        folders.push_back(std::move(folder.path));
    }
    UpdateCount(numberfolders, folders);
}

std::wstring FileSystem::SearchFile(const std::wstring& startfolder, const std::wstring& file) const
{
    return SearchName(startfolder, file);
}

std::wstring FileSystem::SearchFolder(const std::wstring& startfolder, const std::wstring& folder) const
{
    return SearchName(startfolder, folder);
}
