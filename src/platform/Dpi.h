#pragma once

#include "platform/Win32.h"

// Window geometry in the units the program is designed in: layouts in twips
// (1,440 to the inch) and component internals in pixels at 96 dpi, both
// turned into the pixels of a window's own DPI.
class Dpi {
public:
    static constexpr UINT Standard = 96;
    static constexpr int TwipsPerInch = 1440;

    // The DPI the window is shown at; the screen's when the platform cannot say.
    [[nodiscard]] static UINT OfWindow(HWND window);
    // The DPI of the screen the program started on.
    [[nodiscard]] static UINT OfSystem();

    [[nodiscard]] static int FromTwips(int twips, UINT dpi)
    {
        return ::MulDiv(twips, static_cast<int>(dpi), TwipsPerInch);
    }
    // A layout rectangle given as left, top, width and height in twips.
    [[nodiscard]] static RECT FromTwips(int left, int top, int width, int height, UINT dpi);
    // A length designed in pixels at 96 dpi.
    [[nodiscard]] static int Scale(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), Standard); }
};
