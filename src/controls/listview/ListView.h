#pragma once

#include "controls/host/ComponentFont.h"
#include "controls/host/VisualComponent.h"
#include "controls/listview/Column.h"
#include "controls/listview/ListHost.h"
#include "controls/listview/ListItems.h"
#include "controls/listview/ListRowTexts.h"
#include "controls/listview/ListViewEvents.h"
#include "controls/listview/ListViewState.h"
#include "controls/listview/ModuleListView.h"
#include "controls/plumbing/Subclassing.h"
#include "controls/plumbing/TranslateMessage.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The report list: a platform list ("SysListView32") with its columns, its
// rows and a tooltip window for the column headers. It keeps every setting
// itself and pushes to the platform list only what a change touches; a
// change of the column count makes a new platform list, which starts
// without rows.
//
// Rows are added through ListItems(); a bulk change goes inside a ListUpdate,
// so that the list paints once at its end (and sorts once, when Sorted).
// Rows that stand for folder items are worded by the owner's ListRowTexts.
// Events reach the owner through SetEvents at run time only.
class ListView final : public VisualComponent, public ListViewState, public plumbing::KeyTarget, private ListHost {
public:
    static constexpr std::int32_t DefaultBackColor = static_cast<std::int32_t>(0x80000005);
    static constexpr std::int32_t DefaultForeColor = static_cast<std::int32_t>(0x80000008);
    static constexpr std::int32_t MaxColumns = 32'767;

    ListView(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id);
    ~ListView() override;

    void InitProperties() override;
    void ReadProperties(const PropertyStore& store) override;
    void WriteProperties(PropertyStore& store) const override;
    void Resize() override;
    void DpiChanged() override;

    void SetEvents(ListViewEvents* events) noexcept { events_ = events; }
    // Words the rows that stand for items; without it they show nothing.
    void SetRowTexts(const ListRowTexts* texts) noexcept { rowTexts_ = texts; }

    // Settings. A setter marks its key changed and pushes the change; values
    // outside a setting's range are ignored.
    [[nodiscard]] bool AllowColumnReorder() const noexcept { return allowColumnReorder_; }
    void SetAllowColumnReorder(bool allow);
    // 1 a sunken edge, 0 flat.
    [[nodiscard]] std::int32_t Appearance() const noexcept { return appearance_; }
    void SetAppearance(std::int32_t appearance);
    // OLE colours.
    [[nodiscard]] std::int32_t BackColor() const noexcept { return backColor_; }
    void SetBackColor(std::int32_t color);
    [[nodiscard]] std::int32_t ForeColor() const noexcept { return foreColor_; }
    void SetForeColor(std::int32_t color);
    // 1 a thin border, 0 none.
    [[nodiscard]] std::int32_t BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(std::int32_t borderStyle);
    [[nodiscard]] bool Checkboxes() const noexcept { return checkboxes_; }
    void SetCheckboxes(bool checkboxes);
    // The number of columns, 0 to 32,767. Another count makes a new platform
    // list: the rows go, the columns stay as far as they reach.
    [[nodiscard]] std::int32_t Count() const override { return count_; }
    void SetCount(std::int32_t count);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    [[nodiscard]] bool FlatScrollbar() const noexcept { return flatScrollbar_; }
    void SetFlatScrollbar(bool flat);
    // The host's font until another is set.
    [[nodiscard]] const FontDesc& Font() const noexcept { return font_; }
    void SetFont(const FontDesc& font);
    [[nodiscard]] bool FullRowSelect() const noexcept { return fullRowSelect_; }
    void SetFullRowSelect(bool fullRow);
    [[nodiscard]] bool GridLines() const noexcept { return gridLines_; }
    void SetGridLines(bool gridLines);
    [[nodiscard]] bool HideColumnHeaders() const noexcept { return hideColumnHeaders_; }
    void SetHideColumnHeaders(bool hide);
    // Whether the selection is hidden while the list has no focus.
    [[nodiscard]] bool HideSelection() const noexcept { return hideSelection_; }
    void SetHideSelection(bool hide);
    // One-click activation with hot rows.
    [[nodiscard]] bool HotTracking() const noexcept { return hotTracking_; }
    void SetHotTracking(bool hot);
    // The row under a resting pointer becomes selected.
    [[nodiscard]] bool HoverSelection() const noexcept { return hoverSelection_; }
    void SetHoverSelection(bool hover);
    // 0 the user may edit a row's text in place, 1 not.
    [[nodiscard]] std::int32_t LabelEdit() const noexcept { return labelEdit_; }
    void SetLabelEdit(std::int32_t labelEdit);
    [[nodiscard]] bool MultiSelect() const noexcept { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    // While true, column changes are kept but not pushed; UpdateColumns
    // pushes them afterwards. Not stored.
    [[nodiscard]] bool PreventUpdate() const noexcept { return preventUpdate_; }
    void SetPreventUpdate(bool prevent) noexcept { preventUpdate_ = prevent; }
    // Whether the column headers show their tooltips.
    [[nodiscard]] bool ShowTips() const noexcept { return showTips_; }
    void SetShowTips(bool show);
    // While true (at run time), the rows are kept in order of the SortKey
    // column's texts: re-sorted when a sort setting changes and after every
    // Add, or once at the end of a ListUpdate.
    [[nodiscard]] bool Sorted() const noexcept { return sorted_; }
    void SetSorted(bool sorted);
    // 0 the rows' own texts, n column n's.
    [[nodiscard]] std::int32_t SortKey() const noexcept { return sortKey_; }
    void SetSortKey(std::int32_t key);
    // 0 ascending, 1 descending.
    [[nodiscard]] std::int32_t SortOrder() const noexcept { return sortOrder_; }
    void SetSortOrder(std::int32_t order);

    // Nothing outside 0 to Count() - 1.
    [[nodiscard]] ::Column* Column(std::int32_t index) override;
    [[nodiscard]] HWND ControlHwnd() const override { return list_.Get(); }
    [[nodiscard]] ::ListItems& ListItems() override { return items_; }
    // The row that has the focus and is selected; nothing when the focused
    // row is not selected, even while other rows are.
    [[nodiscard]] ListItem* SelectedItem() override;

    [[nodiscard]] std::int32_t GetFirstVisible() const;
    [[nodiscard]] std::int32_t GetVisibleCount() const override;
    [[nodiscard]] std::int32_t ScrollBarWidth() const override;
    // The row at a point of the list's client area; nothing beside the rows.
    [[nodiscard]] ListItem* HitTest(int x, int y);
    void Refresh();
    // Pushes one column, or every column with -1 (which at run time also
    // hooks the list window up: subclass, keys and header tooltips).
    void UpdateColumns(std::int32_t index);

    void BeginUpdate(std::int32_t rowsToCome) override;
    void EndUpdate() override;

private:
    // What an apply step pushes to the platform list.
    enum Part : unsigned {
        EnabledPart = 1,
        FramePart = 2,
        ExtendedPart = 4,
        ColorPart = 8,
        FontPart = 16,
        TipsPart = 32,
        SortPart = 64,
        SettingsParts = 127,
        // A new platform list, then everything and every column.
        RecreatePart = 128,
    };

    template <typename Self, typename Visit>
    static void ForEachSetting(Self& self, Visit&& visit);
    void Change(bool& field, bool value, const wchar_t* key, unsigned parts);
    void ChangeFlag(std::int32_t& field, std::int32_t value, const wchar_t* key, unsigned parts);
    void ResizeColumnTable(std::int32_t count);

    void ApplyProperties(unsigned parts);
    void CreateListWindow();
    void DestroyListWindow();
    void RecreateListWindow();

    // What the rows and columns ask of the list.
    [[nodiscard]] bool HasListWindow() const override { return list_.IsValid(); }
    [[nodiscard]] std::int32_t ColumnCount() const override { return count_; }
    LRESULT SendToList(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const override;
    using ListHost::SendToList;
    [[nodiscard]] bool InBulkChange() const override { return updateDepth_ > 0; }
    void RowAdded() override { SortItems(); }
    void RowChecked(ListItem& row) override;
    [[nodiscard]] std::wstring RowText(const FolderRow& row, std::int32_t column) const override;
    void ColumnChanged(std::int32_t index, const std::wstring& key) override;

    [[nodiscard]] WindowHandle CreateTips() const;
    void PushFrame();
    void PushExtendedStyles();
    void PushColors();
    void PushColumn(std::int32_t index, UINT message);
    void ColumnDragged(std::int32_t index);
    void ShowSortArrow(std::int32_t index, ::Column::Arrow arrow);
    void AddColumnTips();
    void RelayHeaderMouse(HWND header);
    void RemoveColumnTips();
    void RefreshColumnTips();
    void HookUpListWindow();
    void SortItems();
    void ActivateKeyTranslation() { keys_.Translate(); }
    void FocusList();
    [[nodiscard]] ListViewEvents& Events();
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnPlatformWindowGone() override;

    // The platform list's messages and notifications turned into the
    // control's events (ListViewMessages.cpp).
    static LRESULT CALLBACK ListWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void AfterListMessage(UINT message, WPARAM wparam, LPARAM lparam);
    [[nodiscard]] bool ShiftF10(UINT message, WPARAM key);
    LRESULT OnNotification(NMHDR& header);
    void MouseRule(const NMITEMACTIVATE& activate, std::int16_t button, bool doubleClick);
    void ItemChanged(const NMLISTVIEW& change);
    void RangeChanged(const NMLVODSTATECHANGE& change);
    void SelectedByKey(std::int32_t row);
    void ToggleCheck(std::int32_t row);
    void CheckBoxClick(LPARAM where);
    LRESULT RowRequest(NMLVDISPINFOW& request);
    LRESULT FindRow(const NMLVFINDITEMW& find);
    LRESULT EndLabelEdit(const NMLVDISPINFOW& edit);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void ListKeyDown(WORD key);

    bool allowColumnReorder_ = false;
    std::int32_t appearance_ = 1;
    std::int32_t backColor_ = DefaultBackColor;
    std::int32_t borderStyle_ = 0;
    bool checkboxes_ = false;
    std::int32_t count_ = 0;
    bool enabled_ = true;
    bool flatScrollbar_ = false;
    FontDesc font_;
    std::int32_t foreColor_ = DefaultForeColor;
    bool fullRowSelect_ = false;
    bool gridLines_ = false;
    bool hideColumnHeaders_ = false;
    bool hideSelection_ = true;
    bool hotTracking_ = false;
    bool hoverSelection_ = false;
    std::int32_t labelEdit_ = 0;
    bool multiSelect_ = false;
    bool preventUpdate_ = false;
    bool showTips_ = true;
    bool sorted_ = false;
    std::int32_t sortKey_ = 0;
    std::int32_t sortOrder_ = 0;

    // As many as count_.
    std::vector<std::unique_ptr<::Column>> columns_;
    ::ListItems items_{static_cast<ListHost&>(*this)};
    ListViewEvents* events_ = nullptr;
    const ListRowTexts* rowTexts_ = nullptr;
    // A key went down in the list and has not been released: the next row
    // it newly selects counts as a left click on that row.
    bool keySelection_ = false;
    bool shiftF10Down_ = false;
    // The row that was focused and selected when that key went down.
    std::int32_t keyHeldRow_ = -1;
    int updateDepth_ = 0;
    // A column is being pushed: the widths the header reports are the program's.
    bool pushingColumn_ = false;
    bool sortPending_ = false;
    HWND tipsHeader_ = nullptr;
    std::int32_t tipCount_ = 0;
    ListViewHeaderRelay headerRelay_;

    // The font outlives the windows that hold it.
    ComponentFont shownFont_;
    WindowHandle list_;
    // The list window's own procedure, as it was made.
    WNDPROC listProcedure_ = nullptr;
    WindowHandle tips_;
    plumbing::Subclassing listSubclass_;
    plumbing::TranslateMessage keys_;
};
