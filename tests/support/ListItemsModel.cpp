#include "support/ListItemsModel.h"

std::int32_t ListItemsModel::Count() const
{
    return static_cast<std::int32_t>(lines_.size());
}

std::int32_t ListItemsModel::Add(FolderRow row)
{
    const std::int32_t index = Count();
    lines_.emplace_back(static_cast<ListItemModel::Owner&>(*this), index, std::move(row));
    return index;
}

void ListItemsModel::Clear()
{
    lines_.clear();
    selectedCount_ = 0;
    focusedIndex_ = -1;
}

ListItemModel* ListItemsModel::Item(std::int32_t index)
{
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return &lines_[static_cast<size_t>(index)];
}

void ListItemsModel::SetFocusedIndex(std::int32_t index)
{
    focusedIndex_ = index >= 0 && index < Count() ? index : -1;
}

void ListItemsModel::FocusFollowsSelection(std::int32_t index, bool selected) noexcept
{
    if (selected) {
        focusedIndex_ = index;
    } else if (focusedIndex_ == index) {
        focusedIndex_ = -1;
    }
}
