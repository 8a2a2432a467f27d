#include "app/RelistSchedule.h"

bool RelistSchedule::Change(ULONGLONG now)
{
    if (!pending_) {
        pending_ = true;
        firstChange_ = now;
    }
    lastChange_ = now;
    return IsDue(now);
}

bool RelistSchedule::IsDue(ULONGLONG now)
{
    if (!pending_ || (now - lastChange_ < QuietPeriod && now - firstChange_ < LongestWait)) {
        return false;
    }
    pending_ = false;
    return true;
}
