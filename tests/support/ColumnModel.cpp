#include "support/ColumnModel.h"

void ColumnModel::SetActualWidth(std::int32_t width)
{
    if (width >= 1) {
        width_ = width;
    }
}
