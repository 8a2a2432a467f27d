#include "settings/Settings.h"

#include "platform/ProgramInfo.h"
#include "support/TempFolder.h"
#include "support/TempRegistryKey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>

namespace {

using namespace std::string_literals;

class SettingsTest : public testing::Test {
protected:
    std::wstring OptionsKey() const { return key / L"Options"; }

    void StoreNumber(const std::wstring& valuename, std::int32_t number) const
    {
        TempRegistryKey::WriteRaw(OptionsKey(), valuename, REG_DWORD, &number, sizeof(number));
    }

    void StoreText(
        const std::wstring& path, const std::wstring& valuename, const std::wstring& text, DWORD type = REG_SZ) const
    {
        TempRegistryKey::WriteRaw(
            path, valuename, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    // The stored number, or nothing when the value is missing or no number.
    std::optional<std::int32_t> StoredNumber(const std::wstring& path, const std::wstring& valuename) const
    {
        DWORD type = REG_NONE;
        std::vector<std::uint8_t> bytes;
        if (!TempRegistryKey::ReadRaw(path, valuename, type, bytes) || type != REG_DWORD || bytes.size() != 4) {
            return std::nullopt;
        }
        std::int32_t number = 0;
        std::memcpy(&number, bytes.data(), sizeof(number));
        return number;
    }

    // The stored REG_SZ text, or nothing when the value is missing or no such text.
    std::optional<std::wstring> StoredText(const std::wstring& path, const std::wstring& valuename) const
    {
        DWORD type = REG_NONE;
        std::vector<std::uint8_t> bytes;
        if (!TempRegistryKey::ReadRaw(path, valuename, type, bytes) || type != REG_SZ || bytes.size() < 2) {
            return std::nullopt;
        }
        std::wstring text(bytes.size() / sizeof(wchar_t) - 1, L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        return text;
    }

    TempRegistryKey key;
    Settings settings{key.Path()};
};

TEST_F(SettingsTest, AFreshUserGetsTheDefaults)
{
    const Settings fresh(key / L"Fresh");

    EXPECT_EQ(fresh.Conversion(), 0);
    EXPECT_FALSE(fresh.HiddenSystem());
    EXPECT_FALSE(fresh.IgnoreReadonly());
    EXPECT_FALSE(fresh.Log());
    EXPECT_FALSE(fresh.Modified());
    EXPECT_FALSE(fresh.Subfolders());
    EXPECT_EQ(fresh.LastFolder(), ProgramInfo().ExecutableFolder());
    EXPECT_EQ(fresh.ShortcutDate(), Variant(L""));
    EXPECT_FALSE(TempRegistryKey::KeyExists(key / L"Fresh"));
}

struct BooleanOption {
    std::wstring valuename;
    std::function<bool(const Settings&)> get;
    std::function<void(Settings&, bool)> set;
};

const BooleanOption booleanOptions[] = {
    {L"HiddenSystem", [](const Settings& s) { return s.HiddenSystem(); },
        [](Settings& s, bool v) { s.SetHiddenSystem(v); }},
    {L"IgnoreReadonly", [](const Settings& s) { return s.IgnoreReadonly(); },
        [](Settings& s, bool v) { s.SetIgnoreReadonly(v); }},
    {L"Log", [](const Settings& s) { return s.Log(); }, [](Settings& s, bool v) { s.SetLog(v); }},
    {L"Modified", [](const Settings& s) { return s.Modified(); }, [](Settings& s, bool v) { s.SetModified(v); }},
    {L"Subfolders", [](const Settings& s) { return s.Subfolders(); }, [](Settings& s, bool v) { s.SetSubfolders(v); }},
};

TEST_F(SettingsTest, BooleanOptionsAreStoredAsOneOrZeroUnderTheirOwnNames)
{
    for (const auto& option : booleanOptions) {
        option.set(settings, true);
        EXPECT_EQ(StoredNumber(OptionsKey(), option.valuename), 1) << option.valuename;
        EXPECT_TRUE(option.get(settings)) << option.valuename;
        for (const auto& other : booleanOptions) {
            if (other.valuename != option.valuename) {
                EXPECT_FALSE(other.get(settings)) << option.valuename << " set " << other.valuename;
            }
        }

        option.set(settings, false);
        EXPECT_EQ(StoredNumber(OptionsKey(), option.valuename), 0) << option.valuename;
        EXPECT_FALSE(option.get(settings)) << option.valuename;
    }
}

TEST_F(SettingsTest, BooleanOptionsReadAnyOtherNumberAsTrueAndWriteItBackAsOne)
{
    for (const auto& option : booleanOptions) {
        for (const std::int32_t stored : {2, -1, 255}) {
            StoreNumber(option.valuename, stored);
            const bool read = option.get(settings);
            EXPECT_TRUE(read) << option.valuename << " " << stored;

            option.set(settings, read);
            EXPECT_EQ(StoredNumber(OptionsKey(), option.valuename), 1) << option.valuename;
        }
    }
}

TEST_F(SettingsTest, BooleanOptionsStoredAsTextReadFalse)
{
    for (const auto& option : booleanOptions) {
        StoreText(OptionsKey(), option.valuename, L"1");
        EXPECT_FALSE(option.get(settings)) << option.valuename;
    }
}

TEST_F(SettingsTest, ConversionRoundTripsEveryStyle)
{
    for (std::uint8_t style = 0; style <= 4; ++style) {
        settings.SetConversion(style);
        EXPECT_EQ(StoredNumber(OptionsKey(), L"Conversion"), style);
        EXPECT_EQ(settings.Conversion(), style);
    }
}

TEST_F(SettingsTest, ConversionOutsideTheStylesReadsZero)
{
    for (const std::int32_t stored : {7, -1, 5, 255, 0x104}) {
        StoreNumber(L"Conversion", stored);
        EXPECT_EQ(settings.Conversion(), 0) << stored;
    }
    StoreText(OptionsKey(), L"Conversion", L"2");
    EXPECT_EQ(settings.Conversion(), 0);
}

TEST_F(SettingsTest, ConversionWritesTheWholeByte)
{
    settings.SetConversion(255);

    EXPECT_EQ(StoredNumber(OptionsKey(), L"Conversion"), 255);
    EXPECT_EQ(settings.Conversion(), 0);
}

TEST_F(SettingsTest, LastFolderRoundTripsAnExistingFolder)
{
    const TempFolder folder;
    const std::wstring deep =
        folder.MakeFolder(std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b') + L"\\" + std::wstring(120, L'c'));
    for (const auto& path : {folder.Path(), deep}) {
        settings.SetLastFolder(path);
        EXPECT_EQ(StoredText(key.Path(), L"LastFolder"), path);
        EXPECT_EQ(settings.LastFolder(), path);
    }
}

TEST_F(SettingsTest, LastFolderThatIsGoneGivesTheProgramsFolderWhichIsStoredNext)
{
    std::wstring gone;
    {
        const TempFolder folder;
        gone = folder.Path();
        settings.SetLastFolder(gone);
    }
    const std::wstring read = settings.LastFolder();
    EXPECT_EQ(read, ProgramInfo().ExecutableFolder());

    settings.SetLastFolder(read);
    EXPECT_EQ(StoredText(key.Path(), L"LastFolder"), ProgramInfo().ExecutableFolder());
}

TEST_F(SettingsTest, LastFolderThatIsNoFolderGivesTheProgramsFolder)
{
    const TempFolder folder;
    const std::wstring file = folder.MakeFile(L"file.txt", "x");
    for (const auto& stored : {file, std::wstring()}) {
        StoreText(key.Path(), L"LastFolder", stored);
        EXPECT_EQ(settings.LastFolder(), ProgramInfo().ExecutableFolder()) << stored;
    }
    const std::int32_t number = 1;
    TempRegistryKey::WriteRaw(key.Path(), L"LastFolder", REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(settings.LastFolder(), ProgramInfo().ExecutableFolder());
}

TEST_F(SettingsTest, ShortcutDateIsStoredAsItsText)
{
    const auto moment = OleDate::FromParts(2026, 12, 7, 14, 3, 5);
    ASSERT_TRUE(moment);
    const struct {
        Variant value;
        std::wstring text;
    } cases[] = {
        {*moment, Variant(*moment).ToText()},
        {L"1-2-2025 08:00:00", L"1-2-2025 08:00:00"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        settings.SetShortcutDate(c.value);
        EXPECT_EQ(StoredText(key.Path(), L"ShortcutDate"), c.text);
        EXPECT_EQ(settings.ShortcutDate(), Variant(c.text));
    }
}

TEST_F(SettingsTest, TextsReadFromEveryStringType)
{
    const TempFolder folder;
    StoreText(key.Path(), L"LastFolder", folder.Path(), REG_EXPAND_SZ);
    StoreText(key.Path(), L"ShortcutDate", L"7-12-2026 14:03:05", REG_EXPAND_SZ);

    EXPECT_EQ(settings.LastFolder(), folder.Path());
    EXPECT_EQ(settings.ShortcutDate(), Variant(L"7-12-2026 14:03:05"));
}

TEST_F(SettingsTest, TextsLiveBesideTheOptionsSubkeyAndNumbersInIt)
{
    const TempFolder folder;
    settings.SetLastFolder(folder.Path());
    settings.SetShortcutDate(L"7-12-2026 14:03:05");
    settings.SetConversion(3);
    settings.SetLog(true);

    EXPECT_EQ(StoredText(key.Path(), L"LastFolder"), folder.Path());
    EXPECT_EQ(StoredText(key.Path(), L"ShortcutDate"), L"7-12-2026 14:03:05");
    EXPECT_FALSE(StoredText(OptionsKey(), L"LastFolder"));
    EXPECT_FALSE(StoredText(OptionsKey(), L"ShortcutDate"));

    EXPECT_EQ(StoredNumber(OptionsKey(), L"Conversion"), 3);
    EXPECT_EQ(StoredNumber(OptionsKey(), L"Log"), 1);
    EXPECT_FALSE(StoredNumber(key.Path(), L"Conversion"));
    EXPECT_FALSE(StoredNumber(key.Path(), L"Log"));
}

} // namespace

TEST_F(SettingsTest, TheWindowsPlaceColumnWidthsAndOrderRoundTripAsNumbersInTheOptions)
{
    EXPECT_FALSE(settings.Window().has_value());
    EXPECT_TRUE(settings.ColumnWidths().empty());
    EXPECT_EQ(settings.Sort().Column, 0);
    EXPECT_FALSE(settings.Sort().Descending);

    settings.SetWindow({{-1200, 40, -400, 640}, true});
    settings.SetColumnWidths({250, 131, 90});
    settings.SetSort({1, true});
    const std::optional<Settings::WindowPlace> place = Settings(key.Path()).Window();
    ASSERT_TRUE(place.has_value());
    const RECT expected{-1200, 40, -400, 640};
    EXPECT_TRUE(::EqualRect(&place->Normal, &expected));
    EXPECT_TRUE(place->Maximized);
    EXPECT_EQ(StoredNumber(OptionsKey(), L"WindowWidth"), 800);
    EXPECT_EQ(settings.ColumnWidths(), (std::vector<std::int32_t>{250, 131, 90}));
    EXPECT_EQ(StoredNumber(OptionsKey(), L"ColumnWidth2"), 90);
    EXPECT_EQ(settings.Sort().Column, 1);
    EXPECT_TRUE(settings.Sort().Descending);
}

TEST_F(SettingsTest, AStoredPlaceWidthOrOrderOutOfRangeIsNotUsed)
{
    settings.SetWindow({{0, 0, 800, 600}, false});
    StoreNumber(L"WindowHeight", 0);
    EXPECT_FALSE(settings.Window().has_value());
    settings.SetColumnWidths({250, 131, 90});
    StoreNumber(L"ColumnWidth1", -5);
    EXPECT_EQ(settings.ColumnWidths(), (std::vector<std::int32_t>{250}));
    StoreNumber(L"SortColumn", 7);
    EXPECT_EQ(settings.Sort().Column, 0);
}

TEST_F(SettingsTest, TheRunRulesKeepTheirOwnValuesAndFallBackToTheDefaultsOneByOne)
{
    EXPECT_EQ(settings.Rules(), RunRules{});
    RunRules rules;
    rules.NameExtension = RunRules::Extension::Keep;
    rules.WordBreaks = RunRules::PunctuationBreaks;
    rules.Times = RunRules::Written | RunRules::Accessed;
    rules.Source = RunRules::TimeSource::Name;
    rules.ShiftSeconds = -90061;
    settings.SetRules(rules);
    EXPECT_EQ(settings.Rules(), rules);
    EXPECT_EQ(StoredNumber(OptionsKey(), L"ShiftSeconds"), -90061);
    EXPECT_EQ(StoredText(OptionsKey(), L"WordBreaks"), std::wstring(RunRules::PunctuationBreaks));

    StoreNumber(L"Extension", 4);
    StoreNumber(L"Times", 0);
    StoreNumber(L"TimeSource", -1);
    const RunRules read = settings.Rules();
    EXPECT_EQ(read.NameExtension, RunRules::Extension::LikeName);
    EXPECT_EQ(read.Times, unsigned{RunRules::AllTimes});
    EXPECT_EQ(read.Source, RunRules::TimeSource::Chosen);
    EXPECT_EQ(read.ShiftSeconds, -90061);
}
