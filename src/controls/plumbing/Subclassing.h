#pragma once

#include "platform/Win32.h"

#include <string>
#include <utility>
#include <vector>

namespace plumbing {

// Puts a window procedure of the program's own in front of a window's
// procedure, and takes it away again. The installed procedure has the
// platform's form; it finds what it needs in named window properties: the
// previous procedure under the name `WindowProc`, and the values given with
// Add (a pointer to the control it serves) under their names. Subclasses of
// one window may be removed in any order without breaking the others.
class Subclassing {
public:
    Subclassing() = default;
    ~Subclassing() { Destroy(); }
    Subclassing(const Subclassing&) = delete;
    Subclassing& operator=(const Subclassing&) = delete;

    // True after a Create that installed (or found installed) the procedure.
    [[nodiscard]] bool Active() const noexcept { return active_; }
    [[nodiscard]] HWND OwnerHwnd() const noexcept { return ownerHwnd_; }
    void SetOwnerHwnd(HWND window) noexcept { ownerHwnd_ = window; }
    [[nodiscard]] const std::wstring& WindowProc() const noexcept { return windowProc_; }
    void SetWindowProc(std::wstring name) { windowProc_ = std::move(name); }

    // A property to set on the window at the next Create; a later entry of
    // the same name wins.
    void Add(std::wstring name, void* value);
    // Forgets the entries; properties already on the window stay there.
    void Clear() noexcept { entries_.clear(); }

    // Installs `procedure`; false when this object has it installed already
    // (Active stays true) or the platform refuses (Active false).
    bool Create(WNDPROC procedure);
    // Removes the procedure and every property it set. Safe at any time.
    void Destroy() noexcept;

    // For installed procedures: passes a message on to the procedure that
    // was in place before them.
    static LRESULT CallPrevious(HWND window, const wchar_t* windowProc, UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK Forward(
        HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR self, DWORD_PTR procedure);
    static LRESULT CALLBACK CallNextInChain(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void Uninstall() noexcept;

    bool active_ = false;
    HWND ownerHwnd_ = nullptr;
    std::wstring windowProc_;
    std::vector<std::pair<std::wstring, void*>> entries_;
    HWND installedOn_ = nullptr;
};

} // namespace plumbing
