#pragma once

#include "platform/Win32.h"

#include <optional>
#include <string>

// Reads the tip another process shows for one of its windows, from
// whichever of its tooltip windows has a tool for it. The tip is read from
// the tooltip's tool list, so the pointer need not rest on the window.
class ToolTipReader {
public:
    // Nothing when no tooltip of the window's process knows the window.
    [[nodiscard]] static std::optional<std::wstring> TextFor(HANDLE process, HWND tool);
};
