#include "registry/Registry.h"

#include "platform/Handles.h"
#include "support/TempRegistryKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

using namespace std::string_literals;

std::vector<std::uint8_t> BytesOf(const std::wstring& text)
{
    std::vector<std::uint8_t> bytes(text.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

class RegistryTest : public testing::Test {
protected:
    bool ReadNumber(const std::wstring& subkey, const std::wstring& valuename, std::int32_t& valuedata) const
    {
        return registry.ReadNumberValue(TempRegistryKey::Root(), subkey, valuename, valuedata);
    }

    bool ReadString(const std::wstring& valuename, std::wstring& valuedata, std::int32_t& valuetype) const
    {
        return registry.ReadStringValue(TempRegistryKey::Root(), key.Path(), valuename, valuedata, valuetype);
    }

    bool WriteString(const std::wstring& valuename, const std::wstring& valuedata, std::int32_t valuetype) const
    {
        return registry.WriteStringValue(TempRegistryKey::Root(), key.Path(), valuename, valuedata, valuetype);
    }

    std::vector<std::uint8_t> RawBytes(const std::wstring& valuename, DWORD expectedType) const
    {
        DWORD type = REG_NONE;
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(TempRegistryKey::ReadRaw(key.Path(), valuename, type, bytes));
        EXPECT_EQ(type, expectedType);
        return bytes;
    }

    bool ValueExists(const std::wstring& valuename) const
    {
        DWORD type = REG_NONE;
        std::vector<std::uint8_t> bytes;
        return TempRegistryKey::ReadRaw(key.Path(), valuename, type, bytes);
    }

    void WriteRaw(const std::wstring& valuename, DWORD type, const std::vector<std::uint8_t>& bytes) const
    {
        TempRegistryKey::WriteRaw(key.Path(), valuename, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    }

    Registry registry;
    TempRegistryKey key;
};

// Numbers

TEST_F(RegistryTest, NumbersRoundTripAsFourLittleEndianBytes)
{
    for (const std::int32_t number :
        {0, 1, -1, 0x12345678, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        ASSERT_TRUE(registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), L"Number", number));
        std::int32_t valuedata = 0;
        EXPECT_TRUE(ReadNumber(key.Path(), L"Number", valuedata));
        EXPECT_EQ(valuedata, number);
    }
    EXPECT_EQ(RawBytes(L"Number", REG_DWORD), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST_F(RegistryTest, WriteNumberCreatesTheKeyAndItsMissingParents)
{
    const std::wstring subkey = key / L"a\\b\\c";
    ASSERT_FALSE(TempRegistryKey::KeyExists(key / L"a"));

    EXPECT_TRUE(registry.WriteNumberValue(TempRegistryKey::Root(), subkey, L"Number", 42));

    std::int32_t valuedata = 0;
    EXPECT_TRUE(ReadNumber(subkey, L"Number", valuedata));
    EXPECT_EQ(valuedata, 42);
}

TEST_F(RegistryTest, ReadNumberGivesFalseAndZeroWhenThereIsNoNumber)
{
    WriteString(L"Text", L"12", REG_SZ);
    WriteRaw(L"Empty", REG_DWORD, {});
    WriteRaw(L"Binary", REG_BINARY, {1, 0, 0, 0});
    const struct {
        std::wstring subkey;
        std::wstring valuename;
    } cases[] = {
        {key.Path(), L"Missing"},
        {key / L"Missing", L"Number"},
        {key.Path(), L"Text"},
        {key.Path(), L"Empty"},
        {key.Path(), L"Binary"},
    };
    for (const auto& c : cases) {
        std::int32_t valuedata = 77;
        EXPECT_FALSE(ReadNumber(c.subkey, c.valuename, valuedata)) << c.valuename;
        EXPECT_EQ(valuedata, 0) << c.valuename;
    }
}

TEST_F(RegistryTest, ReadNumberTakesOnlyTheBytesAValueHas)
{
    const struct {
        std::vector<std::uint8_t> stored;
        std::int32_t expected;
    } cases[] = {
        {{0xFF}, 0xFF},
        {{0x34, 0x12}, 0x1234},
        {{0x56, 0x34, 0x12}, 0x123456},
        {{0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB}, 0x12345678},
    };
    for (const auto& c : cases) {
        WriteRaw(L"Short", REG_DWORD, c.stored);
        std::int32_t valuedata = 0;
        EXPECT_TRUE(ReadNumber(key.Path(), L"Short", valuedata));
        EXPECT_EQ(valuedata, c.expected);
    }
}

// Strings

struct StringCase {
    std::wstring valuedata;
    std::int32_t valuetype;
};

class RegistryStringRoundTrip : public RegistryTest, public testing::WithParamInterface<StringCase> {};

TEST_P(RegistryStringRoundTrip, GivesBackTheTextAndType)
{
    const auto& param = GetParam();
    ASSERT_TRUE(WriteString(L"Text", param.valuedata, param.valuetype));

    std::wstring valuedata = L"stale";
    std::int32_t valuetype = 0;
    EXPECT_TRUE(ReadString(L"Text", valuedata, valuetype));
    EXPECT_EQ(valuedata, param.valuedata);
    EXPECT_EQ(valuetype, param.valuetype);
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistryStringRoundTrip,
    testing::Values(StringCase{L"C:\\Temp\\Varnook", REG_SZ}, StringCase{L"", REG_SZ},
        StringCase{L"\u00e9\u00e9n \u2013 \u4e2d\u6587 \u2713", REG_SZ}, StringCase{std::wstring(5000, L'x'), REG_SZ},
        StringCase{L"%TEMP%\\varnook", REG_EXPAND_SZ}, StringCase{L"first\0second\0third"s, REG_MULTI_SZ},
        StringCase{L"one", REG_MULTI_SZ}, StringCase{L"", REG_MULTI_SZ}));

TEST_F(RegistryTest, StringsAreStoredWithTheirTerminators)
{
    ASSERT_TRUE(WriteString(L"Plain", L"ab", REG_SZ));
    ASSERT_TRUE(WriteString(L"List", L"a\0b"s, REG_MULTI_SZ));

    EXPECT_EQ(RawBytes(L"Plain", REG_SZ), BytesOf(L"ab\0"s));
    EXPECT_EQ(RawBytes(L"List", REG_MULTI_SZ), BytesOf(L"a\0b\0\0"s));
}

TEST_F(RegistryTest, ReadStringTakesAsManyTerminatorsAsThereAre)
{
    const struct {
        std::vector<std::uint8_t> stored;
        DWORD type;
        std::wstring expected;
    } cases[] = {
        {BytesOf(L"abc"), REG_SZ, L"abc"},
        {BytesOf(L"abc\0"s), REG_SZ, L"abc"},
        {BytesOf(L"\0"s), REG_SZ, L""},
        {BytesOf(L"%x%"), REG_EXPAND_SZ, L"%x%"},
        {BytesOf(L"a\0b"s), REG_MULTI_SZ, L"a\0b"s},
        {BytesOf(L"a\0b\0"s), REG_MULTI_SZ, L"a\0b"s},
        {BytesOf(L"a\0b\0\0"s), REG_MULTI_SZ, L"a\0b"s},
        // An odd last byte is no whole character.
        {{'a', 0, 'b', 0, 'c'}, REG_SZ, L"ab"},
    };
    for (const auto& c : cases) {
        WriteRaw(L"Stored", c.type, c.stored);
        std::wstring valuedata;
        std::int32_t valuetype = 0;
        EXPECT_TRUE(ReadString(L"Stored", valuedata, valuetype));
        EXPECT_EQ(valuedata, c.expected);
        EXPECT_EQ(valuetype, static_cast<std::int32_t>(c.type));
    }
}

TEST_F(RegistryTest, ReadStringOfAnotherTypeGivesFalseEmptyTextAndTheStoredType)
{
    registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), L"Number", 4);
    WriteRaw(L"Binary", REG_BINARY, BytesOf(L"abc\0"s));
    WriteRaw(L"EmptyText", REG_SZ, {});
    const struct {
        std::wstring valuename;
        std::int32_t expectedType;
    } cases[] = {
        {L"Number", REG_DWORD},
        {L"Binary", REG_BINARY},
        {L"EmptyText", REG_SZ},
    };
    for (const auto& c : cases) {
        std::wstring valuedata = L"stale";
        std::int32_t valuetype = 99;
        EXPECT_FALSE(ReadString(c.valuename, valuedata, valuetype)) << c.valuename;
        EXPECT_EQ(valuedata, L"") << c.valuename;
        EXPECT_EQ(valuetype, c.expectedType) << c.valuename;
    }
}

TEST_F(RegistryTest, ReadStringOfAMissingValueKeepsTheCallersType)
{
    for (const auto& subkey : {key.Path(), key / L"Missing"}) {
        std::wstring valuedata = L"stale";
        std::int32_t valuetype = 99;
        EXPECT_FALSE(registry.ReadStringValue(TempRegistryKey::Root(), subkey, L"Missing", valuedata, valuetype));
        EXPECT_EQ(valuedata, L"");
        EXPECT_EQ(valuetype, 99);
    }
}

TEST_F(RegistryTest, WriteStringRefusesANonStringTypeWithoutWriting)
{
    for (const std::int32_t valuetype : {REG_NONE, REG_BINARY, REG_DWORD, REG_QWORD}) {
        EXPECT_FALSE(registry.WriteStringValue(TempRegistryKey::Root(), key / L"New", L"Text", L"4", valuetype));
    }
    EXPECT_FALSE(TempRegistryKey::KeyExists(key / L"New"));
}

// Binary values

TEST_F(RegistryTest, BinaryValuesRoundTripTheFirstBytesAsked)
{
    const std::vector<std::uint8_t> data{1, 0, 2, 0xFF, 3};
    ASSERT_TRUE(registry.WriteBinaryValue(TempRegistryKey::Root(), key.Path(), L"Binary", 4, data));

    std::int32_t valuedatasize = 0;
    std::vector<std::uint8_t> valuedata;
    EXPECT_TRUE(registry.ReadBinaryValue(TempRegistryKey::Root(), key.Path(), L"Binary", valuedatasize, valuedata));
    EXPECT_EQ(valuedatasize, 4);
    EXPECT_EQ(valuedata, (std::vector<std::uint8_t>{1, 0, 2, 0xFF}));
}

TEST_F(RegistryTest, WriteBinaryRefusesASizeBeyondTheData)
{
    const std::vector<std::uint8_t> data{1, 2, 3};
    for (const std::int32_t size : {4, 1000, -1}) {
        EXPECT_FALSE(registry.WriteBinaryValue(TempRegistryKey::Root(), key.Path(), L"Binary", size, data)) << size;
    }
    EXPECT_FALSE(ValueExists(L"Binary"));
}

TEST_F(RegistryTest, ReadBinaryGivesFalseForAnEmptyOrOtherValue)
{
    registry.WriteBinaryValue(TempRegistryKey::Root(), key.Path(), L"Empty", 0, {});
    WriteString(L"Text", L"abc", REG_SZ);
    for (const auto& valuename : {L"Empty", L"Text", L"Missing"}) {
        std::int32_t valuedatasize = 9;
        std::vector<std::uint8_t> valuedata{9};
        EXPECT_FALSE(
            registry.ReadBinaryValue(TempRegistryKey::Root(), key.Path(), valuename, valuedatasize, valuedata));
        EXPECT_EQ(valuedatasize, 0);
        EXPECT_TRUE(valuedata.empty());
    }
}

// Removal

TEST_F(RegistryTest, RemoveValueDeletesOnlyThatValue)
{
    registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), L"Gone", 1);
    registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), L"Kept", 2);

    EXPECT_TRUE(registry.RemoveValue(TempRegistryKey::Root(), key.Path(), L"Gone"));

    EXPECT_FALSE(ValueExists(L"Gone"));
    EXPECT_TRUE(ValueExists(L"Kept"));
    EXPECT_FALSE(registry.RemoveValue(TempRegistryKey::Root(), key.Path(), L"Gone"));
    EXPECT_FALSE(registry.RemoveValue(TempRegistryKey::Root(), key / L"Missing", L"Kept"));
}

TEST_F(RegistryTest, RemoveKeyDeletesANamedLeafKeyOnly)
{
    registry.WriteNumberValue(TempRegistryKey::Root(), key / L"Leaf", L"Number", 1);
    registry.WriteNumberValue(TempRegistryKey::Root(), key / L"Parent\\Child", L"Number", 1);

    EXPECT_TRUE(registry.RemoveKey(TempRegistryKey::Root(), key.Path(), L"Leaf"));
    EXPECT_FALSE(TempRegistryKey::KeyExists(key / L"Leaf"));

    EXPECT_FALSE(registry.RemoveKey(TempRegistryKey::Root(), key.Path(), L"Parent"));
    EXPECT_TRUE(TempRegistryKey::KeyExists(key / L"Parent\\Child"));

    EXPECT_FALSE(registry.RemoveKey(TempRegistryKey::Root(), key.Path(), L"Missing"));
    EXPECT_FALSE(registry.RemoveKey(TempRegistryKey::Root(), key / L"Parent\\Child", L""));
    EXPECT_TRUE(TempRegistryKey::KeyExists(key / L"Parent\\Child"));
}

// Enumeration

TEST_F(RegistryTest, EnumerateListsTheDirectSubkeysAndValues)
{
    for (const auto& name : {L"alpha", L"beta", L"gamma\\deeper"}) {
        registry.WriteNumberValue(TempRegistryKey::Root(), key / name, L"Number", 1);
    }
    for (const auto& name : {L"one", L"two"}) {
        registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), name, 1);
    }
    std::int32_t numberkeys = 0;
    std::vector<std::wstring> keys;
    std::int32_t numbervalues = 0;
    std::vector<std::wstring> values;

    EXPECT_TRUE(registry.EnumerateKeys(TempRegistryKey::Root(), key.Path(), numberkeys, keys));
    EXPECT_TRUE(registry.EnumerateValues(TempRegistryKey::Root(), key.Path(), numbervalues, values));

    EXPECT_EQ(numberkeys, 3);
    EXPECT_EQ(Sorted(keys), (std::vector<std::wstring>{L"alpha", L"beta", L"gamma"}));
    EXPECT_EQ(numbervalues, 2);
    EXPECT_EQ(Sorted(values), (std::vector<std::wstring>{L"one", L"two"}));
}

TEST_F(RegistryTest, EnumerateOfAnEmptyKeyIsTrueAndOfAMissingKeyFalse)
{
    const struct {
        std::wstring subkey;
        bool expected;
    } cases[] = {
        {key.Path(), true},
        {key / L"Missing", false},
    };
    for (const auto& c : cases) {
        std::int32_t count = 5;
        std::vector<std::wstring> names{L"stale"};
        EXPECT_EQ(registry.EnumerateKeys(TempRegistryKey::Root(), c.subkey, count, names), c.expected);
        EXPECT_EQ(count, 0);
        EXPECT_TRUE(names.empty());

        count = 5;
        names = {L"stale"};
        EXPECT_EQ(registry.EnumerateValues(TempRegistryKey::Root(), c.subkey, count, names), c.expected);
        EXPECT_EQ(count, 0);
        EXPECT_TRUE(names.empty());
    }
}

TEST_F(RegistryTest, EnumerateListsNamesOfAnyLength)
{
    const std::wstring longKey(255, L'k');
    const std::wstring longValue(5000, L'v');
    registry.WriteNumberValue(TempRegistryKey::Root(), key / longKey, L"Number", 1);
    registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), longValue, 1);
    registry.WriteNumberValue(TempRegistryKey::Root(), key.Path(), L"short", 1);
    std::int32_t numberkeys = 0;
    std::vector<std::wstring> keys;
    std::int32_t numbervalues = 0;
    std::vector<std::wstring> values;

    EXPECT_TRUE(registry.EnumerateKeys(TempRegistryKey::Root(), key.Path(), numberkeys, keys));
    EXPECT_TRUE(registry.EnumerateValues(TempRegistryKey::Root(), key.Path(), numbervalues, values));

    EXPECT_EQ(keys, (std::vector<std::wstring>{longKey}));
    EXPECT_EQ(Sorted(values), (std::vector<std::wstring>{L"short", longValue}));
}

TEST_F(RegistryTest, EnumerateValuesCountsPast32767Names)
{
    // 32,768 names: one more than a 16-bit count can hold.
    constexpr std::int32_t many = 32768;
    const std::int32_t zero = 0;
    {
        RegistryKey target;
        ASSERT_EQ(::RegOpenKeyExW(TempRegistryKey::Root(), key.Path().c_str(), 0, KEY_SET_VALUE, target.Put()),
            ERROR_SUCCESS);
        for (std::int32_t i = 0; i < many; ++i) {
            ::RegSetValueExW(target.Get(), std::to_wstring(i).c_str(), 0, REG_DWORD,
                reinterpret_cast<const BYTE*>(&zero), sizeof(zero));
        }
    }
    std::int32_t numbervalues = 0;
    std::vector<std::wstring> values;

    EXPECT_TRUE(registry.EnumerateValues(TempRegistryKey::Root(), key.Path(), numbervalues, values));

    EXPECT_EQ(numbervalues, many);
    EXPECT_EQ(values.size(), static_cast<size_t>(many));
}

} // namespace
