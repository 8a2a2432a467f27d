#pragma once

#include "controls/host/Component.h"
#include "controls/plumbing/Subclassing.h"
#include "controls/sysmenu/SystemMenuEvents.h"
#include "controls/sysmenu/SystemMenuItem.h"

#include <cstdint>
#include <memory>
#include <vector>

// Adds entries of the program's own to the system menu of the window that
// hosts it and reports when the user chooses one. It has no window of its
// own. The system's entries, its separators included, are never touched:
// the control removes only the entries it appended itself.
class SystemMenu final : public Component {
public:
    // An entry's command identifier. WM_SYSCOMMAND keeps the low four bits
    // for the system and the system's own commands start at 0xF000, so the
    // entries take a base below them and sixteen apart.
    static constexpr UINT FirstCommand = 0x0100;
    static constexpr UINT CommandStep = 16;
    static constexpr std::int32_t MaxCount = static_cast<std::int32_t>((0xF000 - FirstCommand) / CommandStep);
    [[nodiscard]] static UINT CommandOf(std::int32_t index) noexcept
    {
        return FirstCommand + CommandStep * static_cast<UINT>(index);
    }

    SystemMenu(ComponentSite& site, std::wstring name);
    ~SystemMenu() override;

    void InitProperties() override;
    void ReadProperties(const PropertyStore& store) override;
    void WriteProperties(PropertyStore& store) const override;

    void SetEvents(SystemMenuEvents* events) noexcept { events_ = events; }

    // 0 to MaxCount entries; other values are ignored. New entries are empty texts.
    [[nodiscard]] std::int32_t Count() const noexcept { return count_; }
    void SetCount(std::int32_t count);
    // False greys every text entry.
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    // The entry at `index`; null outside 0 .. Count - 1.
    [[nodiscard]] SystemMenuItem* Item(std::int32_t index) const;
    // While true, changes are kept but the menu is left as it is until the
    // next UpdateSystemMenuItems.
    [[nodiscard]] bool PreventUpdate() const noexcept { return preventUpdate_; }
    void SetPreventUpdate(bool prevent) noexcept { preventUpdate_ = prevent; }
    // -1 appends every entry anew; an index updates that entry in place.
    void UpdateSystemMenuItems(std::int32_t index);

private:
    friend class SystemMenuItem;
    // Put in front of the host window's procedure: it finds its control under
    // the window property "SystemMenu" and the procedure it replaced under
    // "SystemMenuWindowProc".
    static LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    void ResizeItems(bool rebuild);
    void Rebuild();
    void UpdateEntry(const SystemMenuItem& item);
    void RemoveOwnEntries();
    [[nodiscard]] bool IsOwnEntry(UINT command) const;
    [[nodiscard]] bool IsGreyed(const SystemMenuItem& item) const noexcept { return !enabled_ || !item.Enabled(); }
    // True when the command was one of the control's entries.
    bool OnSysCommand(WPARAM command);
    void ItemChanged(const SystemMenuItem& item, const wchar_t* key);

    std::vector<std::unique_ptr<SystemMenuItem>> items_;
    bool enabled_ = true;
    bool preventUpdate_ = false;
    std::int32_t count_ = 0;
    plumbing::Subclassing subclass_;
    // The host window and its system menu, which belongs to the window.
    HWND host_ = nullptr;
    HMENU menu_ = nullptr;
    // The commands this control appended and has not removed.
    std::vector<UINT> appended_;
    SystemMenuEvents* events_ = nullptr;
};
