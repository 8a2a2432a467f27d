#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

// Stateless access to the Windows registry. Every operation opens the key
// it needs, does one thing and closes the key again, so nothing is cached
// and concurrent writers see each other's values at once. Failures are
// reported only through the results.
class Registry {
public:
    // True when the value exists as a 32-bit number; otherwise false and 0.
    bool ReadNumberValue(
        HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename, std::int32_t& valuedata) const;
    // Creates the key and its missing parents when needed.
    bool WriteNumberValue(
        HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename, std::int32_t valuedata) const;

    // True when the value exists as REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ;
    // a multi-string comes as its strings joined by NULs. `valuetype`
    // receives the stored type whenever the value exists.
    bool ReadStringValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
        std::wstring& valuedata, std::int32_t& valuetype) const;
    // Only for REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ (its strings joined by
    // NULs); any other type is refused without touching the registry.
    bool WriteStringValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
        const std::wstring& valuedata, std::int32_t valuetype) const;

    // True when the value exists as REG_BINARY and is not empty.
    bool ReadBinaryValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
        std::int32_t& valuedatasize, std::vector<std::uint8_t>& valuedata) const;
    // Writes the first `valuedatasize` bytes; refused when `valuedata` holds fewer.
    bool WriteBinaryValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
        std::int32_t valuedatasize, const std::vector<std::uint8_t>& valuedata) const;

    bool RemoveValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename) const;
    // Deletes the subkey `keyname` of `subkey`; the platform refuses one that
    // has subkeys of its own.
    bool RemoveKey(HKEY rootkey, const std::wstring& subkey, const std::wstring& keyname) const;

    // The names of the direct subkeys, or of the values, of `subkey` in the
    // platform's order; false with an empty list when the key cannot be
    // opened or listed.
    bool EnumerateKeys(
        HKEY rootkey, const std::wstring& subkey, std::int32_t& numberkeys, std::vector<std::wstring>& keys) const;
    bool EnumerateValues(
        HKEY rootkey, const std::wstring& subkey, std::int32_t& numbervalues, std::vector<std::wstring>& values) const;
};
