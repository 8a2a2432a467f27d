#pragma once

#include "platform/Handles.h"
#include "platform/ProgramInfo.h"
#include "platform/Win32.h"

// The program's single main window.
class FormVarnook {
public:
    static constexpr const wchar_t* WindowClassName = L"PellonarVarnookMainWindow";

    explicit FormVarnook(HINSTANCE instance);
    FormVarnook(const FormVarnook&) = delete;
    FormVarnook& operator=(const FormVarnook&) = delete;

    // Creates and shows the window; false when the platform refuses.
    bool Show(int showCommand);
    [[nodiscard]] HWND Hwnd() const noexcept { return window_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    bool RegisterWindowClass() const;

    HINSTANCE instance_;
    ProgramInfo program_;
    HWND window_ = nullptr;
};
