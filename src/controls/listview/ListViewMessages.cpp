#include "controls/listview/ListView.h"

#include "controls/plumbing/Subclassing.h"
#include "platform/Dpi.h"

#include <algorithm>
#include <cwchar>
#include <utility>

namespace {

ListView* ControlOf(HWND window)
{
    return static_cast<ListView*>(::GetPropW(window, ListViewControlProperty));
}

// Holding a modifier selects nothing; a Shift or Ctrl held for a click must
// not make the click's selection look like a key's.
bool IsModifier(WORD key)
{
    switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
        return true;
    default:
        return false;
    }
}

bool IsWatched(UINT message)
{
    return message == WM_SETFOCUS || message == WM_KILLFOCUS || message == WM_KEYUP || message == WM_CHAR ||
        message == WM_NOTIFY || message == WM_LBUTTONDOWN;
}

void CopyText(const std::wstring& text, wchar_t* buffer, int capacity)
{
    if (buffer == nullptr || capacity < 1) {
        return;
    }
    const size_t length = std::min(text.size(), static_cast<size_t>(capacity) - 1);
    std::copy_n(text.data(), length, buffer);
    buffer[length] = L'\0';
}

bool StartsWith(const std::wstring& text, const wchar_t* prefix, bool whole)
{
    const auto length = static_cast<int>(std::wcslen(prefix));
    if (static_cast<int>(text.size()) < length || (whole && static_cast<int>(text.size()) != length)) {
        return false;
    }
    return ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), length, prefix, length, nullptr,
               nullptr, 0) == CSTR_EQUAL;
}

} // namespace

void ListView::AfterListMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SETFOCUS:
        ActivateKeyTranslation();
        break;
    case WM_KEYUP:
        keySelection_ = false;
        Events().KeyUp(static_cast<std::int16_t>(wparam));
        break;
    case WM_CHAR:
        Events().KeyPress(static_cast<std::int16_t>(wparam));
        break;
    case WM_KILLFOCUS:
        keySelection_ = false;
        break;
    case WM_LBUTTONDOWN:
        CheckBoxClick(lparam);
        break;
    case WM_NOTIFY:
        // From the header: a width changed, by dragging or by the program.
        if (reinterpret_cast<const NMHDR*>(lparam)->code == static_cast<UINT>(HDN_ITEMCHANGEDW)) {
            RefreshColumnTips();
            if (!pushingColumn_) {
                ColumnDragged(reinterpret_cast<const NMHEADERW*>(lparam)->iItem);
            }
        }
        break;
    default:
        break;
    }
}

// The width the user gave a column (by its divider, by a double click on it
// or by the keyboard) is the column's width from now on.
void ListView::ColumnDragged(std::int32_t index)
{
    ::Column* column = Column(index);
    if (column == nullptr) {
        return;
    }
    const auto shown = static_cast<int>(SendToList(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index)));
    column->actualWidth_ = std::max(1, ::MulDiv(shown, static_cast<int>(::Dpi::Standard), static_cast<int>(Dpi())));
    Events().ColumnResized(*column);
}

LRESULT ListView::OnNotification(NMHDR& header)
{
    if (header.hwndFrom != ControlHwnd() || header.hwndFrom == nullptr) {
        return 0;
    }
    // The list shows its rows even while a form is designed; there it raises
    // nothing.
    switch (header.code) {
    case LVN_GETDISPINFOW:
        return RowRequest(reinterpret_cast<NMLVDISPINFOW&>(header));
    case LVN_ODFINDITEMW:
        return FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
    case LVN_DELETEALLITEMS:
        // No notification per row: nothing here keeps anything per row.
        return TRUE;
    default:
        break;
    }
    if (!UserMode()) {
        return 0;
    }
    switch (header.code) {
    case NM_CLICK:
        MouseRule(reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::LeftButton, false);
        return 0;
    case NM_DBLCLK:
        MouseRule(reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::LeftButton, true);
        return 0;
    case NM_RCLICK:
        MouseRule(reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::RightButton, false);
        return 0;
    case NM_RDBLCLK:
        MouseRule(reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::RightButton, true);
        return 0;
    case NM_RETURN:
        // Enter reaches the list, not its label editor: pass it on.
        if (const auto editor = reinterpret_cast<HWND>(SendToList(LVM_GETEDITCONTROL))) {
            ::SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        }
        return 0;
    case NM_CUSTOMDRAW:
        return CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case LVN_ITEMCHANGED:
        ItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        return 0;
    case LVN_ODSTATECHANGED:
        RangeChanged(reinterpret_cast<const NMLVODSTATECHANGE&>(header));
        return 0;
    case LVN_BEGINLABELEDITW: {
        bool cancel = false;
        Events().BeforeLabelEdit(cancel);
        return cancel ? TRUE : FALSE;
    }
    case LVN_ENDLABELEDITW:
        return EndLabelEdit(reinterpret_cast<const NMLVDISPINFOW&>(header));
    case LVN_COLUMNCLICK:
        if (::Column* column = Column(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem)) {
            Events().ColumnClick(*column);
        }
        return 0;
    case LVN_KEYDOWN:
        ListKeyDown(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        return 0;
    default:
        return 0;
    }
}

// A click is placed where the platform saw it, not where the pointer is by
// the time the notification is handled. Only a hit on a row's text (with
// full-row select, anywhere on the row) counts as a click on the row.
void ListView::MouseRule(const NMITEMACTIVATE& activate, std::int16_t button, bool doubleClick)
{
    LVHITTESTINFO hit{activate.ptAction};
    const auto row = static_cast<std::int32_t>(SendToList(LVM_HITTEST, 0, &hit));
    if (row >= 0) {
        ListItem* item = (hit.flags & LVHT_ONITEMLABEL) != 0 ? ListItems().Item(row) : nullptr;
        if (item != nullptr && doubleClick) {
            Events().ItemDblClick(*item, button);
        } else if (item != nullptr) {
            Events().ItemClick(*item, button);
        }
    } else if (doubleClick) {
        Events().DblClick(button);
    } else {
        Events().Click(button);
    }
    FocusList();
}

// A key that newly selects a row counts as a left click on it, once per
// key press; selections by the mouse or by the program do not.
void ListView::ItemChanged(const NMLISTVIEW& change)
{
    if ((change.uChanged & LVIF_STATE) == 0) {
        return;
    }
    const bool newlySelected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
    const bool newlyFocused = (change.uNewState & LVIS_FOCUSED) != 0 && (change.uOldState & LVIS_FOCUSED) == 0;
    if (newlySelected) {
        SelectedByKey(change.iItem);
    } else if (newlyFocused && keySelection_ &&
        SendToList(LVM_GETITEMSTATE, static_cast<WPARAM>(change.iItem), LVIS_SELECTED) != 0) {
        // Wine selects a run of rows without a word and then only moves the
        // focus to the row the key went to.
        SelectedByKey(change.iItem);
    }
}

// Shift with a key selects a run of rows at once; the row the key moved to
// (the focused one) is the one clicked.
void ListView::RangeChanged(const NMLVODSTATECHANGE& change)
{
    if ((change.uNewState & LVIS_SELECTED) == 0 || (change.uOldState & LVIS_SELECTED) != 0) {
        return;
    }
    const auto focused =
        static_cast<std::int32_t>(SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LPARAM{LVNI_FOCUSED}));
    SelectedByKey(focused >= change.iFrom && focused <= change.iTo ? focused : change.iFrom);
}

// The virtual list re-selects the focused row of a key that leaves it
// selected (Space, Enter); that row was no news.
void ListView::SelectedByKey(std::int32_t row)
{
    if (!keySelection_ || row == keyHeldRow_) {
        return;
    }
    if (ListItem* item = ListItems().Item(row)) {
        keySelection_ = false;
        Events().ItemClick(*item, ListViewEvents::LeftButton);
        FocusList();
    }
}

// A virtual list turns no check box itself: a click on the box and Space on
// the focused row turn it here.
void ListView::ToggleCheck(std::int32_t row)
{
    if (ListItem* item = ListItems().Item(row); item != nullptr && Checkboxes()) {
        item->SetChecked(!item->Checked());
    }
}

void ListView::CheckBoxClick(LPARAM where)
{
    LVHITTESTINFO hit{{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))}};
    const auto row = static_cast<std::int32_t>(SendToList(LVM_HITTEST, 0, &hit));
    if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
        ToggleCheck(row);
    }
}

// A row the collection does not know (one put in behind its back) shows
// empty.
LRESULT ListView::RowRequest(NMLVDISPINFOW& request)
{
    LVITEMW& asked = request.item;
    const ListItem* row = ListItems().Item(asked.iItem);
    if ((asked.mask & LVIF_TEXT) != 0) {
        CopyText(row != nullptr ? row->Text(asked.iSubItem) : std::wstring(), asked.pszText, asked.cchTextMax);
    }
    if ((asked.mask & LVIF_STATE) != 0 && Checkboxes()) {
        asked.state =
            (asked.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(row != nullptr && row->Checked() ? 2 : 1);
    }
    if ((asked.mask & LVIF_INDENT) != 0) {
        asked.iIndent = 0;
    }
    return 0;
}

// Typing the start of a name goes to the next row whose text starts so.
LRESULT ListView::FindRow(const NMLVFINDITEMW& find)
{
    const LVFINDINFOW& wanted = find.lvfi;
    const std::int32_t rows = ListItems().Count();
    if ((wanted.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || wanted.psz == nullptr || rows < 1) {
        return -1;
    }
    const std::int32_t start = find.iStart >= 0 && find.iStart < rows ? find.iStart : 0;
    const std::int32_t span = (wanted.flags & LVFI_WRAP) != 0 ? rows : rows - start;
    const bool whole = (wanted.flags & LVFI_PARTIAL) == 0;
    for (std::int32_t step = 0; step < span; ++step) {
        const std::int32_t row = (start + step) % rows;
        if (StartsWith(ListItems().Item(row)->Text(0), wanted.psz, whole)) {
            return row;
        }
    }
    return -1;
}

LRESULT ListView::EndLabelEdit(const NMLVDISPINFOW& edit)
{
    bool cancel = false;
    std::wstring newString;
    Events().AfterLabelEdit(cancel, newString);
    if (cancel) {
        return FALSE;
    }
    const wchar_t* typed = edit.item.pszText;
    ListItem* item = ListItems().Item(edit.item.iItem);
    if (!newString.empty() && (typed == nullptr || newString != typed)) {
        // The row takes the replacement, and the typed text is refused.
        if (item != nullptr) {
            item->SetText(0, newString);
        }
        return FALSE;
    }
    // A virtual list keeps no text: the row takes what was typed.
    if (item != nullptr && typed != nullptr) {
        item->SetText(0, typed);
    }
    return TRUE;
}

// Rows are drawn by the platform alone while no row has colours of its own.
LRESULT ListView::CustomDraw(NMLVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return ListItems().HasColoredRows() ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
        const ListItem* item = ListItems().Item(static_cast<std::int32_t>(draw.nmcd.dwItemSpec));
        if (item == nullptr || !item->HasOwnColors()) {
            return CDRF_DODEFAULT;
        }
        item->PaintColors(draw.clrText, draw.clrTextBk);
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

void ListView::ListKeyDown(WORD key)
{
    Events().KeyDown(static_cast<std::int16_t>(key));
    const auto focused =
        static_cast<std::int32_t>(SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LPARAM{LVNI_FOCUSED}));
    if (!IsModifier(key)) {
        keySelection_ = true;
        const bool selected =
            focused >= 0 && SendToList(LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) != 0;
        keyHeldRow_ = selected ? focused : -1;
    }
    if (key == VK_SPACE) {
        ToggleCheck(focused);
    }
}

// Shift+F10 asks the owner for the context menu once it is released, as the
// platform's own windows have it; Wine's list takes it for the menu bar's
// key, and a menu opened before the release would close on it.
bool ListView::ShiftF10(UINT message, WPARAM key)
{
    if (key != VK_F10) {
        return false;
    }
    if (message == WM_SYSKEYDOWN && ::GetKeyState(VK_SHIFT) < 0) {
        shiftF10Down_ = true;
        return true;
    }
    if (message == WM_SYSKEYUP && std::exchange(shiftF10Down_, false)) {
        ::SendMessageW(Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_.Get()), MAKELPARAM(-1, -1));
        return true;
    }
    return false;
}

LRESULT CALLBACK ListView::ListWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == LVM_SETITEMSTATE && wparam == static_cast<WPARAM>(-1)) {
        // Every row at once (Select all): the list repaints once, not row by
        // row, which takes seconds for thousands of rows.
        if (ListView* control = ControlOf(window)) {
            const ListUpdate update(*control);
            return plumbing::Subclassing::CallPrevious(window, ListViewProcProperty, message, wparam, lparam);
        }
    }
    if (ListView* control = ControlOf(window); control != nullptr && control->ShiftF10(message, wparam)) {
        return 0;
    }
    const LRESULT result = plumbing::Subclassing::CallPrevious(window, ListViewProcProperty, message, wparam, lparam);
    if (!IsWatched(message)) {
        return result;
    }
    // Found after the list has handled the message: a handler may have taken
    // the control away meanwhile.
    if (ListView* control = ControlOf(window)) {
        control->AfterListMessage(message, wparam, lparam);
    }
    return result;
}
