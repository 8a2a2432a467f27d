#pragma once

#include "controls/host/Component.h"
#include "platform/BaseWindow.h"
#include "platform/Handles.h"

// A component with a window of its own on the form, holding the platform
// control it wraps. The platform control's notifications arrive at this
// window, its parent. The window is a control parent, so dialog navigation
// steps into the control, and no tab stop, so the focus never rests on it.
class VisualComponent : public Component, public BaseWindow<VisualComponent> {
public:
    static constexpr const wchar_t* WindowClassName = L"PellonarVarnookComponent";

    // `bounds` in the form's client pixels; `id` the window's control identifier.
    VisualComponent(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id);

    void SetBounds(RECT bounds);
    // Lays the component's inside out again for its window's size.
    virtual void Resize() {}
    // The site's DPI changed: the component shows its fonts and sizes anew.
    virtual void DpiChanged() {}

protected:
    friend class BaseWindow<VisualComponent>;
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    // Messages to the own window other than its size changes.
    virtual LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);

    [[nodiscard]] int ClientWidth() const;
    [[nodiscard]] int ClientHeight() const;
    [[nodiscard]] UINT Dpi() const { return Site().Dpi(); }

    // The platform control, filling the own window.
    [[nodiscard]] WindowHandle CreatePlatformWindow(const wchar_t* className, DWORD style, DWORD exStyle);
    // The platform control went with the own window (its parent), so its
    // handle is forgotten rather than destroyed again.
    virtual void OnPlatformWindowGone() {}
};
