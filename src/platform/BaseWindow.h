#pragma once

#include "platform/Boundary.h"
#include "platform/Win32.h"

#include <string>

// Every window of the program is a C++ object of a class T derived from
// BaseWindow<T>: the object is found from the window at every message (it is
// stored at WM_NCCREATE, before any other message a handler could see), and
// messages reach T::HandleMessage, which calls its OnXxx handlers. No
// exception leaves the window procedure.
//
// The window belongs to the object: destroying the object destroys the
// window. The object is detached first, because by then the derived part is
// gone and must not see WM_DESTROY.
template <typename T>
class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    [[nodiscard]] HWND Hwnd() const noexcept { return window_; }

protected:
    ~BaseWindow() { DestroyOwnWindow(); }

    // Registers the class once per process; the window procedure is this
    // template's. Later calls with the same name are answered from the first.
    static bool RegisterWindowClass(const wchar_t* className, UINT style, HBRUSH background, HICON icon = nullptr,
        HICON smallIcon = nullptr, HCURSOR cursor = ::LoadCursorW(nullptr, IDC_ARROW))
    {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.style = style;
        windowClass.lpfnWndProc = &BaseWindow::WindowProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hIcon = icon;
        windowClass.hIconSm = smallIcon;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }

    bool CreateOwnWindow(DWORD exStyle, const wchar_t* className, const std::wstring& text, DWORD style, RECT bounds,
        HWND parent, UINT_PTR id = 0)
    {
        ::CreateWindowExW(exStyle, className, text.c_str(), style, bounds.left, bounds.top, bounds.right - bounds.left,
            bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(id), ::GetModuleHandleW(nullptr),
            static_cast<T*>(this));
        return window_ != nullptr;
    }

    void DestroyOwnWindow() noexcept
    {
        if (window_ != nullptr) {
            const HWND window = window_;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            ::DestroyWindow(window);
        }
    }

    LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam)
    {
        return ::DefWindowProcW(window_, message, wparam, lparam);
    }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
            auto* self = static_cast<T*>(creation->lpCreateParams);
            static_cast<BaseWindow*>(self)->window_ = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr) {
            return ::DefWindowProcW(window, message, wparam, lparam);
        }
        if (message == WM_NCDESTROY) {
            // The window goes on its own (its parent went): the object stays
            // and only forgets it.
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            const LRESULT result =
                CallGuarded<LRESULT>(0, [&] { return self->HandleMessage(message, wparam, lparam); });
            static_cast<BaseWindow*>(self)->window_ = nullptr;
            return result;
        }
        return CallGuarded<LRESULT>(0, [&] { return self->HandleMessage(message, wparam, lparam); });
    }

    HWND window_ = nullptr;
};
