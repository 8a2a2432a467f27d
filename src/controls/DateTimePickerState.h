#pragma once

#include "runtime/Variant.h"

// A date/time picker's value: a date, or a text that reads as one in the
// user's regional formats.
class DateTimePickerState {
public:
    virtual ~DateTimePickerState() = default;

    [[nodiscard]] virtual Variant Value() const = 0;
    // A value that does not read as a date, or lies outside the picker's
    // range, is ignored; an accepted one is kept as given (a text stays text).
    virtual void SetValue(const Variant& value) = 0;
};
