#pragma once

#include "platform/Win32.h"

// The folder browser's event procedure. `data` is the item identifier list of
// the folder the dialog should open on, or 0 to leave the shell's choice.
int CALLBACK BrowseCallbackProc(HWND dialog, UINT message, LPARAM param, LPARAM data) noexcept;
