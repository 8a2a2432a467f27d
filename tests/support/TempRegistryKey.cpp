#include "support/TempRegistryKey.h"

#include "platform/Handles.h"

#include <atomic>
#include <stdexcept>

namespace {

const wchar_t* const testsParent = L"Software\\Pellonar\\VarnookTests";

std::atomic<unsigned> keyCounter{0};

RegistryKey Open(const std::wstring& path, REGSAM access)
{
    RegistryKey key;
    if (::RegOpenKeyExW(TempRegistryKey::Root(), path.c_str(), 0, access, key.Put()) != ERROR_SUCCESS) {
        key.Release();
    }
    return key;
}

RegistryKey Create(const std::wstring& path)
{
    RegistryKey key;
    if (::RegCreateKeyExW(TempRegistryKey::Root(), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
            nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
        key.Release();
        throw std::runtime_error("cannot create a test registry key");
    }
    return key;
}

} // namespace

TempRegistryKey::TempRegistryKey()
    : path_(std::wstring(testsParent) + L"\\" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
          std::to_wstring(keyCounter++) + L"-" + std::to_wstring(::GetTickCount64()))
{
    Create(path_);
}

TempRegistryKey::~TempRegistryKey()
{
    ::RegDeleteTreeW(Root(), path_.c_str());
    // Left only when no other test program still has a key there.
    ::RegDeleteKeyW(Root(), testsParent);
}

std::wstring TempRegistryKey::operator/(const std::wstring& relative) const
{
    return path_ + L"\\" + relative;
}

bool TempRegistryKey::KeyExists(const std::wstring& path)
{
    return Open(path, KEY_READ).IsValid();
}

bool TempRegistryKey::ReadRaw(
    const std::wstring& path, const std::wstring& valuename, DWORD& type, std::vector<std::uint8_t>& bytes)
{
    const RegistryKey key = Open(path, KEY_READ);
    DWORD size = 0;
    if (!key || ::RegQueryValueExW(key.Get(), valuename.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return false;
    }
    bytes.resize(size);
    if (::RegQueryValueExW(key.Get(), valuename.c_str(), nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS) {
        return false;
    }
    bytes.resize(size);
    return true;
}

void TempRegistryKey::WriteRaw(
    const std::wstring& path, const std::wstring& valuename, DWORD type, const void* data, DWORD size)
{
    const RegistryKey key = Create(path);
    if (::RegSetValueExW(key.Get(), valuename.c_str(), 0, type, static_cast<const BYTE*>(data), size) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("cannot write a test registry value");
    }
}
