#pragma once

#include "controls/host/PropertyStore.h"
#include "controls/listview/ColumnState.h"
#include "controls/listview/ListHost.h"

#include <cstdint>
#include <string>

class ListView;

// One column of a list: its header text, alignment, width and header
// tooltip, kept here and pushed to the platform list by the owner. Every
// setter marks its stored key changed and has the owner push this column.
class Column final : public ColumnState {
public:
    // LVCFMT values.
    static constexpr std::int32_t Left = 0;
    static constexpr std::int32_t Right = 1;
    static constexpr std::int32_t Center = 2;
    static constexpr std::int32_t DefaultWidth = 100;

    Column(ListHost& owner, std::int32_t index) noexcept : owner_(owner), index_(index) {}

    // In pixels at 96 dpi, as designed: the platform column is that many
    // pixels of the list's DPI, and this reads back what was last set or
    // what the user dragged it to since. A width below 1 is ignored.
    [[nodiscard]] std::int32_t ActualWidth() const override { return actualWidth_; }
    void SetActualWidth(std::int32_t width) override;
    // Left, Right or Center; anything else is ignored.
    [[nodiscard]] std::int32_t Alignment() const noexcept { return alignment_; }
    void SetAlignment(std::int32_t alignment);
    [[nodiscard]] std::int32_t Index() const noexcept { return index_; }
    // Free for the owner's use; never shown.
    [[nodiscard]] const std::wstring& Tag() const noexcept { return tag_; }
    void SetTag(const std::wstring& tag);
    [[nodiscard]] const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& text);
    [[nodiscard]] const std::wstring& ToolTipText() const noexcept { return toolTipText_; }
    void SetToolTipText(const std::wstring& text);
    // The arrow the header shows for the list's order; not stored, as the
    // order is the owner's.
    enum class Arrow { None, Up, Down };
    [[nodiscard]] Arrow SortArrow() const noexcept { return sortArrow_; }
    void SetSortArrow(Arrow arrow);

private:
    friend class ListView;
    // Through the setters, so a stored value out of range is skipped too.
    void ReadProperties(const PropertyStore& store);
    void WriteProperties(PropertyStore& store) const;
    void Changed(const wchar_t* key);

    ListHost& owner_;
    std::int32_t index_;
    std::int32_t actualWidth_ = DefaultWidth;
    std::int32_t alignment_ = Left;
    std::wstring tag_;
    std::wstring text_;
    std::wstring toolTipText_;
    Arrow sortArrow_ = Arrow::None;
};
