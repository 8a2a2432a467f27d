#pragma once

#include "app/ListItemState.h"

#include <cstdint>
#include <string>

// The lines of the folder list. Positions run from 0 to Count() - 1.
class ListItemsState {
public:
    virtual ~ListItemsState() = default;

    [[nodiscard]] virtual std::int32_t Count() const = 0;
    // Appends an unselected line with the text in column 0, an empty column 1
    // and an empty tag; returns its position, Count() - 1.
    virtual std::int32_t Add(const std::wstring& text) = 0;
    virtual void Clear() = 0;
    // Nothing outside 0 to Count() - 1. A line stays valid until the next Clear.
    [[nodiscard]] virtual ListItemState* Item(std::int32_t index) = 0;
    [[nodiscard]] virtual std::int32_t SelectedCount() const = 0;
};
