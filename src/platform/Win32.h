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

#if defined(__MINGW32__)
// The shell's shared-memory functions that hand a block from one process to
// another. The Windows SDK declares them in shlwapi.h; mingw-w64 leaves them out.
LWSTDAPI_(HANDLE) SHAllocShared(const void* data, DWORD size, DWORD processid);
LWSTDAPI_(BOOL) SHFreeShared(HANDLE block, DWORD processid);
LWSTDAPI_(void*) SHLockShared(HANDLE block, DWORD processid);
LWSTDAPI_(BOOL) SHUnlockShared(void* data);
#endif

#undef CopyFile
#undef GetCurrentFolder
#undef GetFileAttributes
#undef GetFileSize
#undef SetFileAttributes
#undef GetObject
#undef GetClassName
#undef RegisterClass
