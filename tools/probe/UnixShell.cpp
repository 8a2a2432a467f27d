#include "probe/UnixShell.h"

#include "platform/PlatformText.h"
#include "platform/Win32.h"
#include "probe/ProbeError.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::atomic<unsigned> markerCounter{0};

// Wine's exports that map paths between the two systems; absent on Windows.
using UnixNameOf = char*(CDECL*)(const wchar_t*);
using DosNameOf = wchar_t*(CDECL*)(const char*);

template <typename Function>
Function WineExport(const char* name)
{
    const auto function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), name)));
    if (function == nullptr) {
        throw ProbeError(L"this is no Wine: Unix commands cannot run");
    }
    return function;
}

// One argument of a Windows command line, quoted so that Wine's splitting
// hands it to the Unix program unchanged.
std::wstring QuoteArgument(const std::wstring& argument)
{
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t character : argument) {
        if (character == L'\\') {
            ++backslashes;
            continue;
        }
        if (character == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
        } else {
            quoted.append(backslashes, L'\\');
        }
        backslashes = 0;
        quoted += character;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::string ReadFile(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

UnixShell::Result UnixShell::Run(const std::string& command, Await::Milliseconds timeout)
{
    const std::wstring temp =
        ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetTempPathW(capacity, buffer); });
    const std::wstring marker =
        temp + L"varnook-probe-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(markerCounter++);
    const std::wstring status = marker + L".status";
    const std::wstring output = marker + L".out";
    const std::string unixStatus = Quote(UnixPath(status));
    // The command runs in a subshell, so that even its `exit` leaves the
    // status to be written; the status is written under another name and
    // renamed, so that the waiting side never reads a half-written file.
    const std::string script = "( " + command + "\n) </dev/null >" + Quote(UnixPath(output)) + " 2>&1; echo $? >" +
        unixStatus + ".part; mv " + unixStatus + ".part " + unixStatus;
    std::wstring commandLine = L"/bin/sh -c " + QuoteArgument(FromUtf8(script));

    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(
            nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        throw ProbeError(L"cannot start /bin/sh (error " + std::to_wstring(::GetLastError()) + L")");
    }
    // For a Unix program Wine fills the handles in `started` from a record it
    // never set: they are whatever its stack held, often a live handle of
    // this process (the cached HKEY_CURRENT_USER, say). They are not ours,
    // so they are neither closed nor used.

    if (!Await::Until([&status] { return ::GetFileAttributesW(status.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeout)) {
        throw ProbeError(L"the Unix command did not end in time: " + FromUtf8(command));
    }
    Result result;
    std::istringstream(ReadFile(status)) >> result.status;
    result.output = ReadFile(output);
    ::DeleteFileW(status.c_str());
    ::DeleteFileW(output.c_str());
    return result;
}

std::string UnixShell::Check(const std::string& command, Await::Milliseconds timeout)
{
    Result result = Run(command, timeout);
    if (result.status != 0) {
        throw ProbeError(L"the Unix command failed with status " + std::to_wstring(result.status) + L": " +
            FromUtf8(command) + L"\n" + FromUtf8(result.output));
    }
    return result.output;
}

std::string UnixShell::Quote(const std::string& word)
{
    std::string quoted = "'";
    for (const char character : word) {
        quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return quoted + "'";
}

std::string UnixShell::UnixPath(const std::wstring& windowsPath)
{
    char* const path = WineExport<UnixNameOf>("wine_get_unix_file_name")(windowsPath.c_str());
    if (path == nullptr) {
        throw ProbeError(L"Wine has no Unix path for " + windowsPath);
    }
    std::string result(path);
    ::HeapFree(::GetProcessHeap(), 0, path);
    return result;
}

std::wstring UnixShell::WindowsPath(const std::string& unixPath)
{
    wchar_t* const path = WineExport<DosNameOf>("wine_get_dos_file_name")(unixPath.c_str());
    if (path == nullptr) {
        throw ProbeError(L"Wine has no Windows path for " + FromUtf8(unixPath));
    }
    std::wstring result(path);
    ::HeapFree(::GetProcessHeap(), 0, path);
    return result;
}
