#pragma once

#include "platform/Handles.h"
#include "platform/Win32.h"

#include <string>

// A font as a component keeps it: face, size in points (a fraction, 8.25 or
// 9.75 as designed) and style. It becomes a GDI font only for a given DPI.
struct FontDesc {
    std::wstring Face;
    double Points = 0.0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    friend bool operator==(const FontDesc&, const FontDesc&) = default;

    // The system's message font, the font of dialogs and their controls:
    // it covers the user's scripts, where the old Western bitmap faces do
    // not.
    [[nodiscard]] static FontDesc MessageFont();

    // The pixel height for `dpi`: minus the points in pixels, rounded to the
    // nearest, so that 8.25 and 9.75 points keep their fractions.
    [[nodiscard]] int Height(UINT dpi) const;
    // Any character set, so Greek, Cyrillic and CJK names draw.
    [[nodiscard]] GdiObject Create(UINT dpi) const;
};
