#pragma once

#include "platform/Win32.h"

#include <vector>

// Paints a two-colour linear gradient over a window's client area, left to
// right, or top to bottom with UpDown.
class Gradient {
public:
    // Positions `First` to `Last` (inclusive, counted from the start edge)
    // share one colour.
    struct Run {
        int First;
        int Last;
        COLORREF Color;
        friend bool operator==(const Run&, const Run&) = default;
    };

    [[nodiscard]] HWND OwnerHwnd() const noexcept { return ownerHwnd_; }
    void SetOwnerHwnd(HWND window) noexcept { ownerHwnd_ = window; }
    [[nodiscard]] bool UpDown() const noexcept { return upDown_; }
    void SetUpDown(bool upDown) noexcept { upDown_ = upDown; }

    // Paints into `dc` (the owner's paint or window device context), the
    // start colour at the first pixel and the end colour at the far edge.
    void Show(HDC dc, int r1, int g1, int b1, int r2, int g2, int b2) const;

    // The colours of positions 0 to `extent`, changing linearly, each
    // channel rounded to the nearest (a half to the even), grouped into runs
    // of one colour so that each run is one fill.
    [[nodiscard]] static std::vector<Run> Runs(int extent, COLORREF start, COLORREF end);

private:
    HWND ownerHwnd_ = nullptr;
    bool upDown_ = false;
};
