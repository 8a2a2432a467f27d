#pragma once

#include "controls/listview/ListHost.h"
#include "controls/listview/ListItem.h"
#include "controls/listview/ListItemsState.h"
#include "platform/Win32.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The rows of a list, added, removed and cleared through here. The platform
// list is virtual: it holds only the number of rows, which rows are
// selected and which has the focus, and asks for a row's texts as it shows
// them. So a hundred thousand rows cost what they hold and no more, and a
// fill is a matter of memory. Counts and positions are 32-bit.
class ListItems final : public ListItemsState, private ListRowHost {
public:
    explicit ListItems(ListHost& owner) noexcept : owner_(owner) {}
    ListItems(const ListItems&) = delete;
    ListItems& operator=(const ListItems&) = delete;

    // Rows whose check box is checked.
    [[nodiscard]] std::int32_t CheckedCount() const;
    // The rows added here and not removed.
    [[nodiscard]] std::int32_t Count() const override { return static_cast<std::int32_t>(rows_.size()); }
    // Nothing outside 0 to Count() - 1.
    [[nodiscard]] ListItem* Item(std::int32_t index) override;
    [[nodiscard]] std::int32_t SelectedCount() const override;

    // Appends a row of texts, or one that stands for an item of a folder;
    // returns its position (after the sort, when the list keeps its rows
    // sorted), or -1 when the list has no window or the platform refused
    // the row; nothing changes then.
    std::int32_t Add(const std::wstring& text);
    std::int32_t Add(FolderRow row) override;
    void Clear() override;
    // A position outside the rows is ignored.
    void Remove(std::int32_t index);
    void Reorder(const std::vector<std::int32_t>& order) override;

    // For drawing, which asks for every row shown: whether any row has
    // colours of its own at all.
    [[nodiscard]] bool HasColoredRows() const noexcept { return coloredRows_ > 0; }

private:
    friend class ListView;

    std::int32_t Append(std::unique_ptr<ListItem> row);
    [[nodiscard]] std::int32_t ColumnCount() const override { return owner_.ColumnCount(); }
    LRESULT SendToList(UINT message, WPARAM wparam, LPARAM lparam) const override;
    using ListRowHost::SendToList;
    void RedrawRow(std::int32_t index) const override;
    void RowChecked(ListItem& row) override { owner_.RowChecked(row); }
    void CountColoredRow(std::int32_t change) noexcept override { coloredRows_ += change; }
    [[nodiscard]] std::wstring RowText(const FolderRow& row, std::int32_t column) const override
    {
        return owner_.RowText(row, column);
    }
    // Tells the platform list how many rows there are; false if it refused.
    bool PushCount() const;
    void Reserve(std::int32_t rowsToCome);
    // The rows went with the platform window: forget them without asking it.
    void Forget() noexcept;
    // Orders the rows by the texts of `column` with the user's locale.
    void Sort(std::int32_t column, bool descending);
    void Renumber(std::int32_t from) noexcept;
    [[nodiscard]] std::vector<ListItem*> RowsInState(UINT state) const;

    ListHost& owner_;
    std::vector<std::unique_ptr<ListItem>> rows_;
    std::int32_t coloredRows_ = 0;
};
