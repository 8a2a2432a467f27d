#include "controls/listview/ListItem.h"

#include "services/Colors.h"

#include <algorithm>
#include <utility>

ListItem::ListItem(ListRowHost& owner, std::int32_t index, std::wstring text) noexcept : owner_(owner), index_(index)
{
    texts_.push_back(std::move(text));
}

ListItem::ListItem(ListRowHost& owner, std::int32_t index, FolderRow row) noexcept
    : owner_(owner), index_(index), row_(std::move(row))
{
}

const FolderRow& ListItem::Row() const
{
    static const FolderRow none;
    return row_ ? *row_ : none;
}

void ListItem::SetRow(FolderRow row)
{
    row_ = std::move(row);
    texts_.clear();
    Redraw();
}

std::wstring ListItem::Text(std::int32_t column) const
{
    if (row_) {
        return column >= 0 && column < std::max(owner_.ColumnCount(), 1) ? owner_.RowText(*row_, column)
                                                                         : std::wstring();
    }
    return column >= 0 && static_cast<size_t>(column) < texts_.size() ? texts_[static_cast<size_t>(column)]
                                                                      : std::wstring();
}

void ListItem::SetText(std::int32_t column, const std::wstring& text)
{
    if (row_ || column < 0 || (column > 0 && column >= owner_.ColumnCount())) {
        return;
    }
    if (static_cast<size_t>(column) >= texts_.size()) {
        texts_.resize(static_cast<size_t>(column) + 1);
    }
    texts_[static_cast<size_t>(column)] = text;
    Redraw();
}

// A box that turns, by the user or by the program, is reported.
void ListItem::SetChecked(bool checked)
{
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    Redraw();
    owner_.RowChecked(*this);
}

void ListItem::SetState(UINT state, UINT mask)
{
    LVITEMW item{LVIF_STATE};
    item.state = state;
    item.stateMask = mask;
    owner_.SendToList(LVM_SETITEMSTATE, static_cast<WPARAM>(index_), &item);
}

bool ListItem::Selected() const
{
    return owner_.SendToList(LVM_GETITEMSTATE, static_cast<WPARAM>(index_), LPARAM{LVIS_SELECTED}) != 0;
}

void ListItem::SetSelected(bool selected)
{
    SetState(selected ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
}

bool ListItem::EnsureVisible()
{
    return owner_.SendToList(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index_), LPARAM{FALSE}) != FALSE;
}

void ListItem::Redraw() const
{
    owner_.RedrawRow(index_);
}

std::int32_t ListItem::ForeColor() const
{
    return foreSet_ ? foreColor_ : static_cast<std::int32_t>(owner_.SendToList(LVM_GETTEXTCOLOR, 0, LPARAM{0}));
}

std::int32_t ListItem::BackColor() const
{
    return backSet_ ? backColor_ : static_cast<std::int32_t>(owner_.SendToList(LVM_GETTEXTBKCOLOR, 0, LPARAM{0}));
}

void ListItem::SetForeColor(std::int32_t color)
{
    SetColor(color, foreColor_, shownFore_, foreSet_);
}

void ListItem::SetBackColor(std::int32_t color)
{
    SetColor(color, backColor_, shownBack_, backSet_);
}

void ListItem::SetColor(std::int32_t color, std::int32_t& field, COLORREF& shown, bool& set)
{
    if (!HasOwnColors()) {
        owner_.CountColoredRow(1);
    }
    field = color;
    shown = static_cast<COLORREF>(Colors().Translate(color, Variant(0)));
    set = true;
    Redraw();
}

void ListItem::PaintColors(COLORREF& text, COLORREF& background) const
{
    // A colour the platform could not translate leaves the list's own.
    if (foreSet_ && shownFore_ != CLR_INVALID) {
        text = shownFore_;
    }
    if (backSet_ && shownBack_ != CLR_INVALID) {
        background = shownBack_;
    }
}
