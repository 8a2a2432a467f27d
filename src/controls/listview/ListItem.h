#pragma once

#include "controls/listview/ListHost.h"
#include "controls/listview/ListItemState.h"
#include "platform/Win32.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One row of a list. The platform list asks for what it shows (the list is
// virtual), so the row keeps what it shows itself: either texts, column by
// column, or the folder item it stands for, which the list words as it draws
// the row. It keeps its tag, check box and colours too; the platform keeps
// only which rows are selected and which has the focus. The row moves with
// what it holds when rows are removed or sorted.
class ListItem final : public ListItemState {
public:
    ListItem(ListRowHost& owner, std::int32_t index, std::wstring text) noexcept;
    ListItem(ListRowHost& owner, std::int32_t index, FolderRow row) noexcept;

    // OLE colours. Until a colour is set the row draws with the list's
    // colours, and the getter answers the list's colour as RGB.
    [[nodiscard]] std::int32_t BackColor() const;
    void SetBackColor(std::int32_t color);
    [[nodiscard]] std::int32_t ForeColor() const;
    void SetForeColor(std::int32_t color);
    // The check box, shown while the list has check boxes; while it is,
    // every turn of the box raises ItemCheck.
    [[nodiscard]] bool Checked() const noexcept { return checked_; }
    void SetChecked(bool checked);
    // The row's position, 0 to Count() - 1.
    [[nodiscard]] std::int32_t Index() const noexcept { return index_; }
    // The item the row stands for; an empty row for a row of texts.
    [[nodiscard]] const FolderRow& Row() const override;
    // The row stands for `row` from now on, its texts worded from it.
    void SetRow(FolderRow row) override;
    // Selecting gives the row the focus too; deselecting takes it away.
    [[nodiscard]] bool Selected() const override;
    void SetSelected(bool selected) override;
    [[nodiscard]] const std::wstring& Tag() const noexcept { return tag_; }
    void SetTag(const std::wstring& tag) { tag_ = tag; }
    // What the row shows in a column: column 0 is the row's own text,
    // column k the text in column k. A column the list does not have reads
    // as empty and cannot be written; nor can a row that stands for an item
    // be given texts.
    [[nodiscard]] std::wstring Text(std::int32_t column) const;
    void SetText(std::int32_t column, const std::wstring& text);
    // Scrolls the row entirely into view; false when the platform cannot.
    bool EnsureVisible();

    // Whether a colour was set; the row is drawn with the list's until then.
    [[nodiscard]] bool HasOwnColors() const noexcept { return foreSet_ || backSet_; }
    // Puts the row's own colours, where it has them, into a drawing record.
    void PaintColors(COLORREF& text, COLORREF& background) const;

private:
    friend class ListItems;

    void SetState(UINT state, UINT mask);
    void SetColor(std::int32_t color, std::int32_t& field, COLORREF& shown, bool& set);
    void SetIndex(std::int32_t index) noexcept { index_ = index; }
    void Redraw() const;

    ListRowHost& owner_;
    std::int32_t index_;
    // Per column, as far as a column was given a text.
    std::vector<std::wstring> texts_;
    std::optional<FolderRow> row_;
    std::wstring tag_;
    std::int32_t foreColor_ = 0;
    std::int32_t backColor_ = 0;
    // Translated when set, not at every paint.
    COLORREF shownFore_ = CLR_INVALID;
    COLORREF shownBack_ = CLR_INVALID;
    bool foreSet_ = false;
    bool backSet_ = false;
    bool checked_ = false;
};
