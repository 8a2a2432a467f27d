#include "platform/Dpi.h"

#include "platform/Handles.h"

UINT Dpi::OfWindow(HWND window)
{
    const UINT dpi = window != nullptr ? ::GetDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : OfSystem();
}

UINT Dpi::OfSystem()
{
    const WindowDc screen(nullptr);
    const int dpi = screen.IsValid() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : Standard;
}

RECT Dpi::FromTwips(int left, int top, int width, int height, UINT dpi)
{
    // Each edge is converted on its own, so neighbours that touch in twips
    // touch in pixels too.
    return {FromTwips(left, dpi), FromTwips(top, dpi), FromTwips(left + width, dpi), FromTwips(top + height, dpi)};
}
