#pragma once

#include "runtime/Variant.h"

#include <cstdint>

// Turns the toolkit's colour values (an RGB value 0x00BBGGRR, or a system
// colour reference 0x800000nn) into the RGB value a platform window takes.
class Colors {
public:
    // The RGB value, or -1 when `clr` is no valid colour. `hpal` holds the
    // palette handle's value (0 for none); raises TypeMismatchError when it
    // is not a number.
    [[nodiscard]] std::int32_t Translate(std::int32_t clr, const Variant& hpal) const;
};
