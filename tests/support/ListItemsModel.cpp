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

void ListItemsModel::Reorder(const std::vector<std::int32_t>& order)
{
    if (!IsReordering(order, Count())) {
        return;
    }
    std::deque<ListItemModel> reordered;
    std::int32_t focused = -1;
    selectedCount_ = 0;
    for (const std::int32_t from : order) {
        const ListItemModel& line = lines_[static_cast<size_t>(from)];
        const auto to = static_cast<std::int32_t>(reordered.size());
        reordered.emplace_back(static_cast<ListItemModel::Owner&>(*this), to, line.Row());
        reordered.back().SetSelected(line.Selected());
        if (from == focusedIndex_) {
            focused = to;
        }
    }
    lines_ = std::move(reordered);
    focusedIndex_ = focused;
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
