#include "support/ListItemModel.h"

#include <utility>

ListItemModel::ListItemModel(Owner& owner, std::int32_t index, FolderRow row)
    : owner_(owner), index_(index), row_(std::move(row))
{
}

void ListItemModel::SetSelected(bool selected)
{
    if (selected_ != selected) {
        selected_ = selected;
        owner_.AdjustSelectedCount(selected ? 1 : -1);
    }
    owner_.FocusFollowsSelection(index_, selected);
}
