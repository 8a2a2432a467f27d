#include "controls/listview/ListItem.h"

#include "controls/listview/ListItems.h"
#include "services/Colors.h"

namespace {

constexpr UINT Unchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT CheckedImage = INDEXTOSTATEIMAGEMASK(2);

} // namespace

std::wstring ListItem::Text(std::int32_t column) const
{
    return owner_.TextAt(index_, column);
}

void ListItem::SetText(std::int32_t column, const std::wstring& text)
{
    LVITEMW item{LVIF_TEXT, index_, column};
    item.pszText = const_cast<wchar_t*>(text.c_str());
    owner_.Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(index_), &item);
}

UINT ListItem::State(UINT mask) const
{
    return static_cast<UINT>(owner_.Send(LVM_GETITEMSTATE, static_cast<WPARAM>(index_), static_cast<LPARAM>(mask)));
}

void ListItem::SetState(UINT state, UINT mask)
{
    LVITEMW item{LVIF_STATE};
    item.state = state;
    item.stateMask = mask;
    owner_.Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index_), &item);
}

bool ListItem::Checked() const
{
    return (State(LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) == CheckedImage;
}

void ListItem::SetChecked(bool checked)
{
    SetState(checked ? CheckedImage : Unchecked, LVIS_STATEIMAGEMASK);
}

bool ListItem::Selected() const
{
    return State(LVIS_SELECTED) != 0;
}

void ListItem::SetSelected(bool selected)
{
    SetState(selected ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
}

bool ListItem::EnsureVisible()
{
    return owner_.Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index_), LPARAM{FALSE}) != FALSE;
}

std::int32_t ListItem::ForeColor() const
{
    return foreSet_ ? foreColor_ : static_cast<std::int32_t>(owner_.Send(LVM_GETTEXTCOLOR, 0, LPARAM{0}));
}

std::int32_t ListItem::BackColor() const
{
    return backSet_ ? backColor_ : static_cast<std::int32_t>(owner_.Send(LVM_GETTEXTBKCOLOR, 0, LPARAM{0}));
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
    // The row shows its colour at its next paint.
    RECT row{LVIR_BOUNDS};
    if (owner_.Send(LVM_GETITEMRECT, static_cast<WPARAM>(index_), &row)) {
        ::InvalidateRect(owner_.ListWindow(), &row, TRUE);
    }
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
