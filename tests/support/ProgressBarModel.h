#pragma once

#include "controls/ProgressBarState.h"

#include <cstdint>

// The progress indicator held in memory, starting at 0 of 0 to 100.
class ProgressBarModel final : public ProgressBarState {
public:
    [[nodiscard]] std::int32_t Min() const override { return min_; }
    void SetMin(std::int32_t min) override;
    [[nodiscard]] std::int32_t Max() const override { return max_; }
    void SetMax(std::int32_t max) override;
    [[nodiscard]] std::int32_t Value() const override { return value_; }
    void SetValue(std::int32_t value) override;

private:
    std::int32_t min_ = 0;
    std::int32_t max_ = 100;
    std::int32_t value_ = 0;
};
