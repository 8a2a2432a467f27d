#pragma once

#include "controls/standard/StandardControl.h"

// A group box drawn around controls. It is no parent of them: a group box
// would swallow the commands and notifications of controls inside it.
class Frame final : public StandardControl {
public:
    Frame(const std::wstring& caption, RECT bounds, HWND parent, int id)
        : StandardControl(WC_BUTTONW, caption, BS_GROUPBOX, bounds, parent, id)
    {
    }
};
