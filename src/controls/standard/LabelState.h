#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>

// A label, with what is needed to fit a text such as a path into it.
class LabelState {
public:
    virtual ~LabelState() = default;

    [[nodiscard]] virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;
    [[nodiscard]] virtual std::wstring ToolTipText() const = 0;
    virtual void SetToolTipText(const std::wstring& text) = 0;

    // The width in pixels that a caption has to fit into.
    [[nodiscard]] virtual std::int32_t Width() const = 0;
    // The font the caption is measured in; null stands for the default GUI font.
    [[nodiscard]] virtual HFONT Font() const = 0;
};
