#pragma once

#include "controls/standard/CheckBoxState.h"
#include "controls/standard/StandardControl.h"

// An option check box. Its owner passes the user's clicks on (OnClicked);
// a value set from code runs the same click handling.
class CheckBox final : public StandardControl, public CheckBoxState {
public:
    CheckBox(const std::wstring& caption, RECT bounds, HWND parent, int id)
        : StandardControl(WC_BUTTONW, caption, WS_TABSTOP | BS_AUTOCHECKBOX, bounds, parent, id)
    {
    }

    [[nodiscard]] std::int32_t Value() const override;
    void SetValue(std::int32_t value) override;
    void SetClickHandler(ClickHandler handler) override { clickHandler_ = std::move(handler); }

    // The platform has toggled the box (BN_CLICKED).
    void OnClicked();

private:
    ClickHandler clickHandler_;
};
