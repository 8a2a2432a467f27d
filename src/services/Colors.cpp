#include "services/Colors.h"

#include "platform/Win32.h"

#include <cstdint>

namespace {

// Handle values are sign-extended to pointer width, as the platform does.
HPALETTE PaletteOf(const Variant& hpal)
{
    return reinterpret_cast<HPALETTE>(static_cast<std::intptr_t>(hpal.ToInt32()));
}

} // namespace

std::int32_t Colors::Translate(std::int32_t clr, const Variant& hpal) const
{
    const HPALETTE palette = PaletteOf(hpal);
    COLORREF rgb = 0;
    if (FAILED(::OleTranslateColor(static_cast<OLE_COLOR>(clr), palette, &rgb))) {
        return -1;
    }
    return static_cast<std::int32_t>(rgb);
}
