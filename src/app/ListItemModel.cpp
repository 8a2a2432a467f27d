#include "app/ListItemModel.h"

#include "app/ListItemsModel.h"

#include <utility>

ListItemModel::ListItemModel(ListItemsModel& owner, std::int32_t index, std::wstring text)
    : owner_(owner), index_(index), texts_{std::move(text), std::wstring()}
{
}

bool ListItemModel::IsColumn(std::int32_t column) noexcept
{
    return column == 0 || column == 1;
}

std::wstring ListItemModel::Text(std::int32_t column) const
{
    return IsColumn(column) ? texts_[static_cast<size_t>(column)] : std::wstring();
}

void ListItemModel::SetText(std::int32_t column, const std::wstring& text)
{
    if (IsColumn(column)) {
        texts_[static_cast<size_t>(column)] = text;
    }
}

void ListItemModel::SetSelected(bool selected)
{
    if (selected_ != selected) {
        selected_ = selected;
        owner_.AdjustSelectedCount(selected ? 1 : -1);
    }
    owner_.FocusFollowsSelection(index_, selected);
}
