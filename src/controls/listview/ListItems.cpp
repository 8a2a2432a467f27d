#include "controls/listview/ListItems.h"

#include "controls/listview/ModuleListView.h"

#include <algorithm>

LRESULT ListItems::SendToList(UINT message, WPARAM wparam, LPARAM lparam) const
{
    return owner_.SendToList(message, wparam, lparam);
}

ListItem* ListItems::Item(std::int32_t index)
{
    return index >= 0 && index < Count() ? rows_[static_cast<size_t>(index)].get() : nullptr;
}

std::int32_t ListItems::SelectedCount() const
{
    return Count() < 1 ? 0 : static_cast<std::int32_t>(SendToList(LVM_GETSELECTEDCOUNT, 0, LPARAM{0}));
}

std::int32_t ListItems::CheckedCount() const
{
    return static_cast<std::int32_t>(
        std::count_if(rows_.begin(), rows_.end(), [](const auto& row) { return row->Checked(); }));
}

std::int32_t ListItems::Add(const std::wstring& text)
{
    return owner_.HasListWindow() ? Append(std::make_unique<ListItem>(static_cast<ListRowHost&>(*this), Count(), text))
                                  : -1;
}

std::int32_t ListItems::Add(FolderRow row)
{
    return owner_.HasListWindow()
        ? Append(std::make_unique<ListItem>(static_cast<ListRowHost&>(*this), Count(), std::move(row)))
        : -1;
}

std::int32_t ListItems::Append(std::unique_ptr<ListItem> row)
{
    rows_.push_back(std::move(row));
    // Inside a bulk change the platform learns the count once, at its end.
    if (!owner_.InBulkChange() && !PushCount()) {
        rows_.pop_back();
        return -1;
    }
    const ListItem* added = rows_.back().get();
    owner_.RowAdded();
    return added->Index();
}

bool ListItems::PushCount() const
{
    return SendToList(LVM_SETITEMCOUNT, static_cast<WPARAM>(Count()),
               LPARAM{LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL}) != FALSE;
}

void ListItems::Reserve(std::int32_t rowsToCome)
{
    rows_.reserve(static_cast<size_t>(std::min<std::int64_t>(std::int64_t{Count()} + rowsToCome, INT32_MAX)));
}

void ListItems::RedrawRow(std::int32_t index) const
{
    if (!owner_.InBulkChange()) {
        SendToList(LVM_REDRAWITEMS, static_cast<WPARAM>(index), static_cast<LPARAM>(index));
    }
}

// The platform forgets the selection and the focus with the rows.
void ListItems::Clear()
{
    if (Count() < 1) {
        return;
    }
    Forget();
    SendToList(LVM_DELETEALLITEMS, 0, LPARAM{0});
}

// The platform moves the selection and the focus of the rows below up.
void ListItems::Remove(std::int32_t index)
{
    if (index < 0 || index >= Count()) {
        return;
    }
    if (rows_[static_cast<size_t>(index)]->HasOwnColors()) {
        --coloredRows_;
    }
    rows_.erase(rows_.begin() + index);
    Renumber(index);
    SendToList(LVM_DELETEITEM, static_cast<WPARAM>(index), LPARAM{0});
}

void ListItems::Forget() noexcept
{
    rows_.clear();
    coloredRows_ = 0;
}

void ListItems::Renumber(std::int32_t from) noexcept
{
    for (std::int32_t row = from; row < Count(); ++row) {
        rows_[static_cast<size_t>(row)]->SetIndex(row);
    }
}

std::vector<ListItem*> ListItems::RowsInState(UINT state) const
{
    std::vector<ListItem*> found;
    auto row =
        static_cast<std::int32_t>(SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), static_cast<LPARAM>(state)));
    while (row >= 0 && row < Count()) {
        found.push_back(rows_[static_cast<size_t>(row)].get());
        row = static_cast<std::int32_t>(
            SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(row), static_cast<LPARAM>(state)));
    }
    return found;
}

void ListItems::Sort(std::int32_t column, bool descending)
{
    std::vector<std::wstring> texts;
    texts.reserve(rows_.size());
    for (const auto& row : rows_) {
        texts.push_back(row->Text(column));
    }
    Reorder(SortedPositions(texts, descending));
}

// The platform keeps the selection by position, so the selected rows and
// the focused one are picked up again at their new positions; a selection
// of no row or of every row stays as it is.
void ListItems::Reorder(const std::vector<std::int32_t>& order)
{
    if (!IsReordering(order, Count())) {
        return;
    }
    const std::int32_t rows = Count();
    const std::int32_t selectedCount = SelectedCount();
    const bool reselect = selectedCount > 0 && selectedCount < rows;
    const std::vector<ListItem*> selected = reselect ? RowsInState(LVNI_SELECTED) : std::vector<ListItem*>();
    const std::vector<ListItem*> focused = RowsInState(LVNI_FOCUSED);

    std::vector<std::unique_ptr<ListItem>> sorted;
    sorted.reserve(static_cast<size_t>(rows));
    for (const std::int32_t from : order) {
        sorted.push_back(std::move(rows_[static_cast<size_t>(from)]));
    }
    rows_ = std::move(sorted);
    Renumber(0);

    if (reselect || !focused.empty()) {
        LVITEMW none{LVIF_STATE};
        none.stateMask = (reselect ? LVIS_SELECTED : 0) | LVIS_FOCUSED;
        SendToList(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), &none);
        for (ListItem* row : selected) {
            row->SetState(LVIS_SELECTED, LVIS_SELECTED);
        }
        for (ListItem* row : focused) {
            row->SetState(LVIS_FOCUSED, LVIS_FOCUSED);
        }
    }
}
