#pragma once

#include "controls/ProgressBarState.h"
#include "controls/host/VisualComponent.h"
#include "platform/Handles.h"

#include <cstdint>

// The progress bar: a platform progress control that keeps its settings
// itself and guards its range (0 <= Min < Max, Min <= Value <= Max). A run
// steps Value once per entry, so a step sends the bar only what changed on
// screen: its position, and only when the filled width moves by a pixel.
class ProgressBar final : public VisualComponent, public ProgressBarState {
public:
    ProgressBar(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id);

    void InitProperties() override;
    void ReadProperties(const PropertyStore& store) override;
    void WriteProperties(PropertyStore& store) const override;
    void Resize() override;

    // 0 flat, 1 sunken three-dimensional edge.
    [[nodiscard]] std::int32_t Appearance() const noexcept { return appearance_; }
    void SetAppearance(std::int32_t appearance);
    // 0 none, 1 a thin single border.
    [[nodiscard]] std::int32_t BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(std::int32_t borderStyle);
    // The bar's colour as an OLE colour; under visual styles the theme's colour shows instead.
    [[nodiscard]] std::int32_t ForeColor() const noexcept { return foreColor_; }
    void SetForeColor(std::int32_t color);
    // 0 horizontal, 1 vertical.
    [[nodiscard]] std::int32_t Orientation() const noexcept { return orientation_; }
    void SetOrientation(std::int32_t orientation);
    // 0 segmented, 1 smooth.
    [[nodiscard]] std::int32_t Scrolling() const noexcept { return scrolling_; }
    void SetScrolling(std::int32_t scrolling);

    [[nodiscard]] std::int32_t Min() const override { return min_; }
    void SetMin(std::int32_t min) override;
    [[nodiscard]] std::int32_t Max() const override { return max_; }
    void SetMax(std::int32_t max) override;
    [[nodiscard]] std::int32_t Value() const override { return value_; }
    void SetValue(std::int32_t value) override;

    [[nodiscard]] HWND ControlHwnd() const noexcept { return bar_.Get(); }
    void Refresh();

private:
    // What an apply step pushes to the platform window.
    enum Part : unsigned { Frame = 1, Color = 2, Range = 4, Position = 8, Everything = 15 };

    void ApplyProperties(unsigned parts);
    void CreateBar();
    void MeasureBar();
    bool RecreateBarIfStyleChanged();
    [[nodiscard]] DWORD CreationStyle() const noexcept;
    void PushFrame();
    void PushColor();
    void PushRange();
    void PushPosition();
    [[nodiscard]] int FilledPixels() const;
    void OnPlatformWindowGone() override { bar_.Release(); }

    std::int32_t foreColor_ = DefaultForeColor;
    std::int32_t appearance_ = 0;
    std::int32_t borderStyle_ = 0;
    std::int32_t orientation_ = 0;
    std::int32_t scrolling_ = 0;
    std::int32_t max_ = 100;
    std::int32_t min_ = 0;
    std::int32_t value_ = 0;
    int barLength_ = 0;
    int shownPixels_ = -1;
    WindowHandle bar_;

    static constexpr std::int32_t DefaultForeColor = static_cast<std::int32_t>(0x8000000D);
};
