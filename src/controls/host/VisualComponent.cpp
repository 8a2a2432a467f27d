#include "controls/host/VisualComponent.h"

#include <stdexcept>

VisualComponent::VisualComponent(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id)
    : Component(site, std::move(name))
{
    RegisterWindowClass(WindowClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateOwnWindow(WS_EX_CONTROLPARENT, WindowClassName, Name(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds,
            site.HostWindow(), id)) {
        throw std::runtime_error("cannot create a component's window");
    }
}

void VisualComponent::SetBounds(RECT bounds)
{
    ::MoveWindow(Hwnd(), bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

int VisualComponent::ClientWidth() const
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    return client.right;
}

int VisualComponent::ClientHeight() const
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    return client.bottom;
}

WindowHandle VisualComponent::CreatePlatformWindow(const wchar_t* className, DWORD style, DWORD exStyle)
{
    return WindowHandle(::CreateWindowExW(exStyle, className, L"", style, 0, 0, ClientWidth(), ClientHeight(), Hwnd(),
        nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

LRESULT VisualComponent::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SIZE:
        Resize();
        return 0;
    case WM_DESTROY:
        OnPlatformWindowGone();
        return OnMessage(message, wparam, lparam);
    default:
        return OnMessage(message, wparam, lparam);
    }
}

LRESULT VisualComponent::OnMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefaultHandling(message, wparam, lparam);
}
