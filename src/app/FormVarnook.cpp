#include "app/FormVarnook.h"

#include "resource.h"

bool FormVarnook::Show(int showCommand)
{
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const auto smallIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_VARNOOK), IMAGE_ICON,
        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
    if (!RegisterWindowClass(WindowClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
            ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_VARNOOK)), smallIcon)) {
        return false;
    }
    const RECT bounds{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 640, CW_USEDEFAULT + 480};
    if (!CreateOwnWindow(0, WindowClassName, program_.ApplicationTitle(), WS_OVERLAPPEDWINDOW, bounds, nullptr)) {
        return false;
    }
    ::ShowWindow(Hwnd(), showCommand);
    ::UpdateWindow(Hwnd());
    return true;
}

LRESULT FormVarnook::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefaultHandling(message, wparam, lparam);
    }
}

void FormVarnook::OnDestroy()
{
    ::PostQuitMessage(0);
}
