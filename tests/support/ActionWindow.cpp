#include "support/ActionWindow.h"

#include "platform/Boundary.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr UINT RunPostedMessage = WM_APP + 1;
constexpr const wchar_t* ClassName = L"VarnookTestActionWindow";

void RegisterActionClass(WNDPROC procedure)
{
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    ::RegisterClassExW(&windowClass);
}

} // namespace

ActionWindow::ActionWindow()
{
    RegisterActionClass(&ActionWindow::WindowProcedure);
    window_ = ::CreateWindowExW(
        0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("cannot create the action window");
    }
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ActionWindow::~ActionWindow()
{
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
    // Leave no posted wake-up behind for the next test's loops.
    MSG message;
    while (::PeekMessageW(&message, window_, 0, 0, PM_REMOVE)) {}
}

void ActionWindow::Post(Action action)
{
    posted_.push_back(std::move(action));
    ::PostMessageW(window_, RunPostedMessage, 0, 0);
}

void ActionWindow::After(UINT milliseconds, Action action)
{
    const UINT_PTR timer = nextTimer_++;
    timed_.emplace(timer, std::move(action));
    ::SetTimer(window_, timer, milliseconds, nullptr);
}

void ActionWindow::RunPosted()
{
    if (posted_.empty()) {
        return;
    }
    Action action = std::move(posted_.front());
    posted_.pop_front();
    action();
}

void ActionWindow::RunTimed(UINT_PTR timer)
{
    ::KillTimer(window_, timer);
    const auto found = timed_.find(timer);
    if (found == timed_.end()) {
        return;
    }
    Action action = std::move(found->second);
    timed_.erase(found);
    action();
}

LRESULT CALLBACK ActionWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallGuarded<LRESULT>(0, [&]() -> LRESULT {
        auto* self = reinterpret_cast<ActionWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == RunPostedMessage) {
            self->RunPosted();
            return 0;
        }
        if (self != nullptr && message == WM_TIMER) {
            self->RunTimed(wparam);
            return 0;
        }
        return ::DefWindowProcW(window, message, wparam, lparam);
    });
}
