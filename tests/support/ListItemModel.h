#pragma once

#include "controls/listview/ListItemState.h"

#include <cstdint>
#include <utility>

// A line held in memory; it tells its list when its selection changes, so
// that the list keeps its selected count and focus in step.
class ListItemModel final : public ListItemState {
public:
    class Owner {
    public:
        virtual void AdjustSelectedCount(std::int32_t change) noexcept = 0;
        virtual void FocusFollowsSelection(std::int32_t index, bool selected) noexcept = 0;

    protected:
        ~Owner() = default;
    };

    ListItemModel(Owner& owner, std::int32_t index, FolderRow row);

    [[nodiscard]] const FolderRow& Row() const override { return row_; }
    void SetRow(FolderRow row) override { row_ = std::move(row); }
    [[nodiscard]] bool Selected() const override { return selected_; }
    void SetSelected(bool selected) override;

private:
    Owner& owner_;
    std::int32_t index_;
    FolderRow row_;
    bool selected_ = false;
};
