#pragma once

#include "platform/BaseWindow.h"
#include "platform/ProgramInfo.h"
#include "platform/Win32.h"

// The program's single main window.
class FormVarnook final : public BaseWindow<FormVarnook> {
public:
    static constexpr const wchar_t* WindowClassName = L"PellonarVarnookMainWindow";

    FormVarnook() = default;

    // Creates and shows the window; false when the platform refuses.
    bool Show(int showCommand);

private:
    friend class BaseWindow<FormVarnook>;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void OnDestroy();

    ProgramInfo program_;
};
