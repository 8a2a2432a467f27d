#include "e2e/ProgramKey.h"

#include "probe/VarnookProgram.h"
#include "support/TempRegistryKey.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

std::wstring OptionsKey()
{
    return std::wstring(VarnookProgram::RegistryKey) + L"\\Options";
}

} // namespace

void ProgramKey::Reset()
{
    const LSTATUS status = ::RegDeleteTreeW(HKEY_CURRENT_USER, VarnookProgram::RegistryKey);
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
        ::RegDeleteKeyW(HKEY_CURRENT_USER, VarnookProgram::RegistryKey);
    }
}

bool ProgramKey::Exists()
{
    return TempRegistryKey::KeyExists(VarnookProgram::RegistryKey);
}

std::optional<std::wstring> ProgramKey::Text(const std::wstring& name)
{
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (!TempRegistryKey::ReadRaw(VarnookProgram::RegistryKey, name, type, bytes) || type != REG_SZ) {
        return std::nullopt;
    }
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

void ProgramKey::SetText(const std::wstring& name, const std::wstring& value)
{
    TempRegistryKey::WriteRaw(VarnookProgram::RegistryKey, name, REG_SZ, value.c_str(),
        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<DWORD> ProgramKey::Option(const std::wstring& name)
{
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (!TempRegistryKey::ReadRaw(OptionsKey(), name, type, bytes) || type != REG_DWORD ||
        bytes.size() != sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD value = 0;
    std::memcpy(&value, bytes.data(), sizeof(value));
    return value;
}

void ProgramKey::SetOption(const std::wstring& name, DWORD value)
{
    TempRegistryKey::WriteRaw(OptionsKey(), name, REG_DWORD, &value, sizeof(value));
}
