#include "controls/host/FontDesc.h"

#include "platform/Dpi.h"

#include <cmath>

FontDesc FontDesc::MessageFont()
{
    NONCLIENTMETRICSW metrics{sizeof(metrics)};
    FontDesc font{L"Segoe UI", 9.0};
    const UINT dpi = Dpi::OfSystem();
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        const LOGFONTW& message = metrics.lfMessageFont;
        font.Face = message.lfFaceName;
        font.Points = std::abs(message.lfHeight) * 72.0 / dpi;
        font.Bold = message.lfWeight >= FW_BOLD;
        font.Italic = message.lfItalic != 0;
    }
    return font;
}

int FontDesc::Height(UINT dpi) const
{
    return -static_cast<int>(std::nearbyint(Points * dpi / 72.0));
}

GdiObject FontDesc::Create(UINT dpi) const
{
    return GdiObject(::CreateFontW(Height(dpi), 0, 0, 0, Bold ? FW_BOLD : FW_NORMAL, Italic, Underline, Strikethrough,
        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        Face.c_str()));
}
