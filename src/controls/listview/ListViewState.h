#pragma once

#include "controls/listview/ColumnState.h"
#include "controls/listview/ListItemsState.h"
#include "platform/Win32.h"

#include <cstdint>

// A report list as a window's procedures use it: its lines, columns and
// visible area.
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
    // How wide the vertical scroll bar is, in pixels at 96 dpi like the
    // columns' widths.
    [[nodiscard]] virtual std::int32_t ScrollBarWidth() const = 0;
    // The platform list window; null while there is none.
    [[nodiscard]] virtual HWND ControlHwnd() const = 0;

    // Brackets a bulk change of the lines (a refill): a list on screen stops
    // painting until the outermost EndUpdate, and then paints once. Brackets
    // nest. `linesToCome` is how many lines the change will add, 0 when not
    // known. Use ListUpdate rather than calling these in pairs by hand.
    virtual void BeginUpdate(std::int32_t linesToCome) = 0;
    virtual void EndUpdate() = 0;
};

// One bulk change of a list's lines, for as long as the object lives.
class ListUpdate {
public:
    explicit ListUpdate(ListViewState& list, std::int32_t linesToCome = 0) : list_(list)
    {
        list_.BeginUpdate(linesToCome);
    }
    ~ListUpdate() { list_.EndUpdate(); }
    ListUpdate(const ListUpdate&) = delete;
    ListUpdate& operator=(const ListUpdate&) = delete;

private:
    ListViewState& list_;
};
