#include "app/FormVarnook.h"

#include "resource.h"
#include "runtime/Boundary.h"

FormVarnook::FormVarnook(HINSTANCE instance) : instance_(instance)
{
}

bool FormVarnook::RegisterWindowClass() const
{
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = &FormVarnook::WindowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VARNOOK));
    windowClass.hIconSm = static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_VARNOOK), IMAGE_ICON,
        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClassName;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool FormVarnook::Show(int showCommand)
{
    if (!RegisterWindowClass()) {
        return false;
    }
    const std::wstring title = program_.ApplicationTitle();
    window_ = ::CreateWindowExW(0, WindowClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
        640, 480, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    ::ShowWindow(window_, showCommand);
    ::UpdateWindow(window_);
    return true;
}

LRESULT CALLBACK FormVarnook::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallGuarded<LRESULT>(0, [&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
            auto* form = static_cast<FormVarnook*>(creation->lpCreateParams);
            form->window_ = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        }
        auto* form = reinterpret_cast<FormVarnook*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (form == nullptr) {
            return ::DefWindowProcW(window, message, wparam, lparam);
        }
        return form->HandleMessage(message, wparam, lparam);
    });
}

LRESULT FormVarnook::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_DESTROY:
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window_, message, wparam, lparam);
    }
}
