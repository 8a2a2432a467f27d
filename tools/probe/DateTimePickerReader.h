#pragma once

#include "platform/Win32.h"

#include <optional>

// Reads the moment a date/time picker (SysDateTimePick32) of another
// process holds. The process handle is borrowed and needs memory access.
class DateTimePickerReader {
public:
    // Nothing when the picker holds no moment (a checkable picker unchecked).
    [[nodiscard]] static std::optional<SYSTEMTIME> Moment(HANDLE process, HWND picker);
};
