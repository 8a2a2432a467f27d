#pragma once

#include "controls/host/FontDesc.h"
#include "platform/Handles.h"
#include "platform/Win32.h"

// The GDI font a component draws with or gives its platform window. It is
// made anew only when the description or the DPI changes, and a window
// always holds a live font: the new one is sent before the old one is
// deleted. A window that holds the font must go before this object does.
class ComponentFont {
public:
    // Null when the platform could not make the font.
    [[nodiscard]] HFONT Get(const FontDesc& font, UINT dpi);
    // False when the platform could not make the font; the window keeps the one it has.
    bool Apply(HWND window, const FontDesc& font, UINT dpi);
    // The font last made; null before the first.
    [[nodiscard]] HFONT Handle() const noexcept { return static_cast<HFONT>(font_.Get()); }

private:
    [[nodiscard]] bool Holds(const FontDesc& font, UINT dpi) const
    {
        return font_ && font == desc_ && dpi == dpi_;
    }
    void Keep(GdiObject created, const FontDesc& font, UINT dpi);

    GdiObject font_;
    FontDesc desc_;
    UINT dpi_ = 0;
    HWND window_ = nullptr;
};
