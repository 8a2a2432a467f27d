#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

// A fresh key below HKEY_CURRENT_USER\Software\Pellonar\VarnookTests,
// deleted with everything in it when the object goes away. Tests never
// touch the program's own key or any other.
class TempRegistryKey {
public:
    TempRegistryKey();
    ~TempRegistryKey();
    TempRegistryKey(const TempRegistryKey&) = delete;
    TempRegistryKey& operator=(const TempRegistryKey&) = delete;

    [[nodiscard]] static HKEY Root() noexcept { return HKEY_CURRENT_USER; }
    // The key's path below Root().
    [[nodiscard]] const std::wstring& Path() const noexcept { return path_; }
    // Path() + "\" + relative.
    [[nodiscard]] std::wstring operator/(const std::wstring& relative) const;

    // Whether a key exists below Root(), and a value's raw type and bytes,
    // read without the class under test.
    static bool KeyExists(const std::wstring& path);
    static bool ReadRaw(
        const std::wstring& path, const std::wstring& valuename, DWORD& type, std::vector<std::uint8_t>& bytes);
    // Stores raw bytes of any type and length, creating the key.
    static void WriteRaw(
        const std::wstring& path, const std::wstring& valuename, DWORD type, const void* data, DWORD size);

private:
    std::wstring path_;
};
