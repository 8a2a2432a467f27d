#pragma once

#include "controls/host/FontDesc.h"
#include "platform/Win32.h"

#include <string>

// What a component asks of the form that hosts it.
class ComponentSite {
public:
    // True while the program runs; false while a form is being designed,
    // when components skip what only makes sense at run time (subclassing,
    // tooltips, sorting, system-menu entries).
    [[nodiscard]] virtual bool UserMode() const = 0;
    // The form's window, parent of every component's own window.
    [[nodiscard]] virtual HWND HostWindow() const = 0;
    // The form's font: the default font of every component.
    [[nodiscard]] virtual FontDesc HostFont() const = 0;
    // The DPI the form is shown at, for every pixel a component draws.
    [[nodiscard]] virtual UINT Dpi() const = 0;
    // A component's setting changed (by its setter), so a designer would save it.
    virtual void PropertyChanged(const std::wstring& component, const std::wstring& key) = 0;

protected:
    ~ComponentSite() = default;
};
