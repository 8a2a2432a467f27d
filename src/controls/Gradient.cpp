#include "controls/Gradient.h"

#include <cmath>

namespace {

// Single precision, as the colours were always computed, so that the
// rounded channels come out the same.
int Channel(int start, int end, int extent, int offset)
{
    if (offset == 0) {
        return start;
    }
    const float factor = static_cast<float>(extent) / static_cast<float>(offset);
    const float shift = factor != 0.0f ? static_cast<float>(end - start) / factor : 0.0f;
    return static_cast<int>(std::nearbyint(static_cast<float>(start) + shift));
}

COLORREF ColorAt(int extent, int offset, COLORREF start, COLORREF end)
{
    return RGB(Channel(GetRValue(start), GetRValue(end), extent, offset),
        Channel(GetGValue(start), GetGValue(end), extent, offset),
        Channel(GetBValue(start), GetBValue(end), extent, offset));
}

} // namespace

std::vector<Gradient::Run> Gradient::Runs(int extent, COLORREF start, COLORREF end)
{
    std::vector<Run> runs;
    for (int offset = 0; offset <= extent; ++offset) {
        const COLORREF color = ColorAt(extent, offset, start, end);
        if (!runs.empty() && runs.back().Color == color) {
            runs.back().Last = offset;
        } else {
            runs.push_back({offset, offset, color});
        }
    }
    return runs;
}

void Gradient::Show(HDC dc, int r1, int g1, int b1, int r2, int g2, int b2) const
{
    RECT client{};
    if (!::GetClientRect(ownerHwnd_, &client)) {
        return;
    }
    const int extent = upDown_ ? client.bottom - client.top : client.right - client.left;
    // One fill per run with the device context's own brush: no brush is
    // made per strip.
    const auto brush = static_cast<HBRUSH>(::GetStockObject(DC_BRUSH));
    for (const Run& run : Runs(extent, RGB(r1, g1, b1), RGB(r2, g2, b2))) {
        RECT strip = client;
        if (upDown_) {
            strip.top = client.top + run.First;
            strip.bottom = client.top + run.Last + 1;
        } else {
            strip.left = client.left + run.First;
            strip.right = client.left + run.Last + 1;
        }
        ::SetDCBrushColor(dc, run.Color);
        ::FillRect(dc, &strip, brush);
    }
}
