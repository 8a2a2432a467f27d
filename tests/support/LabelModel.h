#pragma once

#include "controls/standard/LabelState.h"

#include <cstdint>
#include <string>

// The folder label held in memory; its width and font are whatever the
// owner gives it.
class LabelModel final : public LabelState {
public:
    explicit LabelModel(std::int32_t width) noexcept : width_(width) {}

    [[nodiscard]] std::wstring Caption() const override { return caption_; }
    void SetCaption(const std::wstring& caption) override { caption_ = caption; }
    [[nodiscard]] std::wstring ToolTipText() const override { return toolTipText_; }
    void SetToolTipText(const std::wstring& text) override { toolTipText_ = text; }
    [[nodiscard]] std::int32_t Width() const override { return width_; }
    [[nodiscard]] HFONT Font() const override { return font_; }

    void SetWidth(std::int32_t width) noexcept { width_ = width; }
    // The font stays the caller's; the label only measures with it.
    void SetFont(HFONT font) noexcept { font_ = font; }

private:
    std::wstring caption_;
    std::wstring toolTipText_;
    std::int32_t width_;
    HFONT font_ = nullptr;
};
