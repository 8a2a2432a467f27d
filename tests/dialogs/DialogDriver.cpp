#include "dialogs/DialogDriver.h"

#include <chrono>
#include <optional>

namespace {

using namespace std::chrono_literals;

constexpr auto DialogAppears = 20s;
// Some dialogs (message boxes of the platform's own) belong to another
// window; they are taken as ready once they have been visible this long.
constexpr auto ReadyWithoutSign = 2s;
constexpr auto DialogCloses = 10s;
constexpr auto PollInterval = 20ms;

bool IsVisibleDialog(HWND window)
{
    wchar_t name[16] = L"";
    ::GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770" && ::IsWindowVisible(window);
}

HWND VisibleDialogOf(DWORD thread)
{
    HWND found = nullptr;
    ::EnumThreadWindows(
        thread,
        [](HWND window, LPARAM param) -> BOOL {
            if (!IsVisibleDialog(window)) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(param) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool WaitUntilGone(HWND dialog)
{
    const auto deadline = std::chrono::steady_clock::now() + DialogCloses;
    while (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(PollInterval);
    }
    return true;
}

} // namespace

DialogOwner::DialogOwner()
{
    static const ATOM windowClass = [] {
        WNDCLASSW description{};
        description.lpfnWndProc = WindowProc;
        description.hInstance = ::GetModuleHandleW(nullptr);
        description.lpszClassName = L"VarnookDialogOwner";
        return ::RegisterClassW(&description);
    }();
    window_ = ::CreateWindowExW(0, MAKEINTATOM(windowClass), L"Varnook testeigenaar", WS_OVERLAPPEDWINDOW, 0, 0, 300,
        200, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
}

DialogOwner::~DialogOwner()
{
    ::DestroyWindow(window_);
}

LRESULT CALLBACK DialogOwner::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    if (message == WM_ENTERIDLE) {
        if (auto* owner = reinterpret_cast<DialogOwner*>(::GetWindowLongPtrW(window, GWLP_USERDATA))) {
            owner->dialogWaits_ = true;
        }
    }
    return ::DefWindowProcW(window, message, wparam, lparam);
}

DialogDriver::DialogDriver(DialogOwner& owner, Action action) : owner_(owner), thread_(::GetCurrentThreadId())
{
    owner_.Forget();
    worker_ = std::thread([this, action = std::move(action)] { Run(action); });
}

DialogDriver::~DialogDriver()
{
    Finish();
}

bool DialogDriver::Finish()
{
    stop_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
    return found_ && closedByAction_;
}

void DialogDriver::Run(const Action& action)
{
    if (const HWND dialog = WaitForDialog()) {
        found_ = true;
        action(dialog);
        closedByAction_ = WaitUntilGone(dialog);
    }
    CancelLeftovers();
}

HWND DialogDriver::WaitForDialog() const
{
    const auto deadline = std::chrono::steady_clock::now() + DialogAppears;
    std::optional<std::chrono::steady_clock::time_point> seen;
    while (!stop_ && std::chrono::steady_clock::now() < deadline) {
        if (const HWND dialog = VisibleDialogOf(thread_)) {
            const auto now = std::chrono::steady_clock::now();
            seen = seen.value_or(now);
            if (owner_.DialogWaits() || now - *seen >= ReadyWithoutSign) {
                return dialog;
            }
        }
        std::this_thread::sleep_for(PollInterval);
    }
    return nullptr;
}

void DialogDriver::CancelLeftovers() const
{
    while (!stop_) {
        if (const HWND dialog = VisibleDialogOf(thread_)) {
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        std::this_thread::sleep_for(5 * PollInterval);
    }
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ClickButton(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PressOk(HWND dialog)
{
    ClickButton(dialog, IDOK);
}

void PressCancel(HWND dialog)
{
    ClickButton(dialog, IDCANCEL);
}
