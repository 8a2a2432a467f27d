#include "controls/standard/ComboBox.h"

namespace {

constexpr int DroppedLines = 8;

} // namespace

RECT ComboBox::WithDroppedList(RECT bounds)
{
    bounds.bottom = bounds.top + (bounds.bottom - bounds.top) * DroppedLines;
    return bounds;
}

ComboBox::ComboBox(const std::vector<std::wstring>& entries, RECT bounds, HWND parent, int id)
    : StandardControl(
          WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, WithDroppedList(bounds), parent, id)
{
    for (const auto& entry : entries) {
        ::SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

std::int32_t ComboBox::ListIndex() const
{
    return static_cast<std::int32_t>(::SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetListIndex(std::int32_t index)
{
    ::SendMessageW(Hwnd(), CB_SETCURSEL, index >= 0 && index < EntryCount() ? index : -1, 0);
}

std::int32_t ComboBox::EntryCount() const
{
    return static_cast<std::int32_t>(::SendMessageW(Hwnd(), CB_GETCOUNT, 0, 0));
}

void ComboBox::SetEntry(std::int32_t index, const std::wstring& text)
{
    if (index < 0 || index >= EntryCount()) {
        return;
    }
    const std::int32_t selected = ListIndex();
    ::SendMessageW(Hwnd(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ::SendMessageW(Hwnd(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (selected == index) {
        SetListIndex(index);
    }
}
