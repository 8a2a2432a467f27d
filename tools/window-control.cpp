// A small console tool for scripts that drive the program under Wine:
//   window-control wait  TITLE [SECONDS]  waits for a visible window titled TITLE
//   window-control close TITLE [SECONDS]  asks it to close and waits for its process to end
// Closing through WM_CLOSE lets the program shut down as if the user closed it.

#include "platform/Handles.h"
#include "platform/Win32.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindVisibleWindow(const wchar_t* title)
{
    const HWND window = ::FindWindowW(nullptr, title);
    return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (const HWND window = FindVisibleWindow(title)) {
            return window;
        }
        if (::GetTickCount64() >= deadline) {
            return nullptr;
        }
        ::Sleep(100);
    }
}

int Close(const wchar_t* title, DWORD timeoutMs)
{
    const HWND window = WaitForWindow(title, timeoutMs);
    if (window == nullptr) {
        std::fwprintf(stderr, L"no window titled \"%ls\"\n", title);
        return 1;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    const KernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, processId));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process || ::WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        std::fwprintf(stderr, L"the program did not end\n");
        return 1;
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: window-control wait|close TITLE [SECONDS]\n");
        return 2;
    }
    const std::wstring command = argv[1];
    const wchar_t* title = argv[2];
    const DWORD timeoutMs = static_cast<DWORD>((argc > 3 ? std::wcstoul(argv[3], nullptr, 10) : 30) * 1000);
    if (command == L"wait") {
        return WaitForWindow(title, timeoutMs) != nullptr ? 0 : 1;
    }
    if (command == L"close") {
        return Close(title, timeoutMs);
    }
    std::fwprintf(stderr, L"unknown command\n");
    return 2;
}
