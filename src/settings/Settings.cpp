#include "settings/Settings.h"

#include "platform/ProgramInfo.h"
#include "settings/AppEx.h"

#include <utility>

namespace {

constexpr std::int32_t LastConversion = 4;

} // namespace

Settings::Settings() : Settings(AppEx().RegistryKey())
{
}

Settings::Settings(std::wstring registrykey) : registryKey_(std::move(registrykey))
{
}

std::wstring Settings::OptionsKey() const
{
    return registryKey_ + L"\\Options";
}

std::uint8_t Settings::Conversion() const
{
    std::int32_t stored = 0;
    registry_.ReadNumberValue(HKEY_CURRENT_USER, OptionsKey(), L"Conversion", stored);
    return static_cast<std::uint8_t>(numberEx_.Clamp(stored, 0, LastConversion, 0));
}

void Settings::SetConversion(std::uint8_t value)
{
    registry_.WriteNumberValue(HKEY_CURRENT_USER, OptionsKey(), L"Conversion", value);
}

bool Settings::ReadOption(const std::wstring& valuename) const
{
    std::int32_t stored = 0;
    return registry_.ReadNumberValue(HKEY_CURRENT_USER, OptionsKey(), valuename, stored) && stored != 0;
}

void Settings::WriteOption(const std::wstring& valuename, bool value)
{
    registry_.WriteNumberValue(HKEY_CURRENT_USER, OptionsKey(), valuename, value ? 1 : 0);
}

bool Settings::HiddenSystem() const
{
    return ReadOption(L"HiddenSystem");
}

void Settings::SetHiddenSystem(bool value)
{
    WriteOption(L"HiddenSystem", value);
}

bool Settings::IgnoreReadonly() const
{
    return ReadOption(L"IgnoreReadonly");
}

void Settings::SetIgnoreReadonly(bool value)
{
    WriteOption(L"IgnoreReadonly", value);
}

bool Settings::Log() const
{
    return ReadOption(L"Log");
}

void Settings::SetLog(bool value)
{
    WriteOption(L"Log", value);
}

bool Settings::Modified() const
{
    return ReadOption(L"Modified");
}

void Settings::SetModified(bool value)
{
    WriteOption(L"Modified", value);
}

bool Settings::Subfolders() const
{
    return ReadOption(L"Subfolders");
}

void Settings::SetSubfolders(bool value)
{
    WriteOption(L"Subfolders", value);
}

std::wstring Settings::ReadText(const std::wstring& valuename) const
{
    std::wstring stored;
    std::int32_t storedType = REG_SZ;
    registry_.ReadStringValue(HKEY_CURRENT_USER, registryKey_, valuename, stored, storedType);
    return stored;
}

void Settings::WriteText(const std::wstring& valuename, const std::wstring& value)
{
    registry_.WriteStringValue(HKEY_CURRENT_USER, registryKey_, valuename, value, REG_SZ);
}

std::wstring Settings::LastFolder() const
{
    std::wstring folder = ReadText(L"LastFolder");
    if (!fileSystem_.IsFolder(folder)) {
        return ProgramInfo().ExecutableFolder();
    }
    return folder;
}

void Settings::SetLastFolder(const std::wstring& value)
{
    WriteText(L"LastFolder", value);
}

Variant Settings::ShortcutDate() const
{
    return ReadText(L"ShortcutDate");
}

void Settings::SetShortcutDate(const Variant& value)
{
    WriteText(L"ShortcutDate", value.ToText());
}
