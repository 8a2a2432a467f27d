#pragma once

#include "platform/Win32.h"

#include <optional>
#include <string>

// The program's own registry key (HKEY_CURRENT_USER\Software\Pellonar\Varnook),
// as the end-to-end tests prepare it before a start and read it after the
// program has ended. Only these tests touch it, each in its own Wine prefix.
class ProgramKey {
public:
    // Removes the key with everything below it, so a start sees a first run.
    static void Reset();
    [[nodiscard]] static bool Exists();

    // A text value of the key itself (LastFolder, ShortcutDate).
    [[nodiscard]] static std::optional<std::wstring> Text(const std::wstring& name);
    static void SetText(const std::wstring& name, const std::wstring& value);
    // A number value of the Options subkey (Conversion, Log, Subfolders, ...).
    [[nodiscard]] static std::optional<DWORD> Option(const std::wstring& name);
    static void SetOption(const std::wstring& name, DWORD value);
};
