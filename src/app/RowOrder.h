#pragma once

#include "controls/listview/ListRowTexts.h"
#include "services/FolderRow.h"

#include <cstdint>
#include <vector>

// The order of a folder's lines by one of the list's columns, in either
// direction: folders always above files, each group by the column's value
// (a name by its lower-cased text, a moment by its time, an unreadable
// moment first), equal values by name and then as they came. By the name
// column ascending it is the listing's own order.
class RowOrder {
public:
    RowOrder(std::int32_t column, bool descending) noexcept : column_(column), descending_(descending) {}

    [[nodiscard]] std::int32_t Column() const noexcept { return column_; }
    [[nodiscard]] bool Descending() const noexcept { return descending_; }
    // The name column ascending: the order a fill adds its lines in.
    [[nodiscard]] bool IsListingOrder() const noexcept;

    // Where each line goes: element k is the position in `rows` of the line
    // that comes k-th. `texts` words the columns that show derived text.
    [[nodiscard]] std::vector<std::int32_t> Positions(
        const std::vector<const FolderRow*>& rows, const ListRowTexts& texts) const;

private:
    std::int32_t column_;
    bool descending_;
};
