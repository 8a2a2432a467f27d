#pragma once

#include "platform/Win32.h"

// The procedure put in front of a date/time picker's platform window. It
// finds its control under the window property "DateTimePicker" and the
// procedure it replaced under "DateTimePickerWindowProc".
LRESULT CALLBACK DateTimePickerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
