#include "controls/ProgressBar.h"

#include "services/Colors.h"

#include <algorithm>

namespace {

bool IsFlag(std::int32_t value)
{
    return value == 0 || value == 1;
}

} // namespace

ProgressBar::ProgressBar(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id)
    : VisualComponent(site, std::move(name), bounds, id)
{
    CreateBar();
}

void ProgressBar::InitProperties()
{
    ReadProperties(PropertyStore());
}

void ProgressBar::ReadProperties(const PropertyStore& store)
{
    appearance_ = store.Read<std::int32_t>(L"Appearance", 0);
    borderStyle_ = store.Read<std::int32_t>(L"BorderStyle", 0);
    foreColor_ = store.Read<std::int32_t>(L"ForeColor", DefaultForeColor);
    max_ = store.Read<std::int32_t>(L"Max", 100);
    min_ = store.Read<std::int32_t>(L"Min", 0);
    orientation_ = store.Read<std::int32_t>(L"Orientation", 0);
    scrolling_ = store.Read<std::int32_t>(L"Scrolling", 0);
    value_ = store.Read<std::int32_t>(L"Value", 0);
    RecreateBarIfStyleChanged();
    ApplyProperties(Everything);
}

void ProgressBar::WriteProperties(PropertyStore& store) const
{
    store.Write<std::int32_t>(L"Appearance", appearance_, 0);
    store.Write<std::int32_t>(L"BorderStyle", borderStyle_, 0);
    store.Write<std::int32_t>(L"ForeColor", foreColor_, DefaultForeColor);
    store.Write<std::int32_t>(L"Max", max_, 100);
    store.Write<std::int32_t>(L"Min", min_, 0);
    store.Write<std::int32_t>(L"Orientation", orientation_, 0);
    store.Write<std::int32_t>(L"Scrolling", scrolling_, 0);
    store.Write<std::int32_t>(L"Value", value_, 0);
}

void ProgressBar::Resize()
{
    if (bar_) {
        ::MoveWindow(bar_.Get(), 0, 0, ClientWidth(), ClientHeight(), TRUE);
        MeasureBar();
        ApplyProperties(Position);
    }
}

void ProgressBar::SetAppearance(std::int32_t appearance)
{
    if (IsFlag(appearance)) {
        appearance_ = appearance;
        MarkChanged(L"Appearance");
        ApplyProperties(Frame);
    }
}

void ProgressBar::SetBorderStyle(std::int32_t borderStyle)
{
    if (IsFlag(borderStyle)) {
        borderStyle_ = borderStyle;
        MarkChanged(L"BorderStyle");
        ApplyProperties(Frame);
    }
}

void ProgressBar::SetForeColor(std::int32_t color)
{
    foreColor_ = color;
    MarkChanged(L"ForeColor");
    ApplyProperties(Color);
}

void ProgressBar::SetOrientation(std::int32_t orientation)
{
    if (IsFlag(orientation)) {
        orientation_ = orientation;
        MarkChanged(L"Orientation");
        if (RecreateBarIfStyleChanged()) {
            ApplyProperties(Everything);
        }
    }
}

void ProgressBar::SetScrolling(std::int32_t scrolling)
{
    if (IsFlag(scrolling)) {
        scrolling_ = scrolling;
        MarkChanged(L"Scrolling");
        if (RecreateBarIfStyleChanged()) {
            ApplyProperties(Everything);
        }
    }
}

void ProgressBar::SetMin(std::int32_t min)
{
    if (min >= 0 && min < max_) {
        min_ = min;
        MarkChanged(L"Min");
        ApplyProperties(Range);
    }
}

void ProgressBar::SetMax(std::int32_t max)
{
    if (max > min_) {
        max_ = max;
        MarkChanged(L"Max");
        ApplyProperties(Range);
    }
}

void ProgressBar::SetValue(std::int32_t value)
{
    if (value >= min_ && value <= max_) {
        value_ = value;
        MarkChanged(L"Value");
        ApplyProperties(Position);
    }
}

void ProgressBar::Refresh()
{
    if (bar_) {
        ::InvalidateRect(bar_.Get(), nullptr, TRUE);
    }
}

DWORD ProgressBar::CreationStyle() const noexcept
{
    return WS_CHILD | WS_VISIBLE | (orientation_ != 0 ? PBS_VERTICAL : 0) | (scrolling_ != 0 ? PBS_SMOOTH : 0);
}

void ProgressBar::CreateBar()
{
    bar_ = CreatePlatformWindow(PROGRESS_CLASSW, CreationStyle(), WS_EX_CLIENTEDGE);
    MeasureBar();
}

void ProgressBar::MeasureBar()
{
    RECT client{};
    ::GetClientRect(bar_.Get(), &client);
    barLength_ = orientation_ != 0 ? client.bottom : client.right;
    shownPixels_ = -1;
}

// Orientation and smoothness exist only as the window's creation style.
bool ProgressBar::RecreateBarIfStyleChanged()
{
    const DWORD creationBits = PBS_VERTICAL | PBS_SMOOTH;
    if (bar_ &&
        (static_cast<DWORD>(::GetWindowLongPtrW(bar_.Get(), GWL_STYLE)) & creationBits) ==
            (CreationStyle() & creationBits)) {
        return false;
    }
    CreateBar();
    return true;
}

void ProgressBar::ApplyProperties(unsigned parts)
{
    if (!bar_) {
        return;
    }
    if ((parts & Frame) != 0) {
        PushFrame();
    }
    if ((parts & Color) != 0) {
        PushColor();
    }
    if ((parts & Range) != 0) {
        PushRange();
    }
    // Stored settings are not checked when read: the value is kept inside the range.
    value_ = std::max(std::min(value_, max_), min_);
    if ((parts & (Range | Position)) != 0) {
        PushPosition();
    }
}

void ProgressBar::PushFrame()
{
    const HWND bar = bar_.Get();
    const LONG_PTR exStyle =
        (::GetWindowLongPtrW(bar, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE) | (appearance_ == 1 ? WS_EX_CLIENTEDGE : 0);
    ::SetWindowLongPtrW(bar, GWL_EXSTYLE, exStyle);
    const LONG_PTR style = (::GetWindowLongPtrW(bar, GWL_STYLE) & ~WS_BORDER) | (borderStyle_ == 1 ? WS_BORDER : 0);
    ::SetWindowLongPtrW(bar, GWL_STYLE, style);
    ::SetWindowPos(bar, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    MeasureBar();
}

void ProgressBar::PushColor()
{
    const std::int32_t rgb = Colors().Translate(foreColor_, Variant(0));
    ::SendMessageW(bar_.Get(), PBM_SETBARCOLOR, 0, static_cast<LPARAM>(rgb));
}

void ProgressBar::PushRange()
{
    ::SendMessageW(bar_.Get(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    shownPixels_ = -1;
}

// Pushing every step would repaint the bar once per entry of a run; what the
// eye sees changes only with the filled width. The ends and 0 always go
// through, so a reset or a finished run always shows.
void ProgressBar::PushPosition()
{
    const int pixels = FilledPixels();
    if (pixels == shownPixels_ && value_ != min_ && value_ != max_ && value_ != 0) {
        return;
    }
    ::SendMessageW(bar_.Get(), PBM_SETPOS, static_cast<WPARAM>(value_), 0);
    shownPixels_ = pixels;
}

int ProgressBar::FilledPixels() const
{
    const std::int64_t span = static_cast<std::int64_t>(max_) - min_;
    return static_cast<int>((static_cast<std::int64_t>(value_) - min_) * barLength_ / span);
}
