#include "dialogs/ModuleCommonDialogs.h"

#include "platform/Boundary.h"

int CALLBACK BrowseCallbackProc(HWND dialog, UINT message, LPARAM, LPARAM data) noexcept
{
    return CallGuarded(0, [&] {
        if (message == BFFM_INITIALIZED && data != 0) {
            ::SendMessageW(dialog, BFFM_SETSELECTIONW, FALSE, data);
        }
        return 0;
    });
}
