#include "probe/ListViewReader.h"

#include "probe/ProbeError.h"
#include "probe/RemoteMemory.h"
#include "probe/RemoteText.h"
#include "probe/WindowReader.h"

#include <algorithm>

ListViewReader::ListViewReader(HANDLE process, HWND list) : process_(process), list_(list)
{
    if (list_ == nullptr) {
        throw ProbeError(L"no list to read");
    }
}

int ListViewReader::Count() const
{
    return static_cast<int>(WindowReader::Send(list_, LVM_GETITEMCOUNT));
}

int ListViewReader::SelectedCount() const
{
    return static_cast<int>(WindowReader::Send(list_, LVM_GETSELECTEDCOUNT));
}

std::vector<int> ListViewReader::Selected() const
{
    std::vector<int> items;
    int item = -1;
    while ((item = static_cast<int>(WindowReader::Send(
                list_, LVM_GETNEXTITEM, static_cast<WPARAM>(item), MAKELPARAM(LVNI_SELECTED, 0)))) >= 0) {
        items.push_back(item);
    }
    return items;
}

std::optional<int> ListViewReader::Focused() const
{
    const auto item =
        static_cast<int>(WindowReader::Send(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    return item >= 0 ? std::optional<int>(item) : std::nullopt;
}

int ListViewReader::ColumnCount() const
{
    const auto header = reinterpret_cast<HWND>(WindowReader::Send(list_, LVM_GETHEADER));
    return header != nullptr ? static_cast<int>(WindowReader::Send(header, HDM_GETITEMCOUNT)) : 0;
}

std::vector<std::wstring> ListViewReader::Headers() const
{
    std::vector<std::wstring> headers;
    for (int column = 0, count = ColumnCount(); column < count; ++column) {
        headers.push_back(RemoteText::Read<LVCOLUMNW>(
            process_, list_, LVM_GETCOLUMNW,
            [column](LVCOLUMNW& record, wchar_t* buffer, int capacity) {
                record.mask = LVCF_TEXT;
                record.pszText = buffer;
                record.cchTextMax = capacity;
                return static_cast<WPARAM>(column);
            },
            RemoteText::Length::UpToNul));
    }
    return headers;
}

int ListViewReader::ColumnWidth(int column) const
{
    return static_cast<int>(WindowReader::Send(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

std::wstring ListViewReader::Text(int item, int column) const
{
    return RemoteText::Read<LVITEMW>(
        process_, list_, LVM_GETITEMTEXTW,
        [item, column](LVITEMW& record, wchar_t* buffer, int capacity) {
            record.iSubItem = column;
            record.pszText = buffer;
            record.cchTextMax = capacity;
            return static_cast<WPARAM>(item);
        },
        RemoteText::Length::Answered);
}

UINT ListViewReader::State(int item) const
{
    return static_cast<UINT>(
        WindowReader::Send(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED | LVIS_FOCUSED));
}

ListRow ListViewReader::Row(int item) const
{
    ListRow row;
    for (int column = 0, count = std::max(ColumnCount(), 1); column < count; ++column) {
        row.texts.push_back(Text(item, column));
    }
    const UINT state = State(item);
    row.selected = (state & LVIS_SELECTED) != 0;
    row.focused = (state & LVIS_FOCUSED) != 0;
    return row;
}

std::vector<ListRow> ListViewReader::Rows() const
{
    std::vector<ListRow> rows;
    for (int item = 0, count = Count(); item < count; ++item) {
        rows.push_back(Row(item));
    }
    return rows;
}

std::vector<std::wstring> ListViewReader::Names() const
{
    std::vector<std::wstring> names;
    for (int item = 0, count = Count(); item < count; ++item) {
        names.push_back(Text(item, 0));
    }
    return names;
}

RECT ListViewReader::CellRect(int item, int column) const
{
    RemoteMemory memory(process_, sizeof(RECT));
    RECT rect{};
    rect.top = column;
    rect.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    memory.Put(rect);
    const UINT message = column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT;
    if (WindowReader::Send(list_, message, static_cast<WPARAM>(item), memory.Parameter()) == 0) {
        throw ProbeError(L"the list has no line " + std::to_wstring(item) + L" column " + std::to_wstring(column));
    }
    return memory.Get<RECT>();
}

void ListViewReader::EnsureVisible(int item) const
{
    WindowReader::Send(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}
