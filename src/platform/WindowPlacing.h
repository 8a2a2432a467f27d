#pragma once

#include "platform/Win32.h"

// Where a window stored in an earlier session goes now: the monitors may
// have changed since, so a place no monitor shows whole is moved onto the
// nearest one.
class WindowPlacing {
public:
    // `normal` in workspace coordinates (those of GetWindowPlacement), at
    // least `smallest` in size; the answer in the same coordinates, fitted
    // into the work area of the monitor nearest to it.
    [[nodiscard]] static RECT OnNearestMonitor(RECT normal, SIZE smallest);
    // The pure rule: `place` inside `area`, no smaller than `smallest` and
    // no bigger than `area` unless `smallest` does not fit.
    [[nodiscard]] static RECT Fitted(RECT place, SIZE smallest, RECT area);
};
