#pragma once

#include "platform/Win32.h"

// Paces work that need not happen on every turn of a long loop (a round
// trip to the platform): due on the first look, then once per period.
class Interval {
public:
    explicit Interval(ULONGLONG milliseconds) noexcept : milliseconds_(milliseconds) {}

    // True when the period has passed since the last time it was due.
    [[nodiscard]] bool Due() noexcept;

private:
    ULONGLONG milliseconds_;
    ULONGLONG last_ = 0;
    bool started_ = false;
};
