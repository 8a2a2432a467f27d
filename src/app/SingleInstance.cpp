#include "app/SingleInstance.h"

SingleInstance::SingleInstance(const std::wstring& name) : mutex_(::CreateMutexW(nullptr, FALSE, name.c_str()))
{
    // A mutex that cannot be made at all is no reason to refuse the user.
    isOnly_ = !mutex_ || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

void SingleInstance::BringFirstForward(const wchar_t* windowClass)
{
    const HWND first = ::FindWindowW(windowClass, nullptr);
    if (first == nullptr) {
        return;
    }
    // A window that is busy (a run, a box of its own) has an enabled popup
    // in front of it; that is the one to activate.
    const HWND popup = ::GetLastActivePopup(first);
    if (::IsIconic(first)) {
        ::ShowWindow(first, SW_RESTORE);
    }
    ::SetForegroundWindow(popup != nullptr ? popup : first);
}
