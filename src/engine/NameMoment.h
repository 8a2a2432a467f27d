#pragma once

#include "platform/Win32.h"

#include <optional>
#include <string>

// A date and time written in a name, as cameras and phones write them:
// "IMG_20240715_134500.jpg", "2024-07-15 13.45.00.jpg",
// "20240715134500.jpg", "PXL_20240715_134500123.jpg" (milliseconds
// follow), or a date alone, "IMG-20240715-WA0001.jpg", read as midnight.
// The first such moment in the name counts; digits that run on before or
// after it make it no moment, so a long number is never read as a date.
class NameMoment {
public:
    // Local time; none when the name holds no valid moment.
    [[nodiscard]] static std::optional<SYSTEMTIME> In(const std::wstring& name);

private:
    [[nodiscard]] static std::optional<SYSTEMTIME> At(const std::wstring& name, size_t start);
};
