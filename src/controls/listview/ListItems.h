#pragma once

#include "app/ListItemsState.h"
#include "controls/listview/ListItem.h"
#include "platform/Win32.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ListView;

// The rows of a list, added, removed and cleared through here. The platform
// list holds the rows; this collection keeps, per position, the value that
// identifies the row in the platform list and the row's proxy, made when the
// row is first asked for. Counts and positions are 32-bit.
class ListItems final : public ListItemsState {
public:
    explicit ListItems(ListView& owner) noexcept : owner_(owner) {}
    ListItems(const ListItems&) = delete;
    ListItems& operator=(const ListItems&) = delete;

    // Rows whose check box is checked (one platform question per row).
    [[nodiscard]] std::int32_t CheckedCount() const;
    // The rows added here and not removed.
    [[nodiscard]] std::int32_t Count() const override { return static_cast<std::int32_t>(values_.size()); }
    // Nothing outside 0 to Count() - 1.
    [[nodiscard]] ListItem* Item(std::int32_t index) override;
    [[nodiscard]] std::int32_t SelectedCount() const override;

    // Appends a row; returns its position (after the sort, when the list
    // keeps its rows sorted), or -1 when the list has no window or the
    // platform refused the row; nothing changes then.
    std::int32_t Add(const std::wstring& text) override;
    void Clear() override;
    // A position outside the rows is ignored.
    void Remove(std::int32_t index);

    // For drawing, which asks for every row shown: the proxy of a row if it
    // was ever made (a row without one has no colours of its own), and
    // whether any row has colours of its own at all.
    [[nodiscard]] const ListItem* Existing(std::int32_t index) const;
    [[nodiscard]] bool HasColoredRows() const noexcept { return coloredRows_ > 0; }

    // The text of a row's column, whole, whatever its length.
    [[nodiscard]] std::wstring TextAt(std::int32_t row, std::int32_t column) const;

private:
    friend class ListItem;
    friend class ListView;

    [[nodiscard]] HWND ListWindow() const;
    LRESULT Send(UINT message, WPARAM wparam, LPARAM lparam) const;
    template <typename Record>
    LRESULT Send(UINT message, WPARAM wparam, Record* record) const
    {
        return Send(message, wparam, reinterpret_cast<LPARAM>(record));
    }
    void CountColoredRow(std::int32_t change) noexcept { coloredRows_ += change; }
    void DropProxy(std::unique_ptr<ListItem>& proxy) noexcept;
    // The rows went with the platform window: forget them without asking it.
    void Forget() noexcept;
    // Orders the rows by the texts of `column` with the user's locale.
    void Sort(std::int32_t column, bool descending);

    ListView& owner_;
    // Per position: the row's value in the platform list (LVITEM lParam),
    // from a counter that never repeats, and its proxy (null until asked for).
    std::vector<LPARAM> values_;
    std::vector<std::unique_ptr<ListItem>> proxies_;
    LPARAM nextValue_ = 0;
    std::int32_t coloredRows_ = 0;
};
