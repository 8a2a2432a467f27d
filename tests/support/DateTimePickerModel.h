#pragma once

#include "controls/DateTimePickerState.h"
#include "runtime/Variant.h"

// A date/time picker held in memory, with the picker's range of
// 1601-01-01 to 9999-12-31 and the present moment as its first value.
class DateTimePickerModel final : public DateTimePickerState {
public:
    DateTimePickerModel();

    [[nodiscard]] Variant Value() const override { return value_; }
    void SetValue(const Variant& value) override;

private:
    Variant value_;
};
