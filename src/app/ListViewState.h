#pragma once

#include "app/ColumnState.h"
#include "app/ListItemsState.h"
#include "platform/Win32.h"

#include <cstdint>

// The folder list `ListViewFolderItems`: its lines, columns and visible area.
class ListViewState {
public:
    virtual ~ListViewState() = default;

    [[nodiscard]] virtual ListItemsState& ListItems() = 0;
    // The line with the keyboard focus when it is also selected; nothing
    // otherwise, even while other lines are selected.
    [[nodiscard]] virtual ListItemState* SelectedItem() = 0;

    // Columns, numbered from 0; Column() gives nothing outside 0 to Count() - 1.
    [[nodiscard]] virtual std::int32_t Count() const = 0;
    [[nodiscard]] virtual ColumnState* Column(std::int32_t index) = 0;

    // How many whole lines fit in the visible area.
    [[nodiscard]] virtual std::int32_t GetVisibleCount() const = 0;
    // The platform list window; null while there is none.
    [[nodiscard]] virtual HWND ControlHwnd() const = 0;
};
