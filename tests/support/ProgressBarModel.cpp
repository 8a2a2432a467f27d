#include "support/ProgressBarModel.h"

// A new minimum or maximum may leave Value outside the range; like the
// progress bar control, the range is what the setters guard, and Value is
// clamped into it.

namespace {

std::int32_t Clamp(std::int32_t value, std::int32_t low, std::int32_t high) noexcept
{
    return value < low ? low : (value > high ? high : value);
}

} // namespace

void ProgressBarModel::SetMin(std::int32_t min)
{
    if (min >= 0 && min < max_) {
        min_ = min;
        value_ = Clamp(value_, min_, max_);
    }
}

void ProgressBarModel::SetMax(std::int32_t max)
{
    if (min_ < max) {
        max_ = max;
        value_ = Clamp(value_, min_, max_);
    }
}

void ProgressBarModel::SetValue(std::int32_t value)
{
    if (value >= min_ && value <= max_) {
        value_ = value;
    }
}
