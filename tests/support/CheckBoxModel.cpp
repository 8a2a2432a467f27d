#include "support/CheckBoxModel.h"

#include <utility>

void CheckBoxModel::SetValue(std::int32_t value)
{
    if ((value != 0 && value != 1) || value == value_) {
        return;
    }
    value_ = value;
    if (clickHandler_) {
        clickHandler_();
    }
}

void CheckBoxModel::SetClickHandler(ClickHandler handler)
{
    clickHandler_ = std::move(handler);
}
