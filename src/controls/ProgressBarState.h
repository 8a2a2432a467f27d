#pragma once

#include <cstdint>

// A progress indicator. Its setters keep 0 <= Min < Max and
// Min <= Value <= Max: an assignment that would break that is ignored and
// the old value stays.
class ProgressBarState {
public:
    virtual ~ProgressBarState() = default;

    [[nodiscard]] virtual std::int32_t Min() const = 0;
    virtual void SetMin(std::int32_t min) = 0;
    [[nodiscard]] virtual std::int32_t Max() const = 0;
    virtual void SetMax(std::int32_t max) = 0;
    [[nodiscard]] virtual std::int32_t Value() const = 0;
    virtual void SetValue(std::int32_t value) = 0;
};
