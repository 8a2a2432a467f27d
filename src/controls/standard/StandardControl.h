#pragma once

#include "platform/Handles.h"
#include "platform/Win32.h"

#include <string>

// One of the platform's own controls placed straight on a form (button,
// check box, label, frame, drop-down list), owned by this object.
class StandardControl {
public:
    StandardControl(const wchar_t* className, const std::wstring& text, DWORD style, RECT bounds, HWND parent, int id);
    virtual ~StandardControl() = default;
    StandardControl(const StandardControl&) = delete;
    StandardControl& operator=(const StandardControl&) = delete;

    [[nodiscard]] HWND Hwnd() const noexcept { return window_.Get(); }
    [[nodiscard]] std::wstring Text() const;
    void SetText(const std::wstring& text);
    [[nodiscard]] bool IsEnabled() const;
    void Enable(bool enabled);
    void SetFont(HFONT font);
    void Move(RECT bounds);

private:
    WindowHandle window_;
};
