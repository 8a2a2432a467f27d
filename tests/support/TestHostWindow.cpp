#include "support/TestHostWindow.h"

#include <stdexcept>

namespace {

constexpr const wchar_t* ClassName = L"VarnookTestHostWindow";
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

} // namespace

TestHostWindow::TestHostWindow(FormSite::Mode mode, int clientWidth, int clientHeight) : site_(nullptr, mode)
{
    RegisterWindowClass(ClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, Style, FALSE, WS_EX_CONTROLPARENT);
    ::OffsetRect(&frame, 40 - frame.left, 40 - frame.top);
    if (!CreateOwnWindow(WS_EX_CONTROLPARENT, ClassName, L"Varnook test host", Style, frame, nullptr)) {
        throw std::runtime_error("cannot create the test host window");
    }
    site_.SetHostWindow(Hwnd());
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
}

LRESULT TestHostWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefaultHandling(message, wparam, lparam);
}
