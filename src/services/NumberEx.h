#pragma once

#include "runtime/Variant.h"

#include <cstdint>

// Stateless number helpers.
class NumberEx {
public:
    // `number` rounded to an integer (a half to the even one) when it lies
    // in minimum..maximum, otherwise `Default`: a value outside the range is
    // not moved to the nearer bound. Raises TypeMismatchError when `number`
    // is not a number.
    [[nodiscard]] std::int32_t Clamp(
        const Variant& number, std::int32_t minimum, std::int32_t maximum, std::int32_t Default) const;
};
