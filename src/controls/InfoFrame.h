#pragma once

#include "controls/InfoFrameEvents.h"
#include "controls/host/ComponentFont.h"
#include "controls/host/VisualComponent.h"

#include <cstdint>
#include <string>

// The title band across the top of a window: 63 pixels high (at 96 dpi) and
// as wide as its parent, an icon, one line of bold text and an etched double
// line along the bottom, on a flat colour or a left-to-right gradient.
class InfoFrame final : public VisualComponent {
public:
    static constexpr int Height = 63;

    // Where the parts lie, in pixels at 96 dpi, for a band of the given width.
    struct Layout {
        RECT Icon;
        RECT Label;
        int UpperLineY;
        int LowerLineY;
        int LineEnd;
    };
    [[nodiscard]] static Layout LayoutFor(int width, UINT dpi);

    InfoFrame(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id);

    void InitProperties() override;
    void ReadProperties(const PropertyStore& store) override;
    void WriteProperties(PropertyStore& store) const override;
    // The band takes its own height and its parent's whole width.
    void Resize() override;

    void SetEvents(InfoFrameEvents* events) noexcept { events_ = events; }

    [[nodiscard]] std::int32_t BackColor() const noexcept { return backColor_; }
    void SetBackColor(std::int32_t color);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    [[nodiscard]] std::int32_t ForeColor() const noexcept { return foreColor_; }
    void SetForeColor(std::int32_t color);
    [[nodiscard]] std::int32_t GradientColor() const noexcept { return gradientColor_; }
    void SetGradientColor(std::int32_t color);
    [[nodiscard]] IconRef Icon() const noexcept { return icon_; }
    void SetIcon(IconRef icon);
    [[nodiscard]] const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& text);

    // Repaints the icon, the text and the lines; the background stays.
    void Refresh();

private:
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void ApplyProperties();
    void OnPaint();
    void PaintBackground(HDC dc, const RECT& client) const;
    void PaintIcon(HDC dc, const Layout& layout) const;
    void PaintLabel(HDC dc, const Layout& layout);
    void PaintLines(HDC dc, const Layout& layout) const;
    void OnClick(bool doubleClick);

    std::int32_t backColor_ = DefaultBackColor;
    bool enabled_ = true;
    std::int32_t foreColor_ = 0;
    std::int32_t gradientColor_ = DefaultBackColor;
    IconRef icon_;
    std::wstring text_;
    InfoFrameEvents* events_ = nullptr;
    ComponentFont labelFont_;

    static constexpr std::int32_t DefaultBackColor = 0x00796150;
};
