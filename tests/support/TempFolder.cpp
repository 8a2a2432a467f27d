#include "support/TempFolder.h"

#include "platform/Handles.h"
#include "platform/PathForm.h"
#include "platform/PlatformText.h"
#include "platform/Win32.h"

#include <atomic>
#include <stdexcept>

namespace {

std::atomic<unsigned> folderCounter{0};

std::wstring ParentOf(const std::wstring& path)
{
    const size_t separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

void CreateFolderChain(const std::wstring& folder)
{
    if (folder.empty() || TempFolder::Exists(folder)) {
        return;
    }
    CreateFolderChain(ParentOf(folder));
    if (!::CreateDirectoryW(TempFolder::LongForm(folder).c_str(), nullptr) &&
        ::GetLastError() != ERROR_ALREADY_EXISTS) {
        throw std::runtime_error("cannot create a test folder");
    }
}

} // namespace

std::wstring TempFolder::LongForm(const std::wstring& path)
{
    return PathForm::Extended(path);
}

TempFolder::TempFolder()
{
    const std::wstring temp =
        ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetTempPathW(capacity, buffer); });
    path_ = temp + L"varnook-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
        std::to_wstring(folderCounter++) + L"-" + std::to_wstring(::GetTickCount64());
    CreateFolderChain(path_);
}

TempFolder::~TempFolder()
{
    RemoveTree(path_);
}

std::wstring TempFolder::operator/(const std::wstring& relative) const
{
    return path_ + L"\\" + relative;
}

std::wstring TempFolder::MakeFile(const std::wstring& relative, const std::string& content) const
{
    const std::wstring path = *this / relative;
    CreateFolderChain(ParentOf(path));
    const FileHandle file(::CreateFileW(
        LongForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        throw std::runtime_error("cannot create a test file");
    }
    DWORD written = 0;
    if (!content.empty() &&
        !::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr)) {
        throw std::runtime_error("cannot write a test file");
    }
    return path;
}

std::wstring TempFolder::MakeFolder(const std::wstring& relative) const
{
    const std::wstring path = *this / relative;
    CreateFolderChain(path);
    return path;
}

bool TempFolder::Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(LongForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::set<std::wstring> TempFolder::NamesIn(const std::wstring& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const FindHandle search(::FindFirstFileW(LongForm(folder + L"\\*").c_str(), &entry));
    if (search) {
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") {
                names.insert(name);
            }
        } while (::FindNextFileW(search.Get(), &entry));
    }
    return names;
}

std::string TempFolder::ReadAll(const std::wstring& path)
{
    const FileHandle file(::CreateFileW(
        LongForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) {
        throw std::runtime_error("cannot open a test file");
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    return content;
}

void TempFolder::RemoveTree(const std::wstring& path)
{
    const std::wstring longPath = LongForm(path);
    const DWORD attributes = ::GetFileAttributesW(longPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    ::SetFileAttributesW(longPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ::DeleteFileW(longPath.c_str());
        return;
    }
    if (!isLink) {
        WIN32_FIND_DATAW entry;
        const FindHandle search(::FindFirstFileW((longPath + L"\\*").c_str(), &entry));
        if (search) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..") {
                    RemoveTree(path + L"\\" + name);
                }
            } while (::FindNextFileW(search.Get(), &entry));
        }
    }
    ::RemoveDirectoryW(longPath.c_str());
}

std::wstring SessionFixture(const std::wstring& name)
{
    const std::wstring root = ReadPlatformText([](wchar_t* buffer, DWORD capacity) {
        return ::GetEnvironmentVariableW(L"VARNOOK_TEST_FIXTURES", buffer, capacity);
    });
    if (root.empty()) {
        return {};
    }
    const std::wstring path = root + L"\\" + name;
    return TempFolder::Exists(path) ? path : std::wstring();
}
