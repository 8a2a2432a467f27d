#include "controls/listview/ListView.h"

#include "controls/listview/ModuleListView.h"
#include "platform/Dpi.h"
#include "services/Colors.h"

#include <algorithm>
#include <utility>

namespace {

// Virtual: the rows live in ListItems, the platform list asks for what it
// shows (see ListItems).
constexpr DWORD ListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA;

struct NoEvents final : ListViewEvents {};

LPARAM Translated(std::int32_t color)
{
    return static_cast<LPARAM>(static_cast<COLORREF>(Colors().Translate(color, Variant(0))));
}

TOOLINFOW HeaderTool(HWND header, std::int32_t index, const std::wstring& text)
{
    TOOLINFOW tool{sizeof(tool), 0, header, static_cast<UINT_PTR>(index)};
    ::SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tool.rect));
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

} // namespace

ListView::ListView(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id)
    : VisualComponent(site, std::move(name), bounds, id), font_(site.HostFont())
{
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&classes);
    CreateListWindow();
    tips_ = CreateTips();
}

ListView::~ListView()
{
    // The list reports its own destruction; nobody is told any more.
    events_ = nullptr;
    keys_.Destroy();
    listSubclass_.Destroy();
    headerRelay_.Tips = nullptr;
    tips_.Reset();
    DestroyListWindow();
}

// Every stored setting in the stored order, with its field and default.
template <typename Self, typename Visit>
void ListView::ForEachSetting(Self& self, Visit&& visit)
{
    visit(L"AllowColumnReorder", self.allowColumnReorder_, false);
    visit(L"Appearance", self.appearance_, std::int32_t{1});
    visit(L"BackColor", self.backColor_, DefaultBackColor);
    visit(L"BorderStyle", self.borderStyle_, std::int32_t{0});
    visit(L"Checkboxes", self.checkboxes_, false);
    visit(L"Count", self.count_, std::int32_t{0});
    visit(L"Enabled", self.enabled_, true);
    visit(L"FlatScrollbar", self.flatScrollbar_, false);
    visit(L"Font", self.font_, self.Site().HostFont());
    visit(L"ForeColor", self.foreColor_, DefaultForeColor);
    visit(L"FullRowSelect", self.fullRowSelect_, false);
    visit(L"GridLines", self.gridLines_, false);
    visit(L"HideColumnHeaders", self.hideColumnHeaders_, false);
    visit(L"HideSelection", self.hideSelection_, true);
    visit(L"HotTracking", self.hotTracking_, false);
    visit(L"HoverSelection", self.hoverSelection_, false);
    visit(L"LabelEdit", self.labelEdit_, std::int32_t{0});
    visit(L"MultiSelect", self.multiSelect_, false);
    visit(L"ShowTips", self.showTips_, true);
    visit(L"Sorted", self.sorted_, false);
    visit(L"SortKey", self.sortKey_, std::int32_t{0});
    visit(L"SortOrder", self.sortOrder_, std::int32_t{0});
}

void ListView::InitProperties()
{
    ReadProperties(PropertyStore());
}

// Stored values are taken as they are (an Appearance of 5 shows flat), but
// a column count outside 0 to 32,767 cannot make columns.
void ListView::ReadProperties(const PropertyStore& store)
{
    ForEachSetting(
        *this, [&store](const wchar_t* key, auto& field, const auto& fallback) { field = store.Read(key, fallback); });
    count_ = std::clamp(count_, 0, MaxColumns);
    preventUpdate_ = true;
    columns_.clear();
    for (std::int32_t index = 0; index < count_; ++index) {
        columns_.push_back(std::make_unique<::Column>(static_cast<ListHost&>(*this), index));
        columns_.back()->ReadProperties(store);
    }
    preventUpdate_ = false;
    ApplyProperties(SettingsParts | RecreatePart);
}

void ListView::WriteProperties(PropertyStore& store) const
{
    ForEachSetting(*this,
        [&store](const wchar_t* key, const auto& field, const auto& fallback) { store.Write(key, field, fallback); });
    for (const auto& column : columns_) {
        column->WriteProperties(store);
    }
}

void ListView::Resize()
{
    if (list_) {
        ::MoveWindow(list_.Get(), 0, 0, ClientWidth(), ClientHeight(), TRUE);
    }
}

void ListView::Change(bool& field, bool value, const wchar_t* key, unsigned parts)
{
    field = value;
    MarkChanged(key);
    ApplyProperties(parts);
}

void ListView::ChangeFlag(std::int32_t& field, std::int32_t value, const wchar_t* key, unsigned parts)
{
    if (value == 0 || value == 1) {
        field = value;
        MarkChanged(key);
        ApplyProperties(parts);
    }
}

void ListView::SetAllowColumnReorder(bool allow)
{
    Change(allowColumnReorder_, allow, L"AllowColumnReorder", ExtendedPart);
}

void ListView::SetAppearance(std::int32_t appearance)
{
    ChangeFlag(appearance_, appearance, L"Appearance", FramePart);
}

void ListView::SetBackColor(std::int32_t color)
{
    backColor_ = color;
    MarkChanged(L"BackColor");
    ApplyProperties(ColorPart);
}

void ListView::SetForeColor(std::int32_t color)
{
    foreColor_ = color;
    MarkChanged(L"ForeColor");
    ApplyProperties(ColorPart);
}

void ListView::SetBorderStyle(std::int32_t borderStyle)
{
    ChangeFlag(borderStyle_, borderStyle, L"BorderStyle", FramePart);
}

void ListView::SetCheckboxes(bool checkboxes)
{
    Change(checkboxes_, checkboxes, L"Checkboxes", ExtendedPart);
}

// The same count again would only throw the rows away.
void ListView::SetCount(std::int32_t count)
{
    if (count < 0 || count > MaxColumns || count == count_) {
        return;
    }
    MarkChanged(L"Count");
    ResizeColumnTable(count);
    ApplyProperties(SettingsParts | RecreatePart);
}

void ListView::ResizeColumnTable(std::int32_t count)
{
    columns_.resize(static_cast<size_t>(std::min(count, count_)));
    // New columns take their defaults through their setters, which mark
    // them changed; the new platform list shows them all at once.
    const bool prevent = std::exchange(preventUpdate_, true);
    for (std::int32_t index = count_; index < count; ++index) {
        columns_.push_back(std::make_unique<::Column>(static_cast<ListHost&>(*this), index));
        columns_.back()->ReadProperties(PropertyStore());
    }
    preventUpdate_ = prevent;
    count_ = count;
}

void ListView::SetEnabled(bool enabled)
{
    Change(enabled_, enabled, L"Enabled", EnabledPart);
}

void ListView::SetFlatScrollbar(bool flat)
{
    Change(flatScrollbar_, flat, L"FlatScrollbar", ExtendedPart);
}

void ListView::SetFont(const FontDesc& font)
{
    font_ = font;
    MarkChanged(L"Font");
    ApplyProperties(FontPart);
}

void ListView::SetFullRowSelect(bool fullRow)
{
    Change(fullRowSelect_, fullRow, L"FullRowSelect", ExtendedPart);
}

void ListView::SetGridLines(bool gridLines)
{
    Change(gridLines_, gridLines, L"GridLines", ExtendedPart);
}

void ListView::SetHideColumnHeaders(bool hide)
{
    Change(hideColumnHeaders_, hide, L"HideColumnHeaders", FramePart);
}

void ListView::SetHideSelection(bool hide)
{
    Change(hideSelection_, hide, L"HideSelection", FramePart);
}

void ListView::SetHotTracking(bool hot)
{
    Change(hotTracking_, hot, L"HotTracking", ExtendedPart);
}

void ListView::SetHoverSelection(bool hover)
{
    Change(hoverSelection_, hover, L"HoverSelection", ExtendedPart);
}

void ListView::SetLabelEdit(std::int32_t labelEdit)
{
    ChangeFlag(labelEdit_, labelEdit, L"LabelEdit", FramePart);
}

void ListView::SetMultiSelect(bool multiSelect)
{
    Change(multiSelect_, multiSelect, L"MultiSelect", FramePart);
}

void ListView::SetShowTips(bool show)
{
    Change(showTips_, show, L"ShowTips", TipsPart);
}

void ListView::SetSorted(bool sorted)
{
    Change(sorted_, sorted, L"Sorted", SortPart);
}

void ListView::SetSortKey(std::int32_t key)
{
    sortKey_ = key;
    MarkChanged(L"SortKey");
    ApplyProperties(SortPart);
}

void ListView::SetSortOrder(std::int32_t order)
{
    ChangeFlag(sortOrder_, order, L"SortOrder", SortPart);
}

::Column* ListView::Column(std::int32_t index)
{
    return index >= 0 && index < count_ ? columns_[static_cast<size_t>(index)].get() : nullptr;
}

ListItem* ListView::SelectedItem()
{
    if (!list_) {
        return nullptr;
    }
    const auto row =
        static_cast<std::int32_t>(SendToList(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED));
    return items_.Item(row);
}

std::int32_t ListView::GetFirstVisible() const
{
    return static_cast<std::int32_t>(SendToList(LVM_GETTOPINDEX));
}

std::int32_t ListView::GetVisibleCount() const
{
    return static_cast<std::int32_t>(SendToList(LVM_GETCOUNTPERPAGE));
}

void ListView::DpiChanged()
{
    ApplyProperties(FontPart);
    for (std::int32_t column = 0; column < count_; ++column) {
        UpdateColumns(column);
    }
}

// Rounded up, so that the columns never reach under the bar.
std::int32_t ListView::ScrollBarWidth() const
{
    const auto dpi = static_cast<int>(Dpi());
    const int pixels = ::GetSystemMetricsForDpi(SM_CXVSCROLL, Dpi());
    return (pixels * static_cast<int>(::Dpi::Standard) + dpi - 1) / dpi;
}

ListItem* ListView::HitTest(int x, int y)
{
    if (!list_) {
        return nullptr;
    }
    LVHITTESTINFO hit{{x, y}};
    return items_.Item(static_cast<std::int32_t>(SendToList(LVM_HITTEST, 0, &hit)));
}

void ListView::Refresh()
{
    if (list_) {
        ::InvalidateRect(list_.Get(), nullptr, TRUE);
    }
}

void ListView::BeginUpdate(std::int32_t rowsToCome)
{
    if (updateDepth_++ == 0) {
        SendToList(WM_SETREDRAW, FALSE);
    }
    if (rowsToCome > 0) {
        items_.Reserve(rowsToCome);
    }
}

void ListView::EndUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0) {
        return;
    }
    if (std::exchange(sortPending_, false)) {
        SortItems();
    }
    if (list_) {
        items_.PushCount();
        SendToList(WM_SETREDRAW, TRUE);
        ::RedrawWindow(list_.Get(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void ListView::ApplyProperties(unsigned parts)
{
    if ((parts & EnabledPart) != 0) {
        ::EnableWindow(Hwnd(), enabled_);
    }
    if ((parts & RecreatePart) != 0) {
        RecreateListWindow();
    }
    if (!list_) {
        return;
    }
    if ((parts & FramePart) != 0) {
        PushFrame();
    }
    if ((parts & ExtendedPart) != 0) {
        // The check boxes' states are the rows', asked for with their texts.
        SendToList(LVM_SETCALLBACKMASK, checkboxes_ ? LVIS_STATEIMAGEMASK : 0);
        PushExtendedStyles();
    }
    if ((parts & ColorPart) != 0) {
        PushColors();
    }
    if ((parts & EnabledPart) != 0) {
        ::EnableWindow(list_.Get(), enabled_);
    }
    if ((parts & FontPart) != 0) {
        shownFont_.Apply(list_.Get(), font_, Dpi());
    }
    if (UserMode()) {
        if ((parts & TipsPart) != 0 && tips_) {
            ::SendMessageW(tips_.Get(), TTM_ACTIVATE, showTips_ ? TRUE : FALSE, 0);
        }
        if ((parts & SortPart) != 0) {
            SortItems();
        }
    }
    if ((parts & RecreatePart) != 0) {
        UpdateColumns(-1);
    }
}

// The rows go with the old window, so the collection forgets them.
void ListView::RecreateListWindow()
{
    const bool focused = list_ && ::GetFocus() == list_.Get();
    listSubclass_.Destroy();
    keySelection_ = false;
    items_.Forget();
    tipsHeader_ = nullptr;
    tipCount_ = 0;
    tips_ = CreateTips();
    DestroyListWindow();
    CreateListWindow();
    if (updateDepth_ > 0) {
        SendToList(WM_SETREDRAW, FALSE);
    }
    if (list_ && focused) {
        ::SetFocus(list_.Get());
    }
}

void ListView::CreateListWindow()
{
    list_ = CreatePlatformWindow(WC_LISTVIEWW, ListStyle, WS_EX_CLIENTEDGE);
    listProcedure_ = list_ ? reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(list_.Get(), GWLP_WNDPROC)) : nullptr;
}

// A list that goes with its rows reports each row's going, unless its rows
// go first, all at once.
void ListView::DestroyListWindow()
{
    SendToList(LVM_DELETEALLITEMS);
    list_.Reset();
    listProcedure_ = nullptr;
}

// The component's own messages to the list skip the list's subclass, which
// has no business with them: under Wine a subclassed message costs window
// property look-ups in the server, about a tenth of a millisecond, which a
// fill or a sort of thousands of rows would pay for every row.
LRESULT ListView::SendToList(UINT message, WPARAM wparam, LPARAM lparam) const
{
    return list_ && listProcedure_ != nullptr ? ::CallWindowProcW(listProcedure_, list_.Get(), message, wparam, lparam)
                                              : 0;
}

// A popup owned through the component's window, so it goes with the form
// at the latest and never floats above another program's windows alone.
WindowHandle ListView::CreateTips() const
{
    return WindowHandle(
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

void ListView::PushFrame()
{
    const HWND list = list_.Get();
    const LONG_PTR exStyle =
        (::GetWindowLongPtrW(list, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE) | (appearance_ == 1 ? WS_EX_CLIENTEDGE : 0);
    ::SetWindowLongPtrW(list, GWL_EXSTYLE, exStyle);
    constexpr LONG_PTR settable = WS_BORDER | LVS_NOCOLUMNHEADER | LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    const LONG_PTR style = (::GetWindowLongPtrW(list, GWL_STYLE) & ~settable) | (borderStyle_ == 1 ? WS_BORDER : 0) |
        (hideColumnHeaders_ ? LVS_NOCOLUMNHEADER : 0) | (hideSelection_ ? 0 : LVS_SHOWSELALWAYS) |
        (labelEdit_ == 0 ? LVS_EDITLABELS : 0) | (multiSelect_ ? 0 : LVS_SINGLESEL);
    ::SetWindowLongPtrW(list, GWL_STYLE, style);
    ::SetWindowPos(
        list, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ListView::PushExtendedStyles()
{
    constexpr DWORD settable = LVS_EX_HEADERDRAGDROP | LVS_EX_CHECKBOXES | LVS_EX_FLATSB | LVS_EX_FULLROWSELECT |
        LVS_EX_GRIDLINES | LVS_EX_ONECLICKACTIVATE | LVS_EX_TRACKSELECT;
    const DWORD styles = (allowColumnReorder_ ? LVS_EX_HEADERDRAGDROP : 0) | (checkboxes_ ? LVS_EX_CHECKBOXES : 0) |
        (flatScrollbar_ ? LVS_EX_FLATSB : 0) | (fullRowSelect_ ? LVS_EX_FULLROWSELECT : 0) |
        (gridLines_ ? LVS_EX_GRIDLINES : 0) | (hotTracking_ ? LVS_EX_ONECLICKACTIVATE : 0) |
        (hoverSelection_ ? LVS_EX_TRACKSELECT : 0);
    SendToList(LVM_SETEXTENDEDLISTVIEWSTYLE, settable, static_cast<LPARAM>(styles));
}

void ListView::PushColors()
{
    SendToList(LVM_SETBKCOLOR, 0, Translated(backColor_));
    SendToList(LVM_SETTEXTBKCOLOR, 0, Translated(backColor_));
    SendToList(LVM_SETTEXTCOLOR, 0, Translated(foreColor_));
    ::InvalidateRect(list_.Get(), nullptr, TRUE);
}

void ListView::UpdateColumns(std::int32_t index)
{
    if (!list_ || preventUpdate_) {
        return;
    }
    if (index == -1) {
        for (std::int32_t column = count_ - 1; column >= 0; --column) {
            SendToList(LVM_DELETECOLUMN, static_cast<WPARAM>(column));
        }
        for (std::int32_t column = 0; column < count_; ++column) {
            PushColumn(column, LVM_INSERTCOLUMNW);
        }
        if (UserMode()) {
            AddColumnTips();
            HookUpListWindow();
        }
    } else if (index >= 0 && index < count_) {
        PushColumn(index, LVM_SETCOLUMNW);
        if (UserMode()) {
            RefreshColumnTips();
        }
    }
}

void ListView::PushColumn(std::int32_t index, UINT message)
{
    const ::Column& column = *columns_[static_cast<size_t>(index)];
    LVCOLUMNW record{LVCF_FMT | LVCF_WIDTH | LVCF_TEXT, column.Alignment(), Dpi::Scale(column.ActualWidth(), Dpi())};
    record.pszText = const_cast<wchar_t*>(column.Text().c_str());
    const bool outer = !std::exchange(pushingColumn_, true);
    SendToList(message, static_cast<WPARAM>(index), &record);
    ShowSortArrow(index, column.SortArrow());
    pushingColumn_ = !outer;
}

// The list's own column record has no arrows: they are the header's.
void ListView::ShowSortArrow(std::int32_t index, ::Column::Arrow arrow)
{
    const auto header = reinterpret_cast<HWND>(SendToList(LVM_GETHEADER));
    HDITEMW item{HDI_FORMAT};
    if (header == nullptr ||
        ::SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == 0) {
        return;
    }
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    item.fmt |= arrow == ::Column::Arrow::Up ? HDF_SORTUP : (arrow == ::Column::Arrow::Down ? HDF_SORTDOWN : 0);
    ::SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void ListView::AddColumnTips()
{
    RemoveColumnTips();
    if (!tips_) {
        return;
    }
    tipsHeader_ = reinterpret_cast<HWND>(SendToList(LVM_GETHEADER));
    RelayHeaderMouse(tipsHeader_);
    for (std::int32_t index = 0; index < count_; ++index) {
        TOOLINFOW tool = HeaderTool(tipsHeader_, index, columns_[static_cast<size_t>(index)]->ToolTipText());
        ::SendMessageW(tips_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tipCount_ = count_;
}

// The tooltips see the mouse over the header through a procedure of the
// header's own, put in front of the header's, rather than by subclassing it
// the common-controls way: under Wine every message to a window subclassed
// that way costs window-property look-ups in the server, and the list asks
// its header something for every row it updates with full-row select (0.2
// ms a row, minutes for a refill). Such a subclass stays on the header even
// after its tools are gone.
void ListView::RelayHeaderMouse(HWND header)
{
    headerRelay_.Tips = tips_.Get();
    if (header == nullptr ||
        reinterpret_cast<ListViewHeaderRelay*>(::GetWindowLongPtrW(header, GWLP_USERDATA)) == &headerRelay_) {
        return;
    }
    ::SetWindowLongPtrW(header, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&headerRelay_));
    headerRelay_.Previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListViewHeaderProc)));
}

void ListView::RemoveColumnTips()
{
    for (std::int32_t index = tipCount_ - 1; index >= 0; --index) {
        TOOLINFOW tool{sizeof(tool), 0, tipsHeader_, static_cast<UINT_PTR>(index)};
        ::SendMessageW(tips_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tipCount_ = 0;
}

// Each tooltip covers its header item again once the items moved.
void ListView::RefreshColumnTips()
{
    if (!tips_ || !UserMode()) {
        return;
    }
    for (std::int32_t index = 0; index < std::min(tipCount_, count_); ++index) {
        TOOLINFOW tool = HeaderTool(tipsHeader_, index, columns_[static_cast<size_t>(index)]->ToolTipText());
        ::SendMessageW(tips_.Get(), TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The property list is refilled, not added to, whenever the columns are
// pushed again.
void ListView::HookUpListWindow()
{
    keys_.SetControl(this);
    keys_.SetHandleSpecialKeys(true);
    keys_.SetTranslateSpecialKeys(false);
    keys_.Create(&plumbing::FilterTranslateAccelerator);
    listSubclass_.Clear();
    listSubclass_.SetOwnerHwnd(list_.Get());
    listSubclass_.SetWindowProc(ListViewProcProperty);
    listSubclass_.Add(ListViewControlProperty, this);
    listSubclass_.Create(&ListView::ListWindowProc);
    // A list that had the focus before it was hooked up still gets its keys.
    if (::GetFocus() == list_.Get()) {
        ActivateKeyTranslation();
    }
}

void ListView::SortItems()
{
    if (!sorted_ || !list_) {
        return;
    }
    if (updateDepth_ > 0) {
        sortPending_ = true;
        return;
    }
    if (items_.Count() < 2) {
        return;
    }
    // Every row may show another text: the list paints once, at the end.
    const ListUpdate update(*this);
    items_.Sort(sortKey_, sortOrder_ != 0);
}

void ListView::FocusList()
{
    if (list_ && ::GetFocus() != list_.Get()) {
        ::SetFocus(list_.Get());
    }
}

void ListView::RowChecked(ListItem& row)
{
    if (checkboxes_ && UserMode()) {
        Events().ItemCheck(row);
        FocusList();
    }
}

std::wstring ListView::RowText(const FolderRow& row, std::int32_t column) const
{
    return rowTexts_ != nullptr ? rowTexts_->RowText(row, column) : std::wstring();
}

void ListView::ColumnChanged(std::int32_t index, const std::wstring& key)
{
    if (!key.empty()) {
        MarkChanged(key);
    }
    UpdateColumns(index);
}

ListViewEvents& ListView::Events()
{
    static NoEvents none;
    return events_ != nullptr ? *events_ : none;
}

LRESULT ListView::OnMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SETFOCUS:
        FocusList();
        return 0;
    case WM_NOTIFY:
        if (lparam != 0) {
            return OnNotification(*reinterpret_cast<NMHDR*>(lparam));
        }
        break;
    default:
        break;
    }
    return VisualComponent::OnMessage(message, wparam, lparam);
}

void ListView::OnPlatformWindowGone()
{
    list_.Release();
    tips_.Release();
    items_.Forget();
}
