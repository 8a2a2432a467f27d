#include "support/ListViewModel.h"

ListViewModel::ListViewModel(const std::vector<std::int32_t>& columnWidths)
    : columns_(columnWidths.begin(), columnWidths.end())
{
}

ListItemState* ListViewModel::SelectedItem()
{
    ListItemModel* focused = items_.Item(items_.FocusedIndex());
    return focused != nullptr && focused->Selected() ? focused : nullptr;
}

std::int32_t ListViewModel::Count() const
{
    return static_cast<std::int32_t>(columns_.size());
}

ColumnModel* ListViewModel::Column(std::int32_t index)
{
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return &columns_[static_cast<size_t>(index)];
}
