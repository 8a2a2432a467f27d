#include "support/HostShell.h"

#include "platform/PlatformText.h"
#include "platform/Win32.h"
#include "support/TempFolder.h"

#include <atomic>

namespace {

std::atomic<unsigned> commandCounter{0};

bool StartOnHost(const std::string& command)
{
    // Wine hands a host program its arguments split by the Windows rules:
    // the command is one argument in double quotes.
    std::string commandLine = "/bin/sh -c \"";
    for (const char c : command) {
        commandLine += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    commandLine += '"';
    STARTUPINFOA startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(
            "/bin/sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    for (const HANDLE handle : {process.hProcess, process.hThread}) {
        if (handle != nullptr) {
            ::CloseHandle(handle);
        }
    }
    return true;
}

} // namespace

std::string HostPath(const std::wstring& path)
{
    using UnixFileName = char*(CDECL*)(const wchar_t*);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* hostPath = unixFileName != nullptr ? unixFileName(path.c_str()) : nullptr;
    if (hostPath == nullptr) {
        return {};
    }
    std::string result = hostPath;
    ::HeapFree(::GetProcessHeap(), 0, hostPath);
    return result;
}

bool RunOnHost(const std::string& command)
{
    // Wine starts a host program without a process handle to wait on, so the
    // command leaves its exit status in a file that the test waits for.
    const std::wstring temp =
        ReadPlatformText([](wchar_t* buffer, DWORD capacity) { return ::GetTempPathW(capacity, buffer); });
    const std::wstring status =
        temp + L"varnook-host-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(commandCounter++);
    const std::string hostStatus = HostPath(status);
    if (hostStatus.empty() ||
        !StartOnHost("(" + command + "); echo $? > " + ShellQuoted(hostStatus + ".part") + " && mv " +
            ShellQuoted(hostStatus + ".part") + " " + ShellQuoted(hostStatus))) {
        return false;
    }
    for (int waited = 0; waited < 1000 && !TempFolder::Exists(status); ++waited) {
        ::Sleep(10);
    }
    if (!TempFolder::Exists(status)) {
        return false;
    }
    const std::string exitStatus = TempFolder::ReadAll(status);
    ::DeleteFileW(status.c_str());
    return exitStatus == "0\n";
}

std::string ShellQuoted(const std::string& path)
{
    std::string quoted = "'";
    for (const char c : path) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}
