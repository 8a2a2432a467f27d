#include "controls/listview/Column.h"

void Column::SetActualWidth(std::int32_t width)
{
    if (width >= 1) {
        actualWidth_ = width;
        Changed(L"ColumnActualWidth");
    }
}

void Column::SetAlignment(std::int32_t alignment)
{
    if (alignment >= Left && alignment <= Center) {
        alignment_ = alignment;
        Changed(L"ColumnAlignment");
    }
}

void Column::SetTag(const std::wstring& tag)
{
    tag_ = tag;
    Changed(L"ColumnTag");
}

void Column::SetText(const std::wstring& text)
{
    text_ = text;
    Changed(L"ColumnText");
}

void Column::SetToolTipText(const std::wstring& text)
{
    toolTipText_ = text;
    Changed(L"ColumnToolTipText");
}

void Column::SetSortArrow(Arrow arrow)
{
    if (arrow != sortArrow_) {
        sortArrow_ = arrow;
        owner_.ColumnChanged(index_, {});
    }
}

void Column::Changed(const wchar_t* key)
{
    owner_.ColumnChanged(index_, PropertyStore::ItemKey(key, index_));
}

void Column::ReadProperties(const PropertyStore& store)
{
    SetActualWidth(store.Read<std::int32_t>(PropertyStore::ItemKey(L"ColumnActualWidth", index_), DefaultWidth));
    SetAlignment(store.Read<std::int32_t>(PropertyStore::ItemKey(L"ColumnAlignment", index_), Left));
    SetTag(store.Read<std::wstring>(PropertyStore::ItemKey(L"ColumnTag", index_), L""));
    SetText(store.Read<std::wstring>(PropertyStore::ItemKey(L"ColumnText", index_), L""));
    SetToolTipText(store.Read<std::wstring>(PropertyStore::ItemKey(L"ColumnToolTipText", index_), L""));
}

void Column::WriteProperties(PropertyStore& store) const
{
    store.Write<std::int32_t>(PropertyStore::ItemKey(L"ColumnActualWidth", index_), actualWidth_, DefaultWidth);
    store.Write<std::int32_t>(PropertyStore::ItemKey(L"ColumnAlignment", index_), alignment_, Left);
    store.Write<std::wstring>(PropertyStore::ItemKey(L"ColumnTag", index_), tag_, L"");
    store.Write<std::wstring>(PropertyStore::ItemKey(L"ColumnText", index_), text_, L"");
    store.Write<std::wstring>(PropertyStore::ItemKey(L"ColumnToolTipText", index_), toolTipText_, L"");
}
