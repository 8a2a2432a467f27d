#pragma once

#include "controls/standard/CheckBoxState.h"

#include <cstdint>

// An option check box held in memory.
class CheckBoxModel final : public CheckBoxState {
public:
    [[nodiscard]] std::int32_t Value() const override { return value_; }
    void SetValue(std::int32_t value) override;
    void SetClickHandler(ClickHandler handler) override;

private:
    std::int32_t value_ = 0;
    ClickHandler clickHandler_;
};
