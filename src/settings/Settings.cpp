#include "settings/Settings.h"

#include "platform/ProgramInfo.h"
#include "settings/AppEx.h"

#include <utility>

namespace {

constexpr std::int32_t LastConversion = 4;
constexpr std::int32_t LastSortColumn = 2;
// Wider than any screen: a width beyond it is no width a user dragged.
constexpr std::int32_t WidestColumn = 32'000;
constexpr std::int32_t ColumnsStored = 8;
constexpr std::int32_t LastExtension = static_cast<std::int32_t>(RunRules::Extension::Keep);
constexpr std::int32_t LastTimeSource = static_cast<std::int32_t>(RunRules::TimeSource::Name);
// More than any set of word breaks a user means.
constexpr size_t LongestWordBreaks = 32;

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

std::optional<std::int32_t> Settings::ReadNumber(const std::wstring& valuename) const
{
    std::int32_t stored = 0;
    if (!registry_.ReadNumberValue(HKEY_CURRENT_USER, OptionsKey(), valuename, stored)) {
        return std::nullopt;
    }
    return stored;
}

void Settings::WriteNumber(const std::wstring& valuename, std::int32_t value)
{
    registry_.WriteNumberValue(HKEY_CURRENT_USER, OptionsKey(), valuename, value);
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

std::wstring Settings::ReadText(const std::wstring& key, const std::wstring& valuename) const
{
    std::wstring stored;
    std::int32_t storedType = REG_SZ;
    registry_.ReadStringValue(HKEY_CURRENT_USER, key, valuename, stored, storedType);
    return stored;
}

void Settings::WriteText(const std::wstring& key, const std::wstring& valuename, const std::wstring& value)
{
    registry_.WriteStringValue(HKEY_CURRENT_USER, key, valuename, value, REG_SZ);
}

std::wstring Settings::LastFolder() const
{
    std::wstring folder = ReadText(registryKey_, L"LastFolder");
    if (!fileSystem_.IsFolder(folder)) {
        return ProgramInfo().ExecutableFolder();
    }
    return folder;
}

void Settings::SetLastFolder(const std::wstring& value)
{
    WriteText(registryKey_, L"LastFolder", value);
}

Variant Settings::ShortcutDate() const
{
    return ReadText(registryKey_, L"ShortcutDate");
}

void Settings::SetShortcutDate(const Variant& value)
{
    WriteText(registryKey_, L"ShortcutDate", value.ToText());
}

std::optional<Settings::WindowPlace> Settings::Window() const
{
    const auto left = ReadNumber(L"WindowLeft");
    const auto top = ReadNumber(L"WindowTop");
    const auto width = ReadNumber(L"WindowWidth");
    const auto height = ReadNumber(L"WindowHeight");
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0) {
        return std::nullopt;
    }
    WindowPlace place;
    place.Normal = {*left, *top, *left + *width, *top + *height};
    place.Maximized = ReadOption(L"WindowMaximized");
    return place;
}

void Settings::SetWindow(const WindowPlace& place)
{
    WriteNumber(L"WindowLeft", place.Normal.left);
    WriteNumber(L"WindowTop", place.Normal.top);
    WriteNumber(L"WindowWidth", place.Normal.right - place.Normal.left);
    WriteNumber(L"WindowHeight", place.Normal.bottom - place.Normal.top);
    WriteOption(L"WindowMaximized", place.Maximized);
}

std::vector<std::int32_t> Settings::ColumnWidths() const
{
    std::vector<std::int32_t> widths;
    for (std::int32_t column = 0; column < ColumnsStored; ++column) {
        const auto width = ReadNumber(L"ColumnWidth" + std::to_wstring(column));
        if (!width || *width < 1 || *width > WidestColumn) {
            break;
        }
        widths.push_back(*width);
    }
    return widths;
}

void Settings::SetColumnWidths(const std::vector<std::int32_t>& widths)
{
    std::int32_t column = 0;
    for (const std::int32_t width : widths) {
        if (column == ColumnsStored) {
            break;
        }
        WriteNumber(L"ColumnWidth" + std::to_wstring(column++), width);
    }
}

Settings::ListSort Settings::Sort() const
{
    ListSort sort;
    sort.Column = numberEx_.Clamp(ReadNumber(L"SortColumn").value_or(0), 0, LastSortColumn, 0);
    sort.Descending = ReadOption(L"SortDescending");
    return sort;
}

void Settings::SetSort(const ListSort& sort)
{
    WriteNumber(L"SortColumn", sort.Column);
    WriteOption(L"SortDescending", sort.Descending);
}

RunRules Settings::Rules() const
{
    const RunRules defaults;
    RunRules rules;
    rules.NameExtension = static_cast<RunRules::Extension>(numberEx_.Clamp(
        ReadNumber(L"Extension").value_or(0), 0, LastExtension, static_cast<std::int32_t>(defaults.NameExtension)));
    rules.WordBreaks = ReadText(OptionsKey(), L"WordBreaks").substr(0, LongestWordBreaks);
    rules.Times = static_cast<unsigned>(numberEx_.Clamp(ReadNumber(L"Times").value_or(RunRules::AllTimes), 1,
        RunRules::AllTimes, static_cast<std::int32_t>(defaults.Times)));
    rules.Source = static_cast<RunRules::TimeSource>(numberEx_.Clamp(
        ReadNumber(L"TimeSource").value_or(0), 0, LastTimeSource, static_cast<std::int32_t>(defaults.Source)));
    rules.ShiftSeconds = ReadNumber(L"ShiftSeconds").value_or(0);
    return rules;
}

void Settings::SetRules(const RunRules& rules)
{
    WriteNumber(L"Extension", static_cast<std::int32_t>(rules.NameExtension));
    WriteText(OptionsKey(), L"WordBreaks", rules.WordBreaks);
    WriteNumber(L"Times", static_cast<std::int32_t>(rules.Times));
    WriteNumber(L"TimeSource", static_cast<std::int32_t>(rules.Source));
    WriteNumber(L"ShiftSeconds", static_cast<std::int32_t>(rules.ShiftSeconds));
}
