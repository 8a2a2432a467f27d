#include "controls/listview/ListItems.h"

#include "controls/listview/ListView.h"
#include "controls/listview/ModuleListView.h"

HWND ListItems::ListWindow() const
{
    return owner_.ControlHwnd();
}

LRESULT ListItems::Send(UINT message, WPARAM wparam, LPARAM lparam) const
{
    return owner_.SendToList(message, wparam, lparam);
}

std::wstring ListItems::TextAt(std::int32_t row, std::int32_t column) const
{
    // The platform answers how many characters it copied; a full buffer may
    // have cut the text, so it grows until the text falls short of it.
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{LVIF_TEXT, row, column};
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<size_t>(Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), &item));
        if (length + 1 < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

ListItem* ListItems::Item(std::int32_t index)
{
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    auto& proxy = proxies_[static_cast<size_t>(index)];
    if (!proxy) {
        proxy = std::make_unique<ListItem>(*this, index);
    }
    return proxy.get();
}

const ListItem* ListItems::Existing(std::int32_t index) const
{
    return index >= 0 && index < Count() ? proxies_[static_cast<size_t>(index)].get() : nullptr;
}

std::int32_t ListItems::SelectedCount() const
{
    return Count() < 1 ? 0 : static_cast<std::int32_t>(Send(LVM_GETSELECTEDCOUNT, 0, LPARAM{0}));
}

std::int32_t ListItems::CheckedCount() const
{
    std::int32_t checked = 0;
    for (std::int32_t row = 0; row < Count(); ++row) {
        const auto state = Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LPARAM{LVIS_STATEIMAGEMASK});
        checked += (static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2) ? 1 : 0;
    }
    return checked;
}

std::int32_t ListItems::Add(const std::wstring& text)
{
    if (ListWindow() == nullptr) {
        return -1;
    }
    LVITEMW item{LVIF_TEXT | LVIF_PARAM, Count()};
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = nextValue_;
    const auto inserted = static_cast<std::int32_t>(Send(LVM_INSERTITEMW, 0, &item));
    if (inserted < 0 || inserted > Count()) {
        return -1;
    }
    ++nextValue_;
    values_.insert(values_.begin() + inserted, item.lParam);
    proxies_.insert(proxies_.begin() + inserted, nullptr);
    for (std::int32_t moved = inserted + 1; moved < Count(); ++moved) {
        if (auto& proxy = proxies_[static_cast<size_t>(moved)]) {
            proxy->SetIndex(moved);
        }
    }
    owner_.SortItems();
    // Unsorted, the new row is the last: the search ends at once.
    for (std::int32_t position = Count() - 1; position >= 0; --position) {
        if (values_[static_cast<size_t>(position)] == item.lParam) {
            return position;
        }
    }
    return -1;
}

void ListItems::Clear()
{
    if (Count() < 1) {
        return;
    }
    Forget();
    Send(LVM_DELETEALLITEMS, 0, LPARAM{0});
}

void ListItems::Remove(std::int32_t index)
{
    if (index < 0 || index >= Count()) {
        return;
    }
    DropProxy(proxies_[static_cast<size_t>(index)]);
    proxies_.erase(proxies_.begin() + index);
    values_.erase(values_.begin() + index);
    for (std::int32_t moved = index; moved < Count(); ++moved) {
        if (auto& proxy = proxies_[static_cast<size_t>(moved)]) {
            proxy->SetIndex(moved);
        }
    }
    Send(LVM_DELETEITEM, static_cast<WPARAM>(index), LPARAM{0});
}

void ListItems::DropProxy(std::unique_ptr<ListItem>& proxy) noexcept
{
    if (proxy && proxy->HasOwnColors()) {
        --coloredRows_;
    }
    proxy.reset();
}

void ListItems::Forget() noexcept
{
    values_.clear();
    proxies_.clear();
    coloredRows_ = 0;
}

// Each row's text is read once and the order worked out in memory; the
// platform then only compares ranks. The proxies follow their rows, so a
// tag stays with the row it was given to.
void ListItems::Sort(std::int32_t column, bool descending)
{
    const std::int32_t rows = Count();
    if (ListWindow() == nullptr || rows < 2) {
        return;
    }
    std::vector<std::wstring> texts;
    texts.reserve(static_cast<size_t>(rows));
    for (std::int32_t row = 0; row < rows; ++row) {
        texts.push_back(TextAt(row, column));
    }
    const std::vector<std::int32_t> order = SortedPositions(texts, descending);
    SortRanks ranks;
    ranks.reserve(static_cast<size_t>(rows));
    for (std::int32_t rank = 0; rank < rows; ++rank) {
        ranks.emplace(values_[static_cast<size_t>(order[static_cast<size_t>(rank)])], rank);
    }
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&ranks), reinterpret_cast<LPARAM>(&CompareListItems));

    std::vector<LPARAM> values(static_cast<size_t>(rows));
    std::vector<std::unique_ptr<ListItem>> proxies(static_cast<size_t>(rows));
    for (std::int32_t rank = 0; rank < rows; ++rank) {
        const auto from = static_cast<size_t>(order[static_cast<size_t>(rank)]);
        values[static_cast<size_t>(rank)] = values_[from];
        if ((proxies[static_cast<size_t>(rank)] = std::move(proxies_[from]))) {
            proxies[static_cast<size_t>(rank)]->SetIndex(rank);
        }
    }
    values_ = std::move(values);
    proxies_ = std::move(proxies);
}
