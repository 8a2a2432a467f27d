#pragma once

#include "controls/listview/ListViewState.h"
#include "support/ColumnModel.h"
#include "support/ListItemsModel.h"

#include <cstdint>
#include <vector>

// The folder list held in memory, without a platform window. Its visible
// line count is whatever the test or owner sets; a real list measures it.
class ListViewModel final : public ListViewState {
public:
    explicit ListViewModel(const std::vector<std::int32_t>& columnWidths);

    [[nodiscard]] ListItemsModel& ListItems() override { return items_; }
    [[nodiscard]] ListItemState* SelectedItem() override;
    [[nodiscard]] std::int32_t Count() const override;
    [[nodiscard]] ColumnModel* Column(std::int32_t index) override;
    [[nodiscard]] std::int32_t GetVisibleCount() const override { return visibleCount_; }
    [[nodiscard]] HWND ControlHwnd() const override { return nullptr; }
    [[nodiscard]] std::int32_t ScrollBarWidth() const override { return 16; }
    // Lines in memory are not painted, so there is nothing to hold back.
    void BeginUpdate(std::int32_t /*linesToCome*/) override {}
    void EndUpdate() override {}

    void SetVisibleCount(std::int32_t count) noexcept { visibleCount_ = count; }

private:
    ListItemsModel items_;
    std::vector<ColumnModel> columns_;
    std::int32_t visibleCount_ = 0;
};
