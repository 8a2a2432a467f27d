#pragma once

#include "controls/listview/ColumnState.h"

#include <cstdint>

// A folder-list column held in memory.
class ColumnModel final : public ColumnState {
public:
    explicit ColumnModel(std::int32_t width) noexcept : width_(width) {}

    [[nodiscard]] std::int32_t ActualWidth() const override { return width_; }
    void SetActualWidth(std::int32_t width) override;

private:
    std::int32_t width_;
};
