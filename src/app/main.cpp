#include "app/FormVarnook.h"
#include "app/SingleInstance.h"
#include "platform/PendingMessages.h"
#include "platform/ProgramInfo.h"
#include "platform/Win32.h"

namespace {

constexpr const wchar_t* AlreadyRunning = L"De toepassing is al actief";

int RunMainWindow(int showCommand)
{
    FormVarnook form;
    if (!form.Load(showCommand)) {
        return 1;
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        PendingMessages::Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    const HRESULT com = ::OleInitialize(nullptr);

    int exitCode = 0;
    {
        const ProgramInfo program;
        // Held for the program's whole life, before any window exists.
        const SingleInstance instance(L"Local\\" + program.CompanyName() + L"." + program.ProductName());
        if (instance.IsOnly()) {
            exitCode = RunMainWindow(showCommand);
        } else {
            // Forward before the box, so that the user sees which window is
            // meant, and again after it, so that the window and not whatever
            // was behind the box ends up active.
            SingleInstance::BringFirstForward(FormVarnook::WindowClassName);
            ::MessageBoxW(nullptr, AlreadyRunning, program.ApplicationTitle().c_str(), MB_OK | MB_ICONWARNING);
            SingleInstance::BringFirstForward(FormVarnook::WindowClassName);
        }
    }

    if (SUCCEEDED(com)) {
        ::OleUninitialize();
    }
    return exitCode;
}
