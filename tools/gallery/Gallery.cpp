// Shows one scene of components in a window titled "Varnook gallery: NAME".
//   gallery NAME     shows the scene until the window is closed
//   gallery --list   prints the scene names

#include "Gallery.h"

#include "platform/Dpi.h"
#include "platform/PendingMessages.h"

#include <cstdio>
#include <stdexcept>

namespace {

constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::vector<Scene>& RegisteredScenes()
{
    static std::vector<Scene> scenes;
    return scenes;
}

} // namespace

SceneRegistration::SceneRegistration(const Scene& scene)
{
    RegisteredScenes().push_back(scene);
}

const std::vector<Scene>& SceneRegistration::Scenes()
{
    return RegisteredScenes();
}

GalleryWindow::GalleryWindow(const std::wstring& title, int clientWidth, int clientHeight) : site_(nullptr)
{
    RegisterWindowClass(L"PellonarVarnookGallery", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const UINT dpi = Dpi::OfSystem();
    RECT frame{0, 0, Dpi::FromTwips(clientWidth, dpi), Dpi::FromTwips(clientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&frame, Style, FALSE, WS_EX_CONTROLPARENT, dpi);
    ::OffsetRect(&frame, 20 - frame.left, 20 - frame.top);
    if (!CreateOwnWindow(WS_EX_CONTROLPARENT, L"PellonarVarnookGallery", title, Style, frame, nullptr)) {
        throw std::runtime_error("cannot create the gallery window");
    }
    site_.SetHostWindow(Hwnd());
}

RECT GalleryWindow::FromTwips(int left, int top, int width, int height) const
{
    return Dpi::FromTwips(left, top, width, height, site_.Dpi());
}

LRESULT GalleryWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return DefaultHandling(message, wparam, lparam);
}

int wmain(int argc, wchar_t** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    const std::wstring wanted = argc > 1 ? argv[1] : L"--list";
    for (const Scene& scene : SceneRegistration::Scenes()) {
        if (wanted == L"--list") {
            std::wprintf(L"%ls\n", scene.Name);
        } else if (wanted == scene.Name) {
            GalleryWindow window(
                std::wstring(L"Varnook gallery: ") + scene.Name, scene.ClientWidthTwips, scene.ClientHeightTwips);
            scene.Build(window);
            ::ShowWindow(window.Hwnd(), SW_SHOWNORMAL);
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
                PendingMessages::Dispatch(message);
            }
            return 0;
        }
    }
    return wanted == L"--list" ? 0 : 1;
}
