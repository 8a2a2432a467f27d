#pragma once

#include "controls/listview/ListItemState.h"

#include <cstdint>

// The lines of a list of a folder's items. Positions run from 0 to Count() - 1.
class ListItemsState {
public:
    virtual ~ListItemsState() = default;

    [[nodiscard]] virtual std::int32_t Count() const = 0;
    // Appends an unselected line that stands for `row`; returns its position,
    // or -1 when the list could not take it (nothing changes then).
    virtual std::int32_t Add(FolderRow row) = 0;
    virtual void Clear() = 0;
    // Nothing outside 0 to Count() - 1. A line stays valid until the next Clear.
    [[nodiscard]] virtual ListItemState* Item(std::int32_t index) = 0;
    [[nodiscard]] virtual std::int32_t SelectedCount() const = 0;
};
