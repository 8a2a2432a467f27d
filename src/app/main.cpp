#include "app/FormVarnook.h"

#include "platform/PendingMessages.h"
#include "platform/Win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    const HRESULT com = ::OleInitialize(nullptr);

    int exitCode = 1;
    {
        FormVarnook form;
        if (form.Show(showCommand)) {
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
                PendingMessages::Dispatch(message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    }

    if (SUCCEEDED(com)) {
        ::OleUninitialize();
    }
    return exitCode;
}
