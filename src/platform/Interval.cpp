#include "platform/Interval.h"

bool Interval::Due() noexcept
{
    const ULONGLONG now = ::GetTickCount64();
    if (started_ && now - last_ < milliseconds_) {
        return false;
    }
    started_ = true;
    last_ = now;
    return true;
}
