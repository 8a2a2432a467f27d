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
// The commands of the window's own system-menu entries: undo at index 0,
// a separator, About at index 2. Wine gives no access to another process's
// system menu, so the commands are posted.
inline constexpr WPARAM UndoCommand = 0x100 + 16 * 0;
inline constexpr WPARAM AboutCommand = 0x100 + 16 * 2;
// Below HKEY_CURRENT_USER.
inline constexpr const wchar_t* RegistryKey = L"Software\\Pellonar\\Varnook";

// Starts the program found next to the tests (or above them).
[[nodiscard]] ProgramStart Start(const std::wstring& workingFolder = {});

} // namespace VarnookProgram
