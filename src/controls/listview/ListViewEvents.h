#pragma once

#include <cstdint>
#include <string>

class Column;
class ListItem;

// What the list tells its owner. Every event comes from a notification of
// the platform list, inside it: what a handler changes (rows removed, the
// list refilled) the platform sees when the handler returns. An item passed
// to a handler is valid for the handler's duration.
class ListViewEvents {
public:
    static constexpr std::int16_t LeftButton = 1;
    static constexpr std::int16_t RightButton = 2;

    // The user finished editing a row's text. Setting `cancel` keeps the old
    // text; a non-empty `newString` becomes the row's text instead of what
    // was typed.
    virtual void AfterLabelEdit(bool& /*cancel*/, std::wstring& /*newString*/) {}
    // The user starts editing a row's text; setting `cancel` prevents it.
    virtual void BeforeLabelEdit(bool& /*cancel*/) {}
    // A click or double click beside the rows.
    virtual void Click(std::int16_t /*button*/) {}
    virtual void DblClick(std::int16_t /*button*/) {}
    // A click on a column's header. The list does not sort by itself.
    virtual void ColumnClick(Column& /*column*/) {}
    // The user gave a column another width; the column reads it back.
    virtual void ColumnResized(Column& /*column*/) {}
    // A row's check box changed.
    virtual void ItemCheck(ListItem& /*item*/) {}
    // A click or double click on a row's text; a key that selected a row
    // counts as a left click on it.
    virtual void ItemClick(ListItem& /*item*/, std::int16_t /*button*/) {}
    virtual void ItemDblClick(ListItem& /*item*/, std::int16_t /*button*/) {}
    // A key went down or up while the list had the focus (a virtual-key
    // code), and the character it typed.
    virtual void KeyDown(std::int16_t /*keyCode*/) {}
    virtual void KeyUp(std::int16_t /*keyCode*/) {}
    virtual void KeyPress(std::int16_t /*keyAscii*/) {}

protected:
    ~ListViewEvents() = default;
};
