#pragma once

#include "platform/Win32.h"
#include "services/FolderRow.h"

#include <cstdint>
#include <string>

class ListItem;

// What a list's rows ask of the collection that holds them. The rows reach
// the platform list only through here.
class ListRowHost {
public:
    [[nodiscard]] virtual std::int32_t ColumnCount() const = 0;
    virtual LRESULT SendToList(UINT message, WPARAM wparam, LPARAM lparam) const = 0;
    template <typename Record>
    LRESULT SendToList(UINT message, WPARAM wparam, Record* record) const
    {
        return SendToList(message, wparam, reinterpret_cast<LPARAM>(record));
    }
    virtual void RedrawRow(std::int32_t index) const = 0;
    virtual void RowChecked(ListItem& row) = 0;
    virtual void CountColoredRow(std::int32_t change) noexcept = 0;
    // What a row that stands for an item shows in `column`.
    [[nodiscard]] virtual std::wstring RowText(const FolderRow& row, std::int32_t column) const = 0;

protected:
    ~ListRowHost() = default;
};

// What a list's row collection and columns ask of the list that holds them.
class ListHost {
public:
    [[nodiscard]] virtual bool HasListWindow() const = 0;
    [[nodiscard]] virtual std::int32_t ColumnCount() const = 0;
    // 0 while there is no platform list.
    virtual LRESULT SendToList(UINT message, WPARAM wparam, LPARAM lparam) const = 0;
    template <typename Record>
    LRESULT SendToList(UINT message, WPARAM wparam, Record* record) const
    {
        return SendToList(message, wparam, reinterpret_cast<LPARAM>(record));
    }
    // Inside a bulk change the platform learns of new rows once, at its end.
    [[nodiscard]] virtual bool InBulkChange() const = 0;
    // A row was added: a list that keeps its rows sorted sorts it in.
    virtual void RowAdded() = 0;
    virtual void RowChecked(ListItem& row) = 0;
    [[nodiscard]] virtual std::wstring RowText(const FolderRow& row, std::int32_t column) const = 0;
    // A column's setting changed: the list stores it with its design (unless
    // `key` is empty, for what is not stored) and shows it.
    virtual void ColumnChanged(std::int32_t index, const std::wstring& key) = 0;

protected:
    ~ListHost() = default;
};
