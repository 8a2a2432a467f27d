#pragma once

#include "controls/listview/ListItemsState.h"
#include "support/ListItemModel.h"

#include <cstdint>
#include <deque>

// A list's lines held in memory. A deque keeps every line at its
// address while lines are appended, and makes Add amortised constant time;
// the selected count is kept up to date by the lines themselves.
class ListItemsModel final : public ListItemsState, private ListItemModel::Owner {
public:
    ListItemsModel() = default;
    ListItemsModel(const ListItemsModel&) = delete;
    ListItemsModel& operator=(const ListItemsModel&) = delete;

    [[nodiscard]] std::int32_t Count() const override;
    std::int32_t Add(FolderRow row) override;
    void Clear() override;
    [[nodiscard]] ListItemModel* Item(std::int32_t index) override;
    [[nodiscard]] std::int32_t SelectedCount() const override { return selectedCount_; }
    void Reorder(const std::vector<std::int32_t>& order) override;

    // The line with the keyboard focus, -1 for none. Setting it moves the
    // focus as the keyboard does, without selecting; a position outside the
    // lines takes the focus away.
    [[nodiscard]] std::int32_t FocusedIndex() const noexcept { return focusedIndex_; }
    void SetFocusedIndex(std::int32_t index);

private:
    void AdjustSelectedCount(std::int32_t change) noexcept override { selectedCount_ += change; }
    void FocusFollowsSelection(std::int32_t index, bool selected) noexcept override;

    std::deque<ListItemModel> lines_;
    std::int32_t selectedCount_ = 0;
    std::int32_t focusedIndex_ = -1;
};
