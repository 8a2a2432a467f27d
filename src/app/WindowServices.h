#pragma once

#include <string>

enum class MessageBoxButtons { Ok, YesNo };
enum class MessageBoxChoice { Ok, Yes, No };
enum class MousePointer { Default, Hourglass };

// What the main window's procedures ask of the window itself and of the
// shell, besides the state of its controls.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // A warning box captioned with the application title; returns the
    // button chosen.
    virtual MessageBoxChoice ShowWarning(const std::wstring& text, MessageBoxButtons buttons) = 0;

    // Lets every waiting window message be handled. False when the program
    // is ending: the caller's loop should stop.
    virtual bool ProcessPendingMessages() = 0;

    virtual void SetFocus() = 0;
    // Repaints the window and its controls now.
    virtual void Repaint() = 0;

    [[nodiscard]] virtual MousePointer GetMousePointer() const = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;

    // The shell's "open" on a document (a full path, or a name taken from
    // the working folder when one is given); true when the shell did it.
    virtual bool OpenDocument(const std::wstring& document, const std::wstring& folder) = 0;
    // The shell's "properties" sheet of a file or folder; true when shown.
    virtual bool ShowProperties(const std::wstring& path) = 0;
    // Tells the shell that file associations changed, so that its open
    // views refresh.
    virtual void NotifyAssociationChanged() = 0;
};

// The hourglass for as long as the object lives, then the pointer it found:
// a handler that runs nested inside a longer one (inside a run's message
// processing, say) leaves the longer one's hourglass behind it.
class BusyPointer {
public:
    explicit BusyPointer(WindowServices& window) : window_(window), found_(window.GetMousePointer())
    {
        window_.SetMousePointer(MousePointer::Hourglass);
    }
    ~BusyPointer() { window_.SetMousePointer(found_); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    WindowServices& window_;
    MousePointer found_;
};
