#include "platform/PendingMessages.h"

#include <algorithm>
#include <vector>

namespace {

// Everything here is touched only from the user-interface thread.
std::vector<HWND>& KeyPreviewWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

std::vector<HWND>& NavigationWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

void AddOnce(std::vector<HWND>& windows, HWND window)
{
    if (window != nullptr && std::find(windows.begin(), windows.end(), window) == windows.end()) {
        windows.push_back(window);
    }
}

void Remove(std::vector<HWND>& windows, HWND window)
{
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

PendingMessages::KeyFilter*& ActiveKeyFilter()
{
    static PendingMessages::KeyFilter* filter = nullptr;
    return filter;
}

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP;
}

bool IsKeyRelease(UINT message)
{
    return message == WM_KEYUP || message == WM_SYSKEYUP;
}

bool Contains(HWND window, HWND target)
{
    return ::IsWindow(window) && (target == window || ::IsChild(window, target));
}

void PreviewKeyRelease(const MSG& message)
{
    for (HWND window : KeyPreviewWindows()) {
        if (message.hwnd != window && Contains(window, message.hwnd)) {
            ::SendMessageW(window, message.message, message.wParam, message.lParam);
            return;
        }
    }
}

bool Navigate(MSG message)
{
    for (HWND window : NavigationWindows()) {
        if (Contains(window, message.hwnd)) {
            return ::IsDialogMessageW(window, &message) != FALSE;
        }
    }
    return false;
}

} // namespace

bool PendingMessages::Process()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The outer loops, the program's main loop last, must see it too.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Dispatch(message);
    }
    return true;
}

bool PendingMessages::IsQuitPending()
{
    MSG message;
    return ::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

void PendingMessages::Dispatch(const MSG& message)
{
    if (IsKeyRelease(message.message)) {
        PreviewKeyRelease(message);
    }
    if (IsKeyMessage(message.message) && ActiveKeyFilter() != nullptr && ActiveKeyFilter()->TranslateKey(message)) {
        return;
    }
    if (Navigate(message)) {
        return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void PendingMessages::AddKeyPreview(HWND window)
{
    AddOnce(KeyPreviewWindows(), window);
}

void PendingMessages::RemoveKeyPreview(HWND window)
{
    Remove(KeyPreviewWindows(), window);
}

void PendingMessages::AddNavigation(HWND window)
{
    AddOnce(NavigationWindows(), window);
}

void PendingMessages::RemoveNavigation(HWND window)
{
    Remove(NavigationWindows(), window);
}

void PendingMessages::SetKeyFilter(KeyFilter* filter)
{
    ActiveKeyFilter() = filter;
}

void PendingMessages::RemoveKeyFilter(KeyFilter* filter)
{
    if (ActiveKeyFilter() == filter) {
        ActiveKeyFilter() = nullptr;
    }
}
