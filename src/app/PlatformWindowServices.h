#pragma once

#include "app/WindowServices.h"
#include "platform/Win32.h"

#include <optional>
#include <string>

// The window services for a real window: message boxes, the shared
// pending-message processing, focus, repaint, the mouse pointer and the
// shell's verbs and notifications.
class PlatformWindowServices : public WindowServices {
public:
    PlatformWindowServices(HWND window, std::wstring applicationTitle);

    MessageBoxChoice ShowWarning(const std::wstring& text, MessageBoxButtons buttons) override;
    bool ProcessPendingMessages() override;
    void SetFocus() override;
    void Repaint() override;
    [[nodiscard]] MousePointer GetMousePointer() const override { return pointer_; }
    // The window keeps showing the pointer when it answers WM_SETCURSOR
    // with GetMousePointer().
    void SetMousePointer(MousePointer pointer) override;
    bool OpenDocument(const std::wstring& document, const std::wstring& folder) override;
    bool ShowProperties(const std::wstring& path) override;
    void NotifyAssociationChanged() override;

    // The platform cursor that stands for a pointer.
    [[nodiscard]] static HCURSOR CursorOf(MousePointer pointer);
    // The shell opens no path of MAX_PATH characters or more: such a path in
    // its short form where that is short enough, else nothing.
    [[nodiscard]] static std::optional<std::wstring> ShellPath(const std::wstring& path);

private:
    bool ExecuteShellVerb(const wchar_t* verb, ULONG mask, const std::wstring& path, const std::wstring& workingFolder);

    HWND window_;
    std::wstring applicationTitle_;
    MousePointer pointer_ = MousePointer::Default;
};
