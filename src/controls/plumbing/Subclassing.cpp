#include "controls/plumbing/Subclassing.h"

#include "platform/Boundary.h"

namespace plumbing {

namespace {

bool IsOwnWindow(HWND window)
{
    return ::IsWindow(window) && ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId();
}

} // namespace

void Subclassing::Add(std::wstring name, void* value)
{
    entries_.emplace_back(std::move(name), value);
}

bool Subclassing::Create(WNDPROC procedure)
{
    active_ = false;
    if (installedOn_ != nullptr) {
        active_ = true;
        return false;
    }
    // The comctl32 chain keeps every other subclass of the window intact
    // whichever is removed first, which a replaced window procedure cannot.
    // It only serves windows of this thread, and Wine does not check that
    // the handle is a window at all.
    if (procedure == nullptr || !IsOwnWindow(ownerHwnd_) ||
        !::SetWindowSubclass(ownerHwnd_, &Subclassing::Forward, reinterpret_cast<UINT_PTR>(this),
            reinterpret_cast<DWORD_PTR>(procedure))) {
        return false;
    }
    installedOn_ = ownerHwnd_;
    ::SetPropW(installedOn_, windowProc_.c_str(), reinterpret_cast<HANDLE>(&Subclassing::CallNextInChain));
    for (const auto& [name, value] : entries_) {
        ::SetPropW(installedOn_, name.c_str(), value);
    }
    active_ = true;
    return true;
}

void Subclassing::Destroy() noexcept
{
    active_ = false;
    Uninstall();
}

void Subclassing::Uninstall() noexcept
{
    if (installedOn_ == nullptr) {
        return;
    }
    const HWND window = std::exchange(installedOn_, nullptr);
    if (!::IsWindow(window)) {
        return;
    }
    ::RemoveWindowSubclass(window, &Subclassing::Forward, reinterpret_cast<UINT_PTR>(this));
    ::RemovePropW(window, windowProc_.c_str());
    for (const auto& entry : entries_) {
        ::RemovePropW(window, entry.first.c_str());
    }
}

LRESULT Subclassing::CallPrevious(HWND window, const wchar_t* windowProc, UINT message, WPARAM wparam, LPARAM lparam)
{
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropW(window, windowProc));
    return previous != nullptr ? ::CallWindowProcW(previous, window, message, wparam, lparam)
                               : ::DefWindowProcW(window, message, wparam, lparam);
}

// Inside a subclass procedure the next procedure of the chain is reached
// through DefSubclassProc; this gives it the form of a window procedure.
LRESULT CALLBACK Subclassing::CallNextInChain(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return ::DefSubclassProc(window, message, wparam, lparam);
}

LRESULT CALLBACK Subclassing::Forward(
    HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR self, DWORD_PTR procedure)
{
    const LRESULT result =
        CallGuarded<LRESULT>(0, [&] { return reinterpret_cast<WNDPROC>(procedure)(window, message, wparam, lparam); });
    if (message == WM_NCDESTROY) {
        // The window is going: the subclass and its properties go with it.
        reinterpret_cast<Subclassing*>(self)->Uninstall();
    }
    return result;
}

} // namespace plumbing
