#include "services/FileSystem.h"

#include "platform/PathForm.h"
#include "services/FileStepSeam.h"
#include "services/FileSystemDetail.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <set>

using namespace FileSystemDetail;

namespace {

bool PathsEqualIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
        CSTR_EQUAL;
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

bool Move(FileStep step, const std::wstring& from, const std::wstring& to)
{
    return FileStepSeam::Allows(step, to) && Move(from, to);
}

bool HasRequestedName(const std::wstring& path)
{
    return NameOnDisk(path) == NamePart(path);
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

// In a case-sensitive folder (Windows has them, and Wine shows Linux
// folders as they are) "Foto.jpg" and "FOTO.JPG" can be two entries. Going
// through a temporary name would then strand the item there: the new name
// is taken, and a case-blind look-up of the old one finds the other entry.
bool NewSpellingIsAnotherEntry(const std::wstring& oldpath, const std::wstring& newpath)
{
    return HasRequestedName(newpath) && HasRequestedName(oldpath);
}

// Some file systems (and Wine) report success for a rename that changes only
// the letter case and leave the old name. Going through a temporary name
// forces the change; if the second step fails the item gets its old name
// back, and if that fails too it stays under the temporary name, which
// `currentpath` then tells. A move to a name that no item holds stores that
// name as given.
bool RenameThroughTemporaryName(const std::wstring& oldpath, const std::wstring& newpath, std::wstring& currentpath)
{
    currentpath = oldpath;
    if (NewSpellingIsAnotherEntry(oldpath, newpath)) {
        return false;
    }
    const std::wstring temporary = UnusedTemporaryName(FolderPart(newpath));
    if (!Move(FileStep::MoveToTemporaryName, oldpath, temporary)) {
        return false;
    }
    if (Move(FileStep::MoveToNewName, temporary, newpath)) {
        currentpath = newpath;
        return true;
    }
    if (!Move(FileStep::MoveBackToOldName, temporary, oldpath)) {
        currentpath = temporary;
    }
    return false;
}

bool Rename(const std::wstring& oldpath, const std::wstring& newpath, std::wstring& currentpath)
{
    currentpath = oldpath;
    const bool caseOnly = oldpath != newpath && PathsEqualIgnoringCase(oldpath, newpath);
    const std::wstring root = caseOnly ? RootOf(newpath) : std::wstring();
    if (caseOnly && caseBlindRoots.Contains(root)) {
        return RenameThroughTemporaryName(oldpath, newpath, currentpath);
    }
    if (!Move(oldpath, newpath)) {
        return false;
    }
    currentpath = newpath;
    if (oldpath == newpath || HasRequestedName(newpath)) {
        return true;
    }
    if (!caseOnly) {
        return false;
    }
    caseBlindRoots.Add(root);
    return RenameThroughTemporaryName(oldpath, newpath, currentpath);
}

} // namespace

bool FileSystem::RenameFile(const std::wstring& oldfile, const std::wstring& newfile) const
{
    std::wstring currentpath;
    return Rename(oldfile, newfile, currentpath);
}

bool FileSystem::RenameFolder(const std::wstring& oldfolder, const std::wstring& newfolder) const
{
    std::wstring currentpath;
    return Rename(oldfolder, newfolder, currentpath);
}

bool FileSystem::RenameItem(const std::wstring& oldpath, const std::wstring& newpath, std::wstring& currentpath) const
{
    return Rename(oldpath, newpath, currentpath);
}
