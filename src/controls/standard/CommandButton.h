#pragma once

#include "controls/standard/CommandButtonState.h"
#include "controls/standard/StandardControl.h"

// A push button. It is never the default button: Enter belongs to the list.
class CommandButton final : public StandardControl, public CommandButtonState {
public:
    CommandButton(const std::wstring& caption, RECT bounds, HWND parent, int id)
        : StandardControl(WC_BUTTONW, caption, WS_TABSTOP | BS_PUSHBUTTON, bounds, parent, id)
    {
    }

    [[nodiscard]] bool Enabled() const override { return IsEnabled(); }
    void SetEnabled(bool enabled) override { Enable(enabled); }
};
