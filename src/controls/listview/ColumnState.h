#pragma once

#include <cstdint>

// A column of a report list.
class ColumnState {
public:
    virtual ~ColumnState() = default;

    // In pixels; a width below 1 is ignored and the old one stays.
    [[nodiscard]] virtual std::int32_t ActualWidth() const = 0;
    virtual void SetActualWidth(std::int32_t width) = 0;
};
