#include "support/ComboBoxModel.h"

void ComboBoxModel::SetListIndex(std::int32_t index)
{
    listIndex_ = index >= 0 && index < entryCount_ ? index : -1;
}
