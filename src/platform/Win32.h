#pragma once

// The one way into the Windows headers. Several members of the program's own
// classes carry the names of Win32 functions (FileSystem::GetFileAttributes,
// FileSystem::CopyFile, ...); the SDK turns those names into macros for the
// A/W forms, so they are undone here. The program always calls the W forms by
// their full names.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <oleauto.h>
#include <olectl.h>

#undef CopyFile
#undef GetCurrentFolder
#undef GetFileAttributes
#undef GetFileSize
#undef SetFileAttributes
#undef GetObject
#undef GetClassName
#undef RegisterClass
