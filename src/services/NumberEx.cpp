#include "services/NumberEx.h"

std::int32_t NumberEx::Clamp(
    const Variant& number, std::int32_t minimum, std::int32_t maximum, std::int32_t Default) const
{
    // The range test uses the unrounded value, so 4.4 lies outside 0..4.
    const double value = number.ToDouble();
    if (value >= minimum && value <= maximum) {
        return number.ToInt32();
    }
    return Default;
}
