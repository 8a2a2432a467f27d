#include "controls/InfoFrame.h"

#include "controls/Gradient.h"
#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "services/Colors.h"

namespace {

const FontDesc LabelFont{L"Verdana", 9.75, true};
constexpr COLORREF Grey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);

COLORREF Translated(std::int32_t color)
{
    return static_cast<COLORREF>(Colors().Translate(color, Variant(0)));
}

// The gradient takes its channels from the raw colour values, as designed;
// system colours are not looked up for it.
int RawChannel(std::int32_t color, int shift)
{
    return (color / (1 << shift)) & 0xFF;
}

void DrawLine(HDC dc, int y, int end, COLORREF color)
{
    const RECT line{0, y, end, y + 1};
    ::SetDCBrushColor(dc, color);
    ::FillRect(dc, &line, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

} // namespace

InfoFrame::Layout InfoFrame::LayoutFor(int width, UINT dpi)
{
    const auto scale = [dpi](int pixels) { return Dpi::Scale(pixels, dpi); };
    return {{scale(12), scale(14), scale(12 + 32), scale(14 + 32)},
        {scale(56), scale(21), width - scale(71) + scale(56), scale(21 + 21)}, scale(61), scale(62), width};
}

InfoFrame::InfoFrame(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id)
    : VisualComponent(site, std::move(name), bounds, id)
{
}

void InfoFrame::InitProperties()
{
    backColor_ = DefaultBackColor;
    enabled_ = true;
    foreColor_ = 0;
    gradientColor_ = DefaultBackColor;
    icon_ = {};
    // A new band shows its own name until it is given a text.
    text_ = Name();
    ApplyProperties();
}

void InfoFrame::ReadProperties(const PropertyStore& store)
{
    backColor_ = store.Read<std::int32_t>(L"BackColor", DefaultBackColor);
    enabled_ = store.Read<bool>(L"Enabled", true);
    foreColor_ = store.Read<std::int32_t>(L"ForeColor", 0);
    gradientColor_ = store.Read<std::int32_t>(L"GradientColor", DefaultBackColor);
    icon_ = store.Read<IconRef>(L"Icon", {});
    text_ = store.Read<std::wstring>(L"Text", L"");
    ApplyProperties();
}

void InfoFrame::WriteProperties(PropertyStore& store) const
{
    store.Write<std::int32_t>(L"BackColor", backColor_, DefaultBackColor);
    store.Write<bool>(L"Enabled", enabled_, true);
    store.Write<std::int32_t>(L"ForeColor", foreColor_, 0);
    store.Write<std::int32_t>(L"GradientColor", gradientColor_, DefaultBackColor);
    store.Write<IconRef>(L"Icon", icon_, {});
    store.Write<std::wstring>(L"Text", text_, L"");
}

void InfoFrame::Resize()
{
    RECT parent{};
    ::GetClientRect(::GetParent(Hwnd()), &parent);
    const int width = parent.right;
    const int height = Dpi::Scale(Height, Dpi());
    if (ClientWidth() != width || ClientHeight() != height) {
        ::SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void InfoFrame::SetBackColor(std::int32_t color)
{
    backColor_ = color;
    MarkChanged(L"BackColor");
    ApplyProperties();
}

void InfoFrame::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    MarkChanged(L"Enabled");
    ApplyProperties();
}

void InfoFrame::SetForeColor(std::int32_t color)
{
    foreColor_ = color;
    MarkChanged(L"ForeColor");
    ApplyProperties();
}

void InfoFrame::SetGradientColor(std::int32_t color)
{
    gradientColor_ = color;
    MarkChanged(L"GradientColor");
    ApplyProperties();
}

void InfoFrame::SetIcon(IconRef icon)
{
    icon_ = icon;
    MarkChanged(L"Icon");
    ApplyProperties();
}

void InfoFrame::SetText(const std::wstring& text)
{
    text_ = text;
    MarkChanged(L"Text");
    ApplyProperties();
}

void InfoFrame::Refresh()
{
    const Layout layout = LayoutFor(ClientWidth(), Dpi());
    ::InvalidateRect(Hwnd(), &layout.Icon, FALSE);
    ::InvalidateRect(Hwnd(), &layout.Label, FALSE);
    const RECT lines{0, layout.UpperLineY, layout.LineEnd, layout.LowerLineY + 1};
    ::InvalidateRect(Hwnd(), &lines, FALSE);
}

// The band paints its text itself; as its window text too, screen readers
// and other programs read what it shows instead of the name it was made with.
void InfoFrame::ApplyProperties()
{
    ::SetWindowTextW(Hwnd(), text_.c_str());
    ::EnableWindow(Hwnd(), enabled_);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT InfoFrame::OnMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_ERASEBKGND:
        // Painting covers the whole band; erasing first would only flicker.
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONUP:
        OnClick(false);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnClick(true);
        return 0;
    default:
        return VisualComponent::OnMessage(message, wparam, lparam);
    }
}

void InfoFrame::OnPaint()
{
    const PaintScope paint(Hwnd());
    if (!paint.IsValid()) {
        return;
    }
    const HDC dc = paint.Dc();
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const Layout layout = LayoutFor(client.right, Dpi());
    PaintBackground(dc, client);
    PaintIcon(dc, layout);
    PaintLabel(dc, layout);
    PaintLines(dc, layout);
}

void InfoFrame::PaintBackground(HDC dc, const RECT& client) const
{
    if (backColor_ != gradientColor_) {
        Gradient gradient;
        gradient.SetOwnerHwnd(Hwnd());
        gradient.Show(dc, RawChannel(backColor_, 0), RawChannel(backColor_, 8), RawChannel(backColor_, 16),
            RawChannel(gradientColor_, 0), RawChannel(gradientColor_, 8), RawChannel(gradientColor_, 16));
        return;
    }
    ::SetDCBrushColor(dc, Translated(backColor_));
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void InfoFrame::PaintIcon(HDC dc, const Layout& layout) const
{
    if (icon_.ResourceId == 0) {
        return;
    }
    const int width = layout.Icon.right - layout.Icon.left;
    const int height = layout.Icon.bottom - layout.Icon.top;
    // A shared icon belongs to the system's cache, not to the band.
    const auto icon = static_cast<HICON>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon_.ResourceId), IMAGE_ICON, width, height, LR_SHARED));
    if (icon != nullptr) {
        ::DrawIconEx(dc, layout.Icon.left, layout.Icon.top, icon, width, height, 0, nullptr, DI_NORMAL);
    }
}

void InfoFrame::PaintLabel(HDC dc, const Layout& layout)
{
    const HFONT font = labelFont_.Get(LabelFont, Dpi());
    const SelectedObject selected(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, enabled_ ? Translated(foreColor_) : ::GetSysColor(COLOR_GRAYTEXT));
    RECT label = layout.Label;
    ::DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &label,
        DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void InfoFrame::PaintLines(HDC dc, const Layout& layout) const
{
    DrawLine(dc, layout.UpperLineY, layout.LineEnd, Grey);
    DrawLine(dc, layout.LowerLineY, layout.LineEnd, White);
}

void InfoFrame::OnClick(bool doubleClick)
{
    if (!enabled_ || events_ == nullptr) {
        return;
    }
    if (doubleClick) {
        events_->DblClick();
    } else {
        events_->Click();
    }
}
