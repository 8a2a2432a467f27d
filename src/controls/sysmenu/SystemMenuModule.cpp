#include "controls/sysmenu/SystemMenuModule.h"

#include "controls/plumbing/Subclassing.h"
#include "controls/sysmenu/SystemMenu.h"

// The control's own entries are its business alone; every other command,
// the system's included, goes on as it came.
LRESULT CALLBACK SystemMenuWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SYSCOMMAND) {
        auto* menu = static_cast<SystemMenu*>(::GetPropW(window, L"SystemMenu"));
        if (menu != nullptr && menu->OnSysCommand(wparam)) {
            return 0;
        }
    }
    return plumbing::Subclassing::CallPrevious(window, L"SystemMenuWindowProc", message, wparam, lparam);
}
