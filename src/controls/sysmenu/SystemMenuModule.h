#pragma once

#include "platform/Win32.h"

// The procedure put in front of the host window's procedure by the system
// menu control. It finds its control under the window property
// "SystemMenu" and the procedure it replaced under "SystemMenuWindowProc".
LRESULT CALLBACK SystemMenuWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
