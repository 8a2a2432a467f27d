#pragma once

#include "app/ControlIds.h"
#include "probe/ProgramUnderTest.h"

#include <string>

// What the harness knows of the real program: how its windows are told and
// where it keeps its state. Control identifiers come from app/ControlIds.h.
namespace VarnookProgram {

// The title a user sees, and every message box's caption.
inline constexpr const wchar_t* Title = L"Pellonar Varnook";
inline constexpr const wchar_t* AboutTitle = L"Over Varnook";
// The About entry's command in the window's system menu: the entry at index
// 1 (after a separator). Wine gives no access to another process's system
// menu, so the command is posted.
inline constexpr WPARAM AboutCommand = 0x100 + 16 * 1;
// Below HKEY_CURRENT_USER.
inline constexpr const wchar_t* RegistryKey = L"Software\\Pellonar\\Varnook";

// Starts the program found next to the tests (or above them).
[[nodiscard]] ProgramStart Start(const std::wstring& workingFolder = {});

} // namespace VarnookProgram
