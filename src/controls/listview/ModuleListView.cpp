#include "controls/listview/ModuleListView.h"

#include "controls/listview/ListView.h"
#include "controls/plumbing/Subclassing.h"

#include <algorithm>
#include <cwchar>
#include <numeric>

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

// The rules that turn the platform list's messages into the control's events.
struct ModuleListView {
    static void AfterListMessage(ListView& control, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT Notification(ListView& control, NMHDR& header);
    static void MouseRule(ListView& control, const NMITEMACTIVATE& activate, std::int16_t button, bool doubleClick);
    static void ItemChanged(ListView& control, const NMLISTVIEW& change);
    static void RangeChanged(ListView& control, const NMLVODSTATECHANGE& change);
    static void SelectedByKey(ListView& control, std::int32_t row);
    static void ToggleCheck(ListView& control, std::int32_t row);
    static void CheckBoxClick(ListView& control, LPARAM where);
    static LRESULT RowRequest(ListView& control, NMLVDISPINFOW& request);
    static LRESULT FindRow(ListView& control, const NMLVFINDITEMW& find);
    static LRESULT EndLabelEdit(ListView& control, const NMLVDISPINFOW& edit);
    static LRESULT CustomDraw(ListView& control, NMLVCUSTOMDRAW& draw);
    static void KeyDown(ListView& control, WORD key);
};

void ModuleListView::AfterListMessage(ListView& control, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SETFOCUS:
        control.ActivateKeyTranslation();
        break;
    case WM_KEYUP:
        control.keySelection_ = false;
        control.Events().KeyUp(static_cast<std::int16_t>(wparam));
        break;
    case WM_CHAR:
        control.Events().KeyPress(static_cast<std::int16_t>(wparam));
        break;
    case WM_KILLFOCUS:
        control.keySelection_ = false;
        break;
    case WM_LBUTTONDOWN:
        CheckBoxClick(control, lparam);
        break;
    case WM_NOTIFY:
        // From the header: a width changed, by dragging or by the program.
        if (reinterpret_cast<const NMHDR*>(lparam)->code == static_cast<UINT>(HDN_ITEMCHANGEDW)) {
            control.RefreshColumnTips();
        }
        break;
    default:
        break;
    }
}

LRESULT ModuleListView::Notification(ListView& control, NMHDR& header)
{
    if (header.hwndFrom != control.ControlHwnd() || header.hwndFrom == nullptr) {
        return 0;
    }
    // The list shows its rows even while a form is designed; there it raises
    // nothing.
    switch (header.code) {
    case LVN_GETDISPINFOW:
        return RowRequest(control, reinterpret_cast<NMLVDISPINFOW&>(header));
    case LVN_ODFINDITEMW:
        return FindRow(control, reinterpret_cast<const NMLVFINDITEMW&>(header));
    case LVN_DELETEALLITEMS:
        // No notification per row: nothing here keeps anything per row.
        return TRUE;
    default:
        break;
    }
    if (!control.UserMode()) {
        return 0;
    }
    switch (header.code) {
    case NM_CLICK:
        MouseRule(control, reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::LeftButton, false);
        return 0;
    case NM_DBLCLK:
        MouseRule(control, reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::LeftButton, true);
        return 0;
    case NM_RCLICK:
        MouseRule(control, reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::RightButton, false);
        return 0;
    case NM_RDBLCLK:
        MouseRule(control, reinterpret_cast<const NMITEMACTIVATE&>(header), ListViewEvents::RightButton, true);
        return 0;
    case NM_RETURN:
        // Enter reaches the list, not its label editor: pass it on.
        if (const auto editor = reinterpret_cast<HWND>(control.SendToList(LVM_GETEDITCONTROL))) {
            ::SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        }
        return 0;
    case NM_CUSTOMDRAW:
        return CustomDraw(control, reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case LVN_ITEMCHANGED:
        ItemChanged(control, reinterpret_cast<const NMLISTVIEW&>(header));
        return 0;
    case LVN_ODSTATECHANGED:
        RangeChanged(control, reinterpret_cast<const NMLVODSTATECHANGE&>(header));
        return 0;
    case LVN_BEGINLABELEDITW: {
        bool cancel = false;
        control.Events().BeforeLabelEdit(cancel);
        return cancel ? TRUE : FALSE;
    }
    case LVN_ENDLABELEDITW:
        return EndLabelEdit(control, reinterpret_cast<const NMLVDISPINFOW&>(header));
    case LVN_COLUMNCLICK:
        if (::Column* column = control.Column(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem)) {
            control.Events().ColumnClick(*column);
        }
        return 0;
    case LVN_KEYDOWN:
        KeyDown(control, reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        return 0;
    default:
        return 0;
    }
}

// A click is placed where the platform saw it, not where the pointer is by
// the time the notification is handled. Only a hit on a row's text (with
// full-row select, anywhere on the row) counts as a click on the row.
void ModuleListView::MouseRule(ListView& control, const NMITEMACTIVATE& activate, std::int16_t button, bool doubleClick)
{
    LVHITTESTINFO hit{activate.ptAction};
    const auto row = static_cast<std::int32_t>(control.SendToList(LVM_HITTEST, 0, &hit));
    if (row >= 0) {
        ListItem* item = (hit.flags & LVHT_ONITEMLABEL) != 0 ? control.ListItems().Item(row) : nullptr;
        if (item != nullptr && doubleClick) {
            control.Events().ItemDblClick(*item, button);
        } else if (item != nullptr) {
            control.Events().ItemClick(*item, button);
        }
    } else if (doubleClick) {
        control.Events().DblClick(button);
    } else {
        control.Events().Click(button);
    }
    control.FocusList();
}

// A key that newly selects a row counts as a left click on it, once per
// key press; selections by the mouse or by the program do not.
void ModuleListView::ItemChanged(ListView& control, const NMLISTVIEW& change)
{
    if ((change.uChanged & LVIF_STATE) == 0) {
        return;
    }
    const bool newlySelected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
    const bool newlyFocused = (change.uNewState & LVIS_FOCUSED) != 0 && (change.uOldState & LVIS_FOCUSED) == 0;
    if (newlySelected) {
        SelectedByKey(control, change.iItem);
    } else if (newlyFocused && control.keySelection_ &&
        control.SendToList(LVM_GETITEMSTATE, static_cast<WPARAM>(change.iItem), LVIS_SELECTED) != 0) {
        // Wine selects a run of rows without a word and then only moves the
        // focus to the row the key went to.
        SelectedByKey(control, change.iItem);
    }
}

// Shift with a key selects a run of rows at once; the row the key moved to
// (the focused one) is the one clicked.
void ModuleListView::RangeChanged(ListView& control, const NMLVODSTATECHANGE& change)
{
    if ((change.uNewState & LVIS_SELECTED) == 0 || (change.uOldState & LVIS_SELECTED) != 0) {
        return;
    }
    const auto focused = static_cast<std::int32_t>(
        control.SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LPARAM{LVNI_FOCUSED}));
    SelectedByKey(control, focused >= change.iFrom && focused <= change.iTo ? focused : change.iFrom);
}

// The virtual list re-selects the focused row of a key that leaves it
// selected (Space, Enter); that row was no news.
void ModuleListView::SelectedByKey(ListView& control, std::int32_t row)
{
    if (!control.keySelection_ || row == control.keyHeldRow_) {
        return;
    }
    if (ListItem* item = control.ListItems().Item(row)) {
        control.keySelection_ = false;
        control.Events().ItemClick(*item, ListViewEvents::LeftButton);
        control.FocusList();
    }
}

// A virtual list turns no check box itself: a click on the box and Space on
// the focused row turn it here.
void ModuleListView::ToggleCheck(ListView& control, std::int32_t row)
{
    if (ListItem* item = control.ListItems().Item(row); item != nullptr && control.Checkboxes()) {
        item->SetChecked(!item->Checked());
    }
}

void ModuleListView::CheckBoxClick(ListView& control, LPARAM where)
{
    LVHITTESTINFO hit{{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))}};
    const auto row = static_cast<std::int32_t>(control.SendToList(LVM_HITTEST, 0, &hit));
    if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
        ToggleCheck(control, row);
    }
}

// A row the collection does not know (one put in behind its back) shows
// empty.
LRESULT ModuleListView::RowRequest(ListView& control, NMLVDISPINFOW& request)
{
    LVITEMW& asked = request.item;
    const ListItem* row = control.ListItems().Item(asked.iItem);
    if ((asked.mask & LVIF_TEXT) != 0) {
        static const std::wstring none;
        CopyText(row != nullptr ? row->ShownText(asked.iSubItem) : none, asked.pszText, asked.cchTextMax);
    }
    if ((asked.mask & LVIF_STATE) != 0 && control.Checkboxes()) {
        asked.state = (asked.state & ~LVIS_STATEIMAGEMASK) |
            INDEXTOSTATEIMAGEMASK(row != nullptr && row->Checked() ? 2 : 1);
    }
    if ((asked.mask & LVIF_INDENT) != 0) {
        asked.iIndent = 0;
    }
    return 0;
}

// Typing the start of a name goes to the next row whose text starts so.
LRESULT ModuleListView::FindRow(ListView& control, const NMLVFINDITEMW& find)
{
    const LVFINDINFOW& wanted = find.lvfi;
    const std::int32_t rows = control.ListItems().Count();
    if ((wanted.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || wanted.psz == nullptr || rows < 1) {
        return -1;
    }
    const std::int32_t start = find.iStart >= 0 && find.iStart < rows ? find.iStart : 0;
    const std::int32_t span = (wanted.flags & LVFI_WRAP) != 0 ? rows : rows - start;
    const bool whole = (wanted.flags & LVFI_PARTIAL) == 0;
    for (std::int32_t step = 0; step < span; ++step) {
        const std::int32_t row = (start + step) % rows;
        if (StartsWith(control.ListItems().Item(row)->ShownText(0), wanted.psz, whole)) {
            return row;
        }
    }
    return -1;
}

LRESULT ModuleListView::EndLabelEdit(ListView& control, const NMLVDISPINFOW& edit)
{
    bool cancel = false;
    std::wstring newString;
    control.Events().AfterLabelEdit(cancel, newString);
    if (cancel) {
        return FALSE;
    }
    const wchar_t* typed = edit.item.pszText;
    ListItem* item = control.ListItems().Item(edit.item.iItem);
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
LRESULT ModuleListView::CustomDraw(ListView& control, NMLVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return control.ListItems().HasColoredRows() ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
        const ListItem* item = control.ListItems().Item(static_cast<std::int32_t>(draw.nmcd.dwItemSpec));
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

void ModuleListView::KeyDown(ListView& control, WORD key)
{
    control.Events().KeyDown(static_cast<std::int16_t>(key));
    const auto focused = static_cast<std::int32_t>(
        control.SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LPARAM{LVNI_FOCUSED}));
    if (!IsModifier(key)) {
        control.keySelection_ = true;
        const bool selected =
            focused >= 0 && control.SendToList(LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) != 0;
        control.keyHeldRow_ = selected ? focused : -1;
    }
    if (key == VK_SPACE) {
        ToggleCheck(control, focused);
    }
}

LRESULT CALLBACK ListViewWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == LVM_SETITEMSTATE && wparam == static_cast<WPARAM>(-1)) {
        // Every row at once (Select all): the list repaints once, not row by
        // row, which takes seconds for thousands of rows.
        if (ListView* control = ControlOf(window)) {
            const ListUpdate update(*control);
            return plumbing::Subclassing::CallPrevious(window, ListViewProcProperty, message, wparam, lparam);
        }
    }
    const LRESULT result = plumbing::Subclassing::CallPrevious(window, ListViewProcProperty, message, wparam, lparam);
    if (!IsWatched(message)) {
        return result;
    }
    // Found after the list has handled the message: a handler may have taken
    // the control away meanwhile.
    if (ListView* control = ControlOf(window)) {
        ModuleListView::AfterListMessage(*control, message, wparam, lparam);
    }
    return result;
}

LRESULT CALLBACK ListViewHeaderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    const auto* relay = reinterpret_cast<const ListViewHeaderRelay*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (relay == nullptr || relay->Previous == nullptr) {
        return ::DefWindowProcW(window, message, wparam, lparam);
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && relay->Tips != nullptr) {
        MSG mouse{window, message, wparam, lparam, static_cast<DWORD>(::GetMessageTime())};
        ::SendMessageW(relay->Tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&mouse));
    }
    return ::CallWindowProcW(relay->Previous, window, message, wparam, lparam);
}

LRESULT ListViewNotification(ListView& control, NMHDR& header)
{
    return ModuleListView::Notification(control, header);
}

std::vector<std::int32_t> SortedPositions(const std::vector<std::wstring>& texts, bool descending)
{
    std::vector<std::int32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    const auto compare = [&texts](std::int32_t first, std::int32_t second) {
        const std::wstring& a = texts[static_cast<size_t>(first)];
        const std::wstring& b = texts[static_cast<size_t>(second)];
        return ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, 0, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                   static_cast<int>(b.size()), nullptr, nullptr, 0) == CSTR_LESS_THAN;
    };
    if (descending) {
        std::stable_sort(order.begin(), order.end(), [&compare](auto a, auto b) { return compare(b, a); });
    } else {
        std::stable_sort(order.begin(), order.end(), compare);
    }
    return order;
}
