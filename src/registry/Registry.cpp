#include "registry/Registry.h"

#include "platform/Handles.h"

#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>

namespace {

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
};

RegistryKey OpenKey(HKEY rootkey, const std::wstring& subkey, REGSAM access)
{
    RegistryKey key;
    if (::RegOpenKeyExW(rootkey, subkey.c_str(), 0, access, key.Put()) != ERROR_SUCCESS) {
        // Whatever a failed call left in the slot is no key of ours to close.
        key.Release();
    }
    return key;
}

RegistryKey CreateKey(HKEY rootkey, const std::wstring& subkey)
{
    RegistryKey key;
    if (::RegCreateKeyExW(rootkey, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.Put(),
            nullptr) != ERROR_SUCCESS) {
        key.Release();
    }
    return key;
}

// Reads the data in the size the platform reports for this very read, so a
// value that grew since its size was asked is read again rather than cut.
// A value whose data cannot be read still tells its type, with no data.
std::optional<StoredValue> ReadValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename)
{
    const RegistryKey key = OpenKey(rootkey, subkey, KEY_READ);
    if (!key) {
        return std::nullopt;
    }
    StoredValue value;
    DWORD size = 0;
    if (::RegQueryValueExW(key.Get(), valuename.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        value.data.resize(size);
        status = ::RegQueryValueExW(key.Get(), valuename.c_str(), nullptr, &value.type, value.data.data(), &size);
    }
    value.data.resize(status == ERROR_SUCCESS ? size : 0);
    return value;
}

bool WriteValue(
    HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename, DWORD type, const void* data, size_t size)
{
    if (size > std::numeric_limits<DWORD>::max()) {
        return false;
    }
    const RegistryKey key = CreateKey(rootkey, subkey);
    return key &&
        ::RegSetValueExW(key.Get(), valuename.c_str(), 0, type, static_cast<const BYTE*>(data),
            static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool IsStringType(std::int32_t type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A multi-string ends its last string and then the list, so it carries two
// terminating NULs where a plain string carries one.
size_t TerminatorsOf(std::int32_t type)
{
    return type == REG_MULTI_SZ ? 2 : 1;
}

// Other programs store strings with or without their terminators: only
// the terminators actually there are removed, and an odd last byte (no
// whole character) is dropped rather than read beyond.
std::wstring TextOf(const StoredValue& value)
{
    std::wstring text(value.data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), value.data.data(), text.size() * sizeof(wchar_t));
    for (size_t terminator = 0; terminator < TerminatorsOf(static_cast<std::int32_t>(value.type)); ++terminator) {
        if (text.empty() || text.back() != L'\0') {
            break;
        }
        text.pop_back();
    }
    return text;
}

// Little-endian; a value stored shorter than four bytes gives the bytes it
// has, a longer one its first four.
std::int32_t NumberOf(const StoredValue& value)
{
    std::uint32_t number = 0;
    for (size_t index = 0; index < value.data.size() && index < sizeof(number); ++index) {
        number |= static_cast<std::uint32_t>(value.data[index]) << (8 * index);
    }
    return static_cast<std::int32_t>(number);
}

bool HasData(const std::optional<StoredValue>& value, DWORD type)
{
    return value && value->type == type && !value->data.empty();
}

enum class Names { Subkeys, Values };

// The length of the key's longest name, as a first size for the name
// buffer; 0 when the key cannot tell it.
DWORD LongestName(HKEY key, Names names)
{
    DWORD longestSubkey = 0;
    DWORD longestValue = 0;
    if (::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, &longestSubkey, nullptr, nullptr, &longestValue,
            nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return 0;
    }
    return names == Names::Subkeys ? longestSubkey : longestValue;
}

LSTATUS EnumerateName(HKEY key, Names names, DWORD index, std::wstring& buffer, DWORD& length)
{
    length = static_cast<DWORD>(buffer.size());
    if (names == Names::Subkeys) {
        return ::RegEnumKeyExW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    }
    return ::RegEnumValueW(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
}

void AppendName(const std::wstring& buffer, DWORD length, std::int32_t& count, std::vector<std::wstring>& list)
{
    if (count == std::numeric_limits<std::int32_t>::max()) {
        throw std::length_error("too many names to count");
    }
    list.emplace_back(buffer.data(), length);
    ++count;
}

// Lists names by index with a buffer sized from the key's longest name, so
// no name is too long to be listed; a name longer than the buffer (one
// that grew meanwhile) makes it grow and the same index be read again.
void ListNames(HKEY key, Names names, std::int32_t& count, std::vector<std::wstring>& list)
{
    std::wstring buffer(LongestName(key, names) + size_t{1}, L'\0');
    DWORD index = 0;
    for (;;) {
        DWORD length = 0;
        const LSTATUS status = EnumerateName(key, names, index, buffer, length);
        if (status == ERROR_MORE_DATA) {
            buffer.resize(buffer.size() * 2);
        } else if (status == ERROR_SUCCESS) {
            AppendName(buffer, length, count, list);
            ++index;
        } else {
            return;
        }
    }
}

bool EnumerateNames(
    HKEY rootkey, const std::wstring& subkey, Names names, std::int32_t& count, std::vector<std::wstring>& list)
{
    count = 0;
    list.clear();
    const RegistryKey key = OpenKey(rootkey, subkey, KEY_READ);
    if (!key) {
        return false;
    }
    try {
        ListNames(key.Get(), names, count, list);
    } catch (const std::exception&) {
        count = 0;
        list.clear();
        return false;
    }
    return true;
}

} // namespace

bool Registry::ReadNumberValue(
    HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename, std::int32_t& valuedata) const
{
    valuedata = 0;
    const auto value = ReadValue(rootkey, subkey, valuename);
    if (!HasData(value, REG_DWORD)) {
        return false;
    }
    valuedata = NumberOf(*value);
    return true;
}

bool Registry::WriteNumberValue(
    HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename, std::int32_t valuedata) const
{
    const std::uint32_t number = static_cast<std::uint32_t>(valuedata);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
        static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    return WriteValue(rootkey, subkey, valuename, REG_DWORD, bytes, sizeof(bytes));
}

bool Registry::ReadStringValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
    std::wstring& valuedata, std::int32_t& valuetype) const
{
    valuedata.clear();
    const auto value = ReadValue(rootkey, subkey, valuename);
    if (!value) {
        return false;
    }
    valuetype = static_cast<std::int32_t>(value->type);
    if (!IsStringType(valuetype) || value->data.empty()) {
        return false;
    }
    valuedata = TextOf(*value);
    return true;
}

bool Registry::WriteStringValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
    const std::wstring& valuedata, std::int32_t valuetype) const
{
    if (!IsStringType(valuetype)) {
        return false;
    }
    const std::wstring stored = valuedata + std::wstring(TerminatorsOf(valuetype), L'\0');
    return WriteValue(
        rootkey, subkey, valuename, static_cast<DWORD>(valuetype), stored.data(), stored.size() * sizeof(wchar_t));
}

bool Registry::ReadBinaryValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
    std::int32_t& valuedatasize, std::vector<std::uint8_t>& valuedata) const
{
    valuedatasize = 0;
    valuedata.clear();
    auto value = ReadValue(rootkey, subkey, valuename);
    if (!HasData(value, REG_BINARY)) {
        return false;
    }
    valuedata = std::move(value->data);
    valuedatasize = static_cast<std::int32_t>(valuedata.size());
    return true;
}

bool Registry::WriteBinaryValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename,
    std::int32_t valuedatasize, const std::vector<std::uint8_t>& valuedata) const
{
    if (valuedatasize < 0 || static_cast<size_t>(valuedatasize) > valuedata.size()) {
        return false;
    }
    return WriteValue(rootkey, subkey, valuename, REG_BINARY, valuedata.data(), static_cast<size_t>(valuedatasize));
}

bool Registry::RemoveValue(HKEY rootkey, const std::wstring& subkey, const std::wstring& valuename) const
{
    const RegistryKey key = OpenKey(rootkey, subkey, KEY_WRITE);
    return key && ::RegDeleteValueW(key.Get(), valuename.c_str()) == ERROR_SUCCESS;
}

bool Registry::RemoveKey(HKEY rootkey, const std::wstring& subkey, const std::wstring& keyname) const
{
    // The platform reads an empty name as the opened key itself, which
    // would delete `subkey` instead of one of its subkeys.
    if (keyname.empty()) {
        return false;
    }
    const RegistryKey key = OpenKey(rootkey, subkey, KEY_WRITE);
    return key && ::RegDeleteKeyW(key.Get(), keyname.c_str()) == ERROR_SUCCESS;
}

bool Registry::EnumerateKeys(
    HKEY rootkey, const std::wstring& subkey, std::int32_t& numberkeys, std::vector<std::wstring>& keys) const
{
    return EnumerateNames(rootkey, subkey, Names::Subkeys, numberkeys, keys);
}

bool Registry::EnumerateValues(
    HKEY rootkey, const std::wstring& subkey, std::int32_t& numbervalues, std::vector<std::wstring>& values) const
{
    return EnumerateNames(rootkey, subkey, Names::Values, numbervalues, values);
}
