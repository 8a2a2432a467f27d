#include "controls/sysmenu/SystemMenu.h"

#include <algorithm>

namespace {

bool IsStyle(std::int32_t style)
{
    return style == SystemMenuItem::StyleText || style == SystemMenuItem::StyleSeparator;
}

} // namespace

void SystemMenuItem::SetChecked(bool checked)
{
    checked_ = checked;
    Changed(L"SystemMenuItemChecked");
}

void SystemMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Changed(L"SystemMenuItemEnabled");
}

void SystemMenuItem::SetStyle(std::int32_t style)
{
    if (IsStyle(style)) {
        style_ = style;
        Changed(L"SystemMenuItemStyle");
    }
}

void SystemMenuItem::SetTag(const std::wstring& tag)
{
    tag_ = tag;
    Changed(L"SystemMenuItemTag");
}

void SystemMenuItem::SetText(const std::wstring& text)
{
    text_ = text;
    Changed(L"SystemMenuItemText");
}

void SystemMenuItem::Changed(const wchar_t* key)
{
    parent_.ItemChanged(*this, key);
}

SystemMenu::SystemMenu(ComponentSite& site, std::wstring name) : Component(site, std::move(name))
{
}

// Entries that nothing answers any more would stay in the menu: they go
// with the control, when the window and its menu are still there.
SystemMenu::~SystemMenu()
{
    subclass_.Destroy();
    if (menu_ != nullptr && ::IsWindow(host_) && ::GetSystemMenu(host_, FALSE) == menu_) {
        RemoveOwnEntries();
    }
}

void SystemMenu::InitProperties()
{
    ReadProperties(PropertyStore());
}

void SystemMenu::ReadProperties(const PropertyStore& store)
{
    const std::int32_t count = store.Read<std::int32_t>(L"Count", 0);
    if (count >= 0 && count <= MaxCount) {
        count_ = count;
    }
    enabled_ = store.Read<bool>(L"Enabled", true);
    items_.clear();
    for (std::int32_t index = 0; index < count_; ++index) {
        auto item = std::unique_ptr<SystemMenuItem>(new SystemMenuItem(*this, index));
        item->checked_ = store.Read<bool>(PropertyStore::ItemKey(L"SystemMenuItemChecked", index), false);
        item->enabled_ = store.Read<bool>(PropertyStore::ItemKey(L"SystemMenuItemEnabled", index), true);
        const std::int32_t style =
            store.Read<std::int32_t>(PropertyStore::ItemKey(L"SystemMenuItemStyle", index), SystemMenuItem::StyleText);
        if (IsStyle(style)) {
            item->style_ = style;
        }
        item->tag_ = store.Read<std::wstring>(PropertyStore::ItemKey(L"SystemMenuItemTag", index), L"");
        item->text_ = store.Read<std::wstring>(PropertyStore::ItemKey(L"SystemMenuItemText", index), L"");
        items_.push_back(std::move(item));
    }
    preventUpdate_ = false;
    ResizeItems(true);
}

void SystemMenu::WriteProperties(PropertyStore& store) const
{
    store.Write<std::int32_t>(L"Count", count_, 0);
    store.Write<bool>(L"Enabled", enabled_, true);
    for (const auto& item : items_) {
        const std::int32_t index = item->Index();
        store.Write<bool>(PropertyStore::ItemKey(L"SystemMenuItemChecked", index), item->Checked(), false);
        store.Write<bool>(PropertyStore::ItemKey(L"SystemMenuItemEnabled", index), item->Enabled(), true);
        store.Write<std::int32_t>(
            PropertyStore::ItemKey(L"SystemMenuItemStyle", index), item->Style(), SystemMenuItem::StyleText);
        store.Write<std::wstring>(PropertyStore::ItemKey(L"SystemMenuItemTag", index), item->Tag(), L"");
        store.Write<std::wstring>(PropertyStore::ItemKey(L"SystemMenuItemText", index), item->Text(), L"");
    }
}

void SystemMenu::SetCount(std::int32_t count)
{
    if (count >= 0 && count <= MaxCount) {
        count_ = count;
        MarkChanged(L"Count");
        ResizeItems(true);
    }
}

void SystemMenu::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    MarkChanged(L"Enabled");
    ResizeItems(true);
}

SystemMenuItem* SystemMenu::Item(std::int32_t index) const
{
    return index >= 0 && index < count_ && static_cast<size_t>(index) < items_.size() ? items_[index].get() : nullptr;
}

// The list follows Count even when the host has no system menu, so that
// every index below Count has its item.
void SystemMenu::ResizeItems(bool rebuild)
{
    host_ = Site().HostWindow();
    menu_ = host_ != nullptr ? ::GetSystemMenu(host_, FALSE) : nullptr;
    if (items_.size() > static_cast<size_t>(count_)) {
        items_.resize(static_cast<size_t>(count_));
    }
    for (auto index = static_cast<std::int32_t>(items_.size()); index < count_; ++index) {
        items_.push_back(std::unique_ptr<SystemMenuItem>(new SystemMenuItem(*this, index)));
    }
    if (rebuild) {
        UpdateSystemMenuItems(-1);
    }
}

void SystemMenu::UpdateSystemMenuItems(std::int32_t index)
{
    if (!UserMode() || menu_ == nullptr || preventUpdate_) {
        return;
    }
    if (index == -1) {
        Rebuild();
    } else if (SystemMenuItem* item = Item(index)) {
        UpdateEntry(*item);
    }
}

void SystemMenu::Rebuild()
{
    RemoveOwnEntries();
    for (const auto& item : items_) {
        const UINT command = CommandOf(item->Index());
        BOOL appended = FALSE;
        if (item->Style() == SystemMenuItem::StyleSeparator) {
            appended = ::AppendMenuW(menu_, MF_SEPARATOR, command, nullptr);
        } else {
            const UINT flags = MF_STRING | (IsGreyed(*item) ? MF_GRAYED : 0) | (item->Checked() ? MF_CHECKED : 0);
            appended = ::AppendMenuW(menu_, flags, command, item->Text().c_str());
        }
        if (appended) {
            appended_.push_back(command);
        }
    }
    subclass_.SetOwnerHwnd(host_);
    subclass_.SetWindowProc(L"SystemMenuWindowProc");
    subclass_.Clear();
    subclass_.Add(L"SystemMenu", this);
    subclass_.Create(&SystemMenu::HostWindowProc);
}

void SystemMenu::UpdateEntry(const SystemMenuItem& item)
{
    const UINT command = CommandOf(item.Index());
    if (!IsOwnEntry(command)) {
        return;
    }
    const bool separator = item.Style() == SystemMenuItem::StyleSeparator;
    std::wstring text = item.Text();
    MENUITEMINFOW entry{sizeof(entry)};
    entry.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | (separator ? 0 : MIIM_STRING);
    entry.fType = separator ? MFT_SEPARATOR : MFT_STRING;
    entry.fState = (item.Checked() ? MFS_CHECKED : 0) | (IsGreyed(item) ? MFS_GRAYED : 0);
    entry.wID = command;
    entry.dwTypeData = text.data();
    entry.cch = static_cast<UINT>(text.size());
    ::SetMenuItemInfoW(menu_, command, FALSE, &entry);
}

void SystemMenu::RemoveOwnEntries()
{
    for (const UINT command : appended_) {
        ::DeleteMenu(menu_, command, MF_BYCOMMAND);
    }
    appended_.clear();
}

bool SystemMenu::IsOwnEntry(UINT command) const
{
    return std::find(appended_.begin(), appended_.end(), command) != appended_.end();
}

bool SystemMenu::OnSysCommand(WPARAM command)
{
    const auto entry = static_cast<UINT>(command & 0xFFF0);
    if (!IsOwnEntry(entry)) {
        return false;
    }
    SystemMenuItem* item = Item(static_cast<std::int32_t>((entry - FirstCommand) / CommandStep));
    if (item != nullptr && events_ != nullptr) {
        events_->ItemClick(*item);
    }
    return item != nullptr;
}

void SystemMenu::ItemChanged(const SystemMenuItem& item, const wchar_t* key)
{
    MarkChanged(PropertyStore::ItemKey(key, item.Index()));
    UpdateSystemMenuItems(item.Index());
}

// The control's own entries are its business alone; every other command,
// the system's included, goes on as it came.
LRESULT CALLBACK SystemMenu::HostWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SYSCOMMAND) {
        auto* menu = static_cast<SystemMenu*>(::GetPropW(window, L"SystemMenu"));
        if (menu != nullptr && menu->OnSysCommand(wparam)) {
            return 0;
        }
    }
    return plumbing::Subclassing::CallPrevious(window, L"SystemMenuWindowProc", message, wparam, lparam);
}
