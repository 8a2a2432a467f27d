#pragma once

#include "platform/Win32.h"

// When a watched folder that keeps changing is listed again: once it has
// been quiet for QuietPeriod, and at least every LongestWait while the
// changes go on. A folder written continuously would otherwise be listed
// back to back: the window would do nothing else, and the user's selection
// would be gone every time.
class RelistSchedule {
public:
    static constexpr ULONGLONG QuietPeriod = 150;
    static constexpr ULONGLONG LongestWait = 500;

    // A change at `now`. True when the listing is due at once; otherwise the
    // owner asks IsDue again once QuietPeriod has passed.
    bool Change(ULONGLONG now);
    // True (and the schedule is clear again) when the pending listing is due.
    bool IsDue(ULONGLONG now);
    [[nodiscard]] bool Pending() const noexcept { return pending_; }

private:
    bool pending_ = false;
    ULONGLONG firstChange_ = 0;
    ULONGLONG lastChange_ = 0;
};
