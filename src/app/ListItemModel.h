#pragma once

#include "app/ListItemState.h"

#include <array>
#include <cstdint>
#include <string>

class ListItemsModel;

// A folder-list line held in memory; it tells its list when its selection
// changes, so that the list keeps its selected count and focus in step.
class ListItemModel final : public ListItemState {
public:
    ListItemModel(ListItemsModel& owner, std::int32_t index, std::wstring text);

    [[nodiscard]] std::wstring Text(std::int32_t column) const override;
    void SetText(std::int32_t column, const std::wstring& text) override;
    [[nodiscard]] std::wstring Tag() const override { return tag_; }
    void SetTag(const std::wstring& tag) override { tag_ = tag; }
    [[nodiscard]] bool Selected() const override { return selected_; }
    void SetSelected(bool selected) override;

private:
    static bool IsColumn(std::int32_t column) noexcept;

    ListItemsModel& owner_;
    std::int32_t index_;
    std::array<std::wstring, 2> texts_;
    std::wstring tag_;
    bool selected_ = false;
};
