#pragma once

#include "platform/Win32.h"

#include <optional>
#include <string>
#include <vector>

// One line of a report list as the other process shows it.
struct ListRow {
    std::vector<std::wstring> texts; // one per column
    bool selected = false;
    bool focused = false;

    [[nodiscard]] const std::wstring& Text(size_t column) const { return texts.at(column); }
};

// Reads a report list (SysListView32) of another process. Counts and
// states are plain numbers; texts and rectangles travel through records in
// the other process's memory. The process handle is borrowed and needs
// PROCESS_VM_OPERATION, PROCESS_VM_READ and PROCESS_VM_WRITE.
class ListViewReader {
public:
    ListViewReader(HANDLE process, HWND list);

    [[nodiscard]] HWND Hwnd() const noexcept { return list_; }
    [[nodiscard]] int Count() const;
    [[nodiscard]] int SelectedCount() const;
    [[nodiscard]] std::vector<int> Selected() const;
    [[nodiscard]] std::optional<int> Focused() const;

    [[nodiscard]] int ColumnCount() const;
    // Every header text, read whole (a text cut at its first character
    // would show a message sent in the wrong character set).
    [[nodiscard]] std::vector<std::wstring> Headers() const;
    [[nodiscard]] int ColumnWidth(int column) const;

    [[nodiscard]] std::wstring Text(int item, int column) const;
    [[nodiscard]] ListRow Row(int item) const;
    [[nodiscard]] std::vector<ListRow> Rows() const;
    // Column 0 of every line, for tests of order.
    [[nodiscard]] std::vector<std::wstring> Names() const;

    // Where a cell lies, in the list's client coordinates, for real clicks;
    // the text part for column 0, so a click there hits the line's label.
    [[nodiscard]] RECT CellRect(int item, int column) const;
    // Scrolls the line into view before a click on it.
    void EnsureVisible(int item) const;

private:
    [[nodiscard]] UINT State(int item) const;

    HANDLE process_;
    HWND list_;
};
