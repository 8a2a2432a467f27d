#pragma once

class SystemMenuItem;

// What the system menu control tells its owner.
class SystemMenuEvents {
public:
    // The user chose one of the control's own entries.
    virtual void ItemClick(SystemMenuItem& item) { (void)item; }

protected:
    ~SystemMenuEvents() = default;
};
