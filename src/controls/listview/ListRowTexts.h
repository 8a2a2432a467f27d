#pragma once

#include "services/FolderRow.h"

#include <cstdint>
#include <string>

// How a list words the rows that stand for items of a folder. The list asks
// as it draws a row, so a text always shows the item as it is now, and an
// item costs its record rather than its texts.
class ListRowTexts {
public:
    [[nodiscard]] virtual std::wstring RowText(const FolderRow& row, std::int32_t column) const = 0;

protected:
    ~ListRowTexts() = default;
};
