#include "platform/WindowPlacing.h"

#include <algorithm>

namespace {

// Workspace coordinates start at the primary monitor's work area, which the
// task bar may push away from the screen's origin.
POINT WorkspaceOrigin()
{
    RECT work{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        return {0, 0};
    }
    return {work.left, work.top};
}

RECT Shifted(RECT rect, int dx, int dy)
{
    ::OffsetRect(&rect, dx, dy);
    return rect;
}

int Span(int wanted, int smallest, int room)
{
    return std::max(smallest, std::min(wanted, room));
}

int Start(int wanted, int span, int low, int high)
{
    return std::max(low, std::min(wanted, high - span));
}

} // namespace

RECT WindowPlacing::Fitted(RECT place, SIZE smallest, RECT area)
{
    const int width = Span(place.right - place.left, smallest.cx, area.right - area.left);
    const int height = Span(place.bottom - place.top, smallest.cy, area.bottom - area.top);
    const int left = Start(place.left, width, area.left, area.right);
    const int top = Start(place.top, height, area.top, area.bottom);
    return {left, top, left + width, top + height};
}

RECT WindowPlacing::OnNearestMonitor(RECT normal, SIZE smallest)
{
    const POINT origin = WorkspaceOrigin();
    const RECT onScreen = Shifted(normal, origin.x, origin.y);
    MONITORINFO monitor{sizeof(monitor)};
    if (!::GetMonitorInfoW(::MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return normal;
    }
    return Shifted(Fitted(onScreen, smallest, monitor.rcWork), -origin.x, -origin.y);
}
