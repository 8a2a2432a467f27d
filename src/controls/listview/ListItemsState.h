#pragma once

#include "controls/listview/ListItemState.h"

#include <cstdint>
#include <vector>

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
    // Puts the lines in a new order, element k the position of the line that
    // comes k-th; the selected lines and the focused one stay so. Anything
    // but a reordering of every line is ignored.
    virtual void Reorder(const std::vector<std::int32_t>& order) = 0;

protected:
    // Whether `order` names each of `count` positions once.
    [[nodiscard]] static bool IsReordering(const std::vector<std::int32_t>& order, std::int32_t count)
    {
        if (order.size() != static_cast<size_t>(count)) {
            return false;
        }
        std::vector<bool> named(order.size(), false);
        for (const std::int32_t position : order) {
            if (position < 0 || position >= count || named[static_cast<size_t>(position)]) {
                return false;
            }
            named[static_cast<size_t>(position)] = true;
        }
        return true;
    }
};
