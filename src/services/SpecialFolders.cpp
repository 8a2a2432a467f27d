#include "services/SpecialFolders.h"

#include "platform/Handles.h"
#include "platform/PlatformText.h"
#include "platform/Win32.h"

#include <cwchar>
#include <optional>

namespace {

// The file manager answers this private message with its folder's item
// identifier list, in a shared-memory block made for the asking process.
constexpr UINT ExplorerFolderRequest = WM_USER + 12;
constexpr wchar_t ExplorerWindowClass[] = L"ExploreWClass";
// A hung file manager must not freeze the caller's window for long.
constexpr UINT ExplorerAnswerTimeoutMs = 1000;

// Empty for items outside the file system, such as the computer view.
std::wstring FileSystemPath(PCIDLIST_ABSOLUTE folder)
{
    PWSTR path = nullptr;
    // Some shells leave a freed pointer behind when they fail, so the text is
    // owned only after success.
    if (FAILED(::SHGetNameFromIDList(folder, SIGDN_FILESYSPATH, &path))) {
        return {};
    }
    const CoTaskMem owned(path);
    return path == nullptr ? std::wstring() : std::wstring(path);
}

HANDLE AskExplorerForFolderBlock(HWND explorer, DWORD processid)
{
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutW(
            explorer, ExplorerFolderRequest, processid, 0, SMTO_ABORTIFHUNG, ExplorerAnswerTimeoutMs, &answer) == 0) {
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(answer);
}

using PrinterFolderQuery = BOOL(WINAPI*)(LPWSTR, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD);

// The spooler reports the size it needs in bytes and writes a terminated
// path; no server and no environment mean this machine as it runs.
std::wstring ReadPrinterFolder(PrinterFolderQuery query)
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD capacity = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        DWORD needed = 0;
        if (query(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer.data()), capacity, &needed)) {
            buffer.resize(std::wcslen(buffer.c_str()));
            return buffer;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= capacity) {
            return {};
        }
        buffer.assign((needed + sizeof(wchar_t) - 1) / sizeof(wchar_t), L'\0');
    }
}

} // namespace

std::wstring SpecialFolders::GetExplorerFolder() const
{
    const HWND explorer = ::FindWindowW(ExplorerWindowClass, nullptr);
    if (explorer == nullptr) {
        return {};
    }
    const DWORD processid = ::GetCurrentProcessId();
    const HANDLE answer = AskExplorerForFolderBlock(explorer, processid);
    if (answer == nullptr) {
        return {};
    }
    // Any window may carry the class name and answer any value. Only a value
    // that maps as a shared block for this process is one to free: freeing
    // anything else could close one of the program's own handles. The block
    // is owned before the lock, so that it is freed after the unlock.
    std::optional<SharedMemoryBlock> block;
    const SharedMemoryLock folder(::SHLockShared(answer, processid));
    if (!folder) {
        return {};
    }
    block.emplace(answer, processid);
    return FileSystemPath(static_cast<PCIDLIST_ABSOLUTE>(folder.Get()));
}

std::wstring SpecialFolders::GetSpecialFolder(int specialfolder) const
{
    Pidl folder;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, specialfolder, folder.Put()))) {
        // What a failed call left in the slot is no list of ours to free.
        folder.Release();
    }
    return folder ? FileSystemPath(folder.Get()) : std::wstring();
}

std::wstring SpecialFolders::GetSystemFolder() const
{
    return ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetSystemDirectoryW(buffer, capacity); });
}

std::wstring SpecialFolders::GetWindowsFolder() const
{
    return ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetWindowsDirectoryW(buffer, capacity); });
}

std::wstring SpecialFolders::GetTempFolder() const
{
    return ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetTempPathW(capacity, buffer); });
}

std::wstring SpecialFolders::GetPrinterDriverFolder() const
{
    return ReadPrinterFolder(::GetPrinterDriverDirectoryW);
}

std::wstring SpecialFolders::GetPrintProcessorFolder() const
{
    return ReadPrinterFolder(::GetPrintProcessorDirectoryW);
}
