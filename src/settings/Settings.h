#pragma once

#include "registry/Registry.h"
#include "runtime/Variant.h"
#include "services/FileSystem.h"
#include "services/NumberEx.h"

#include <cstdint>
#include <string>

// The user's options, kept below HKEY_CURRENT_USER and read or written on
// every access: nothing is cached, so the registry is the only truth. A
// value that is missing, of the wrong type or out of range reads as the
// option's default; failed writes go unreported.
class Settings {
public:
    // The product's own key (AppEx).
    Settings();
    // Any other key below HKEY_CURRENT_USER, so that tests leave the user's
    // own options alone.
    explicit Settings(std::wstring registrykey);

    // The letter-case style 0 to 4; 0 for anything else.
    [[nodiscard]] std::uint8_t Conversion() const;
    void SetConversion(std::uint8_t value);

    // Stored as 1 or 0; any number other than 0 reads as true.
    [[nodiscard]] bool HiddenSystem() const;
    void SetHiddenSystem(bool value);
    [[nodiscard]] bool IgnoreReadonly() const;
    void SetIgnoreReadonly(bool value);
    [[nodiscard]] bool Log() const;
    void SetLog(bool value);
    [[nodiscard]] bool Modified() const;
    void SetModified(bool value);
    [[nodiscard]] bool Subfolders() const;
    void SetSubfolders(bool value);

    // The stored folder while it exists, else the program's own folder.
    [[nodiscard]] std::wstring LastFolder() const;
    void SetLastFolder(const std::wstring& value);

    // The stored date/time text; empty text when there is none.
    [[nodiscard]] Variant ShortcutDate() const;
    void SetShortcutDate(const Variant& value);

private:
    [[nodiscard]] std::wstring OptionsKey() const;
    [[nodiscard]] bool ReadOption(const std::wstring& valuename) const;
    void WriteOption(const std::wstring& valuename, bool value);
    [[nodiscard]] std::wstring ReadText(const std::wstring& valuename) const;
    void WriteText(const std::wstring& valuename, const std::wstring& value);

    std::wstring registryKey_;
    Registry registry_;
    NumberEx numberEx_;
    FileSystem fileSystem_;
};
