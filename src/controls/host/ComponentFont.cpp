#include "controls/host/ComponentFont.h"

HFONT ComponentFont::Get(const FontDesc& font, UINT dpi)
{
    if (!Holds(font, dpi)) {
        Keep(font.Create(dpi), font, dpi);
    }
    return static_cast<HFONT>(font_.Get());
}

bool ComponentFont::Apply(HWND window, const FontDesc& font, UINT dpi)
{
    if (Holds(font, dpi)) {
        if (window != window_) {
            ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
            window_ = window;
        }
        return true;
    }
    GdiObject created = font.Create(dpi);
    if (!created) {
        return false;
    }
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(created.Get()), TRUE);
    window_ = window;
    Keep(std::move(created), font, dpi);
    return true;
}

void ComponentFont::Keep(GdiObject created, const FontDesc& font, UINT dpi)
{
    font_ = std::move(created);
    desc_ = font;
    dpi_ = dpi;
}
