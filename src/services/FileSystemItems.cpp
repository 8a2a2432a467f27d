#include "services/FileSystem.h"

#include "platform/PathForm.h"
#include "platform/PlatformText.h"
#include "services/FileStepSeam.h"
#include "services/FileSystemDetail.h"

using namespace FileSystemDetail;

namespace FileSystemDetail {
namespace {

bool HandleIsLink(const FileHandle& item)
{
    FILE_ATTRIBUTE_TAG_INFO tag{};
    return ::GetFileInformationByHandleEx(item.Get(), FileAttributeTagInfo, &tag, sizeof(tag)) &&
        (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

} // namespace

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

bool IsLink(DWORD attributes)
{
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

FileHandle OpenItemItself(const std::wstring& path, DWORD attributes, DWORD access, DWORD flags)
{
    FileHandle item(::CreateFileW(PathForm::Extended(path).c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
        flags | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (item && IsLink(attributes) && !HandleIsLink(item)) {
        item.Reset();
    }
    return item;
}

} // namespace FileSystemDetail

namespace {

// SetFileAttributesW follows links; through a handle the link itself changes.
void SetLinkAttributes(const std::wstring& path, DWORD current, DWORD attributes)
{
    const FileHandle item = OpenItemItself(path, current, FILE_WRITE_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
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
    const DWORD current = ::GetFileAttributesW(extendedPath.c_str());
    if (IsLink(current)) {
        SetLinkAttributes(path, current, attributes);
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

} // namespace

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
    if (!FileStepSeam::Allows(FileStep::ReadAttributes, file)) {
        return -1;
    }
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

std::int64_t FileSystem::GetFileSize(const std::wstring& file) const
{
    const auto data = ReadAttributeData(file);
    if (!data || IsDirectory(*data)) {
        return -1;
    }
    return (static_cast<std::int64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
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

bool FileSystem::ChangeFolder(const std::wstring& folder) const
{
    return ::SetCurrentDirectoryW(folder.c_str()) != FALSE;
}

std::wstring FileSystem::GetCurrentFolder() const
{
    return ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetCurrentDirectoryW(capacity, buffer); });
}
