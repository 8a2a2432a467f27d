#include "services/FileSystem.h"

#include "platform/Handles.h"
#include "platform/PathForm.h"
#include "platform/PlatformText.h"
#include "platform/Win32.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <mutex>
#include <set>
#include <optional>

namespace {

constexpr wchar_t Backslash = L'\\';

bool EndsWithBackslash(const std::wstring& text)
{
    return !text.empty() && text.back() == Backslash;
}

// The root forms of the platform's path library: "\", "X:\", "\\server",
// "\\server\" and "\\server\share".
bool IsRoot(const std::wstring& path)
{
    if (path == L"\\") {
        return true;
    }
    if (path.size() >= 2 && path[0] == Backslash && path[1] == Backslash) {
        const auto inner = path.substr(2);
        const size_t first = inner.find(Backslash);
        return first == std::wstring::npos || inner.find(Backslash, first + 1) == std::wstring::npos;
    }
    return path.size() == 3 && path[1] == L':' && path[2] == Backslash;
}

// Where the last component starts: after the last "\", "/" or ":" that is
// followed by more text not starting with a separator.
size_t LastComponentStart(const std::wstring& path)
{
    size_t start = 0;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        const wchar_t c = path[i];
        const wchar_t next = path[i + 1];
        if ((c == Backslash || c == L'/' || c == L':') && next != Backslash && next != L'/') {
            start = i + 1;
        }
    }
    return start;
}

// Where the extension starts: the last "." not followed by a "\" or a space.
std::optional<size_t> ExtensionStart(const std::wstring& path)
{
    std::optional<size_t> start;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == L'.') {
            start = i;
        } else if (path[i] == Backslash || path[i] == L' ') {
            start.reset();
        }
    }
    return start;
}

// Where the parent's text ends, or nullopt when the path has no component to
// remove. A leading "\" or "\\" and a "X:\" stay with the parent.
std::optional<size_t> FileSpecStart(const std::wstring& path)
{
    size_t position = 0;
    size_t fileSpec = 0;
    for (int leading = 0; leading < 2 && position < path.size() && path[position] == Backslash; ++leading) {
        fileSpec = ++position;
    }
    while (position < path.size()) {
        if (path[position] == Backslash) {
            fileSpec = position;
        } else if (path[position] == L':') {
            // The drive's own backslash belongs to the parent: C:\ stays whole.
            fileSpec = ++position;
            if (position < path.size() && path[position] == Backslash) {
                ++fileSpec;
            }
        }
        ++position;
    }
    if (fileSpec >= path.size()) {
        return std::nullopt;
    }
    return fileSpec;
}

bool SameCharacterIgnoringCase(wchar_t a, wchar_t b)
{
    return ::CompareStringOrdinal(&a, 1, &b, 1, TRUE) == CSTR_EQUAL;
}

// Wildcard match over the whole text, letter case ignored; "*" is any run
// of characters, "?" any one character.
bool MatchesWildcard(const std::wstring& text, const std::wstring& pattern)
{
    size_t t = 0;
    size_t p = 0;
    std::optional<size_t> starAt;
    size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() &&
            (pattern[p] == L'?' || (pattern[p] != L'*' && SameCharacterIgnoringCase(pattern[p], text[t])))) {
            ++t;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            starText = t;
        } else if (starAt) {
            p = *starAt + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') {
        ++p;
    }
    return p == pattern.size();
}

bool PathsEqualIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
        CSTR_EQUAL;
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> ReadAttributeData(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(PathForm::Extended(path).c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return data;
}

bool IsDirectory(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Converts with the time-zone rules in force on that date (not today's
// offset), so a summer moment reads as the same summer moment in winter.
std::optional<SYSTEMTIME> UtcToLocal(const FILETIME& utc)
{
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&utc, &universal) || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return std::nullopt;
    }
    return local;
}

bool SameClockTime(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
        a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

// A local moment in the hour skipped when clocks go forward does not exist.
// It is read as standard time (the clock not yet moved on), so it lands one
// hour later on the clock: 02:30 becomes 03:30 summer time, never 01:30.
std::optional<FILETIME> StandardTimeToUtc(const SYSTEMTIME& local)
{
    TIME_ZONE_INFORMATION zone{};
    FILETIME clock{};
    if (!::GetTimeZoneInformationForYear(local.wYear, nullptr, &zone) || !::SystemTimeToFileTime(&local, &clock)) {
        return std::nullopt;
    }
    constexpr std::int64_t TicksPerMinute = 600'000'000;
    ULARGE_INTEGER ticks{{clock.dwLowDateTime, clock.dwHighDateTime}};
    ticks.QuadPart +=
        static_cast<std::uint64_t>(static_cast<std::int64_t>(zone.Bias + zone.StandardBias) * TicksPerMinute);
    return FILETIME{ticks.LowPart, ticks.HighPart};
}

std::optional<FILETIME> LocalToUtc(const SYSTEMTIME& local)
{
    SYSTEMTIME universal{};
    FILETIME result{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !::SystemTimeToFileTime(&universal, &result)) {
        return std::nullopt;
    }
    const auto back = UtcToLocal(result);
    if (back && !SameClockTime(*back, local)) {
        return StandardTimeToUtc(local);
    }
    return result;
}

// The file forms read files only and the folder forms folders only, as
// opening a folder without backup semantics would fail.
Variant ModifiedText(const std::wstring& path, bool isFolder)
{
    const auto data = ReadAttributeData(path);
    if (!data || IsDirectory(*data) != isFolder) {
        return Variant(std::wstring());
    }
    const auto local = UtcToLocal(data->ftLastWriteTime);
    return Variant(local ? OleDate::TextOf(*local) : std::wstring());
}

std::optional<FILETIME> FileTimeFromMoment(const Variant& datetime)
{
    const SYSTEMTIME local = datetime.ToDate().ToSystemTime();
    if (local.wYear < 1601) {
        return std::nullopt;
    }
    return LocalToUtc(local);
}

bool IsLink(DWORD attributes)
{
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool HandleIsLink(const FileHandle& item)
{
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return ::GetFileInformationByHandleEx(item.Get(), FileAttributeTagInfo, &tag, sizeof(tag)) &&
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Opens the item itself, never the target of a link. Some platforms (Wine)
// follow a link even when asked not to; such a handle is refused, because
// changing the item behind a link is never what the user chose.
FileHandle OpenItemItself(const std::wstring& path, DWORD access, DWORD flags)
{
    const std::wstring extendedPath = PathForm::Extended(path);
    const bool isLink = IsLink(::GetFileAttributesW(extendedPath.c_str()));
    FileHandle item(::CreateFileW(extendedPath.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
        flags | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (item && isLink && !HandleIsLink(item)) {
        item.Reset();
    }
    return item;
}

bool SetItemTimes(const std::wstring& path, const Variant& datetime, DWORD flags)
{
    const auto moment = FileTimeFromMoment(datetime);
    if (!moment) {
        return false;
    }
    const FileHandle item = OpenItemItself(path, GENERIC_WRITE, flags);
    return item && ::SetFileTime(item.Get(), &*moment, &*moment, &*moment) != FALSE;
}

// SetFileAttributesW follows links; through a handle the link itself changes.
void SetLinkAttributes(const std::wstring& path, DWORD attributes)
{
    const FileHandle item = OpenItemItself(path, FILE_WRITE_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
    if (!item) {
        return;
    }
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
    ::SetFileInformationByHandle(item.Get(), FileBasicInfo, &basic, sizeof(basic));
}

void SetItemAttributes(const std::wstring& path, DWORD attributes)
{
    const std::wstring extendedPath = PathForm::Extended(path);
    if (IsLink(::GetFileAttributesW(extendedPath.c_str()))) {
        SetLinkAttributes(path, attributes);
        return;
    }
    // Some file systems (Wine's among them) store hidden and system apart
    // from read-only and cannot change them once the item is read-only:
    // the other bits go first, read-only last.
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        const DWORD others = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
        ::SetFileAttributesW(extendedPath.c_str(), others != 0 ? others : FILE_ATTRIBUTE_NORMAL);
    }
    ::SetFileAttributesW(extendedPath.c_str(), attributes);
}

std::optional<std::wstring> NameOnDisk(const std::wstring& path)
{
    WIN32_FIND_DATAW entry{};
    const FindHandle search(::FindFirstFileW(PathForm::Extended(path).c_str(), &entry));
    if (!search) {
        return std::nullopt;
    }
    return std::wstring(entry.cFileName);
}

std::wstring FolderPart(const std::wstring& path)
{
    const size_t separator = path.find_last_of(Backslash);
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring NamePart(const std::wstring& path)
{
    const size_t separator = path.find_last_of(Backslash);
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring UnusedTemporaryName(const std::wstring& folder)
{
    static std::atomic<unsigned> counter{0};
    for (;;) {
        const std::wstring candidate =
            folder + L"~varnook-rename-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
        if (::GetFileAttributesW(PathForm::Extended(candidate).c_str()) == INVALID_FILE_ATTRIBUTES) {
            return candidate;
        }
    }
}

bool Move(const std::wstring& from, const std::wstring& to)
{
    return ::MoveFileW(PathForm::Extended(from).c_str(), PathForm::Extended(to).c_str()) != FALSE;
}

bool HasRequestedName(const std::wstring& path)
{
    return NameOnDisk(path) == NamePart(path);
}

// The root of a path (C:\, \\server\share), or empty text when it has none.
std::wstring RootOf(const std::wstring& path)
{
    std::wstring root = path;
    while (!IsRoot(root)) {
        const auto start = FileSpecStart(root);
        if (!start) {
            return {};
        }
        root.resize(*start);
    }
    return root;
}

// Roots whose file system was seen to report a case-only rename as done
// while leaving the old name. Remembering them spares every later case-only
// rename there the failed attempt and its check. Knowing too little here only
// costs time: the way through a temporary name works on every file system.
class CaseBlindRoots {
public:
    bool Contains(const std::wstring& root)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        return roots_.contains(root);
    }
    void Add(const std::wstring& root)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        roots_.insert(root);
    }

private:
    std::mutex mutex_;
    std::set<std::wstring> roots_;
};

CaseBlindRoots caseBlindRoots;

// Some file systems (and Wine) report success for a rename that changes only
// the letter case and leave the old name. Going through a temporary name
// forces the change; if the second step fails the item gets its old name back.
// A move to a name that no item holds stores that name as given.
bool RenameThroughTemporaryName(const std::wstring& oldpath, const std::wstring& newpath)
{
    const std::wstring temporary = UnusedTemporaryName(FolderPart(newpath));
    if (!Move(oldpath, temporary)) {
        return false;
    }
    if (Move(temporary, newpath)) {
        return true;
    }
    Move(temporary, oldpath);
    return false;
}

bool RenameItem(const std::wstring& oldpath, const std::wstring& newpath)
{
    if (oldpath == newpath) {
        return Move(oldpath, newpath);
    }
    const bool caseOnly = PathsEqualIgnoringCase(oldpath, newpath);
    const std::wstring root = caseOnly ? RootOf(newpath) : std::wstring();
    if (caseOnly && caseBlindRoots.Contains(root)) {
        return RenameThroughTemporaryName(oldpath, newpath);
    }
    if (!Move(oldpath, newpath)) {
        return false;
    }
    if (HasRequestedName(newpath)) {
        return true;
    }
    if (!caseOnly) {
        return false;
    }
    caseBlindRoots.Add(root);
    return RenameThroughTemporaryName(oldpath, newpath);
}

struct FolderEntry {
    std::wstring path;
    bool isLink;
};

bool IsExcluded(DWORD attributes, std::int32_t excludeattr)
{
    return (attributes & static_cast<DWORD>(excludeattr)) != 0;
}

// Calls `take(name, attributes)` for every entry the platform's directory
// search yields for prefix + pattern, in the platform's order.
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
        take(entry.cFileName, entry.dwFileAttributes);
    } while (::FindNextFileW(search.Get(), &entry));
}

bool IsListedFolder(const wchar_t* name, DWORD attributes, std::int32_t excludeattr)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !IsExcluded(attributes, excludeattr) && name[0] != L'.';
}

bool IsListedFile(DWORD attributes, std::int32_t excludeattr)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && !IsExcluded(attributes, excludeattr);
}

std::vector<FolderEntry> ListSubfolders(const FileSystem& fs, const std::wstring& startfolder, std::int32_t excludeattr)
{
    std::vector<FolderEntry> folders;
    const std::wstring prefix = fs.AddFolderBackslash(startfolder);
    SearchFolderEntries(prefix, L"*", [&](const wchar_t* name, DWORD attributes) {
        if (IsListedFolder(name, attributes, excludeattr)) {
            folders.push_back({prefix + name, (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
        }
    });
    return folders;
}

void AppendFiles(const FileSystem& fs, const std::wstring& startfolder, std::int32_t excludeattr,
    const std::wstring& pattern, std::vector<std::wstring>& files)
{
    const std::wstring prefix = fs.AddFolderBackslash(startfolder);
    SearchFolderEntries(prefix, pattern, [&](const wchar_t* name, DWORD attributes) {
        if (IsListedFile(attributes, excludeattr)) {
            files.push_back(prefix + name);
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
    SearchFolderEntries(prefix, L"*", [&](const wchar_t* name, DWORD attributes) {
        if (IsListedFolder(name, attributes, excludeattr)) {
            scan.subfolders.push_back({prefix + name, (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
        } else if (IsListedFile(attributes, excludeattr)) {
            scan.files.push_back(prefix + name);
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

std::wstring FileSystem::AddFolderBackslash(const std::wstring& folder) const
{
    return folder.empty() || EndsWithBackslash(folder) ? folder : folder + Backslash;
}

std::wstring FileSystem::RemoveFolderBackslash(const std::wstring& folder) const
{
    return EndsWithBackslash(folder) && !IsRoot(folder) ? folder.substr(0, folder.size() - 1) : folder;
}

std::wstring FileSystem::AddFileQuotes(const std::wstring& file) const
{
    return file.find(L' ') == std::wstring::npos ? file : L"\"" + file + L"\"";
}

std::wstring FileSystem::AddFolderQuotes(const std::wstring& folder) const
{
    return AddFileQuotes(folder);
}

std::wstring FileSystem::RemoveFileQuotes(const std::wstring& file) const
{
    const bool quoted = file.size() >= 2 && file.front() == L'"' && file.back() == L'"';
    return quoted ? file.substr(1, file.size() - 2) : file;
}

std::wstring FileSystem::RemoveFolderQuotes(const std::wstring& folder) const
{
    return RemoveFileQuotes(folder);
}

std::wstring FileSystem::AddFileExtension(const std::wstring& file, const std::wstring& ext) const
{
    return ExtensionStart(file) ? file : file + ext;
}

std::wstring FileSystem::RemoveFileExtension(const std::wstring& file) const
{
    const auto start = ExtensionStart(file);
    return start ? file.substr(0, *start) : file;
}

std::wstring FileSystem::ExtractFileExtension(const std::wstring& file) const
{
    const auto start = ExtensionStart(file);
    return start ? file.substr(*start) : std::wstring();
}

bool FileSystem::IsFileExtension(const std::wstring& file, const std::wstring& ext) const
{
    return MatchesWildcard(file, L"*." + ext);
}

std::wstring FileSystem::ExtractFileTitle(const std::wstring& file) const
{
    return file.substr(LastComponentStart(file));
}

std::wstring FileSystem::ExtractFolderTitle(const std::wstring& folder) const
{
    return ExtractFileTitle(folder);
}

std::wstring FileSystem::ExtractFolder(const std::wstring& folder) const
{
    const auto start = FileSpecStart(folder);
    return start ? folder.substr(0, *start) : folder;
}

std::wstring FileSystem::ExtractDrive(const std::wstring& file) const
{
    return RootOf(file);
}

std::wstring FileSystem::ExpandFolder(const std::wstring& folder) const
{
    // The call counts the terminating NUL in its result, unlike most others.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD needed =
            ::ExpandEnvironmentStringsW(folder.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (needed < 2) {
            return {};
        }
        if (needed <= buffer.size()) {
            buffer.resize(needed - 1);
            return buffer;
        }
        buffer.assign(needed, L'\0');
    }
}

bool FileSystem::IsFile(const std::wstring& file) const
{
    const auto data = ReadAttributeData(file);
    return data && !IsDirectory(*data);
}

bool FileSystem::IsFolder(const std::wstring& folder) const
{
    const auto data = ReadAttributeData(folder);
    return data && IsDirectory(*data);
}

std::int32_t FileSystem::GetFileAttributes(const std::wstring& file) const
{
    return static_cast<std::int32_t>(::GetFileAttributesW(PathForm::Extended(file).c_str()));
}

std::int32_t FileSystem::GetFolderAttributes(const std::wstring& folder) const
{
    return GetFileAttributes(folder);
}

void FileSystem::SetFileAttributes(const std::wstring& file, std::int32_t attr) const
{
    SetItemAttributes(file, static_cast<DWORD>(attr));
}

void FileSystem::SetFolderAttributes(const std::wstring& folder, std::int32_t attr) const
{
    SetFileAttributes(folder, attr);
}

Variant FileSystem::GetFileDateTime(const std::wstring& file) const
{
    return ModifiedText(file, false);
}

Variant FileSystem::GetFolderDateTime(const std::wstring& folder) const
{
    return ModifiedText(folder, true);
}

bool FileSystem::SetFileDateTime(const std::wstring& file, const Variant& datetime) const
{
    return SetItemTimes(file, datetime, 0);
}

bool FileSystem::SetFolderDateTime(const std::wstring& folder, const Variant& datetime) const
{
    return SetItemTimes(folder, datetime, FILE_FLAG_BACKUP_SEMANTICS);
}

std::int64_t FileSystem::GetFileSize(const std::wstring& file) const
{
    const auto data = ReadAttributeData(file);
    if (!data || IsDirectory(*data)) {
        return -1;
    }
    return (static_cast<std::int64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
}

bool FileSystem::RenameFile(const std::wstring& oldfile, const std::wstring& newfile) const
{
    return RenameItem(oldfile, newfile);
}

bool FileSystem::RenameFolder(const std::wstring& oldfolder, const std::wstring& newfolder) const
{
    return RenameItem(oldfolder, newfolder);
}

bool FileSystem::CopyFile(const std::wstring& sourcefile, const std::wstring& destinationfile) const
{
    return ::CopyFileW(PathForm::Extended(sourcefile).c_str(), PathForm::Extended(destinationfile).c_str(), FALSE) !=
        FALSE;
}

bool FileSystem::CreateFolder(const std::wstring& folder) const
{
    return ::CreateDirectoryW(PathForm::Extended(folder).c_str(), nullptr) != FALSE;
}

bool FileSystem::RemoveFile(const std::wstring& file, bool IgnoreReadonly) const
{
    if (IgnoreReadonly) {
        SetFileAttributes(file, FILE_ATTRIBUTE_NORMAL);
    }
    return ::DeleteFileW(PathForm::Extended(file).c_str()) != FALSE;
}

bool FileSystem::RemoveFolder(const std::wstring& folder, bool IgnoreReadonly) const
{
    if (IgnoreReadonly) {
        SetFolderAttributes(folder, FILE_ATTRIBUTE_NORMAL);
    }
    return ::RemoveDirectoryW(PathForm::Extended(folder).c_str()) != FALSE;
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
            if (!child.isLink) {
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
        if (!folder.isLink) {
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

bool FileSystem::ChangeFolder(const std::wstring& folder) const
{
    return ::SetCurrentDirectoryW(folder.c_str()) != FALSE;
}

std::wstring FileSystem::GetCurrentFolder() const
{
    return ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetCurrentDirectoryW(capacity, buffer); });
}
