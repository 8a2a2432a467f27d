#pragma once

#include "platform/Win32.h"

#include <string>

// Shortens a path with an ellipsis so that it fits a width in pixels when
// drawn in a font: the root and as many trailing components as fit stay,
// "..." stands for the middle. Works for paths of any length.
class PathCompaction {
public:
    // `font` null stands for the default GUI font.
    explicit PathCompaction(HFONT font);

    [[nodiscard]] int TextWidth(const std::wstring& text) const;
    [[nodiscard]] std::wstring Compact(const std::wstring& path, int width) const;

private:
    [[nodiscard]] bool Fits(const std::wstring& text, int width) const { return TextWidth(text) <= width; }
    [[nodiscard]] std::wstring TruncatedName(const std::wstring& name, int width) const;

    HFONT font_;
};
