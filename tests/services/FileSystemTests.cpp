#include "platform/Handles.h"
#include "registry/Registry.h"
#include "runtime/RuntimeError.h"
#include "services/FileStepSeam.h"
#include "services/FileSystem.h"
#include "support/HostShell.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace {

const FileSystem fs;

WIN32_FILE_ATTRIBUTE_DATA AttributeData(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(::GetFileAttributesExW(TempFolder::LongForm(path).c_str(), GetFileExInfoStandard, &data));
    return data;
}

std::uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::uint64_t UtcTicks(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME utc{static_cast<WORD>(year), static_cast<WORD>(month), 0, static_cast<WORD>(day),
        static_cast<WORD>(hour), static_cast<WORD>(minute), static_cast<WORD>(second), 0};
    FILETIME time{};
    ::SystemTimeToFileTime(&utc, &time);
    return Ticks(time);
}

Variant Moment(int year, int month, int day, int hour, int minute, int second)
{
    return Variant(*OleDate::FromParts(year, month, day, hour, minute, second));
}

// Writes a local moment, then checks the UTC time on disk and the text read back.
void ExpectStoredAs(const std::wstring& file, const Variant& moment, std::uint64_t utc, const std::wstring& text)
{
    ASSERT_TRUE(fs.SetFileDateTime(file, moment));
    EXPECT_EQ(Ticks(AttributeData(file).ftLastWriteTime), utc);
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), text);
}

// A folder chain that takes a path past 300 characters.
std::wstring MakeLongFolder(const TempFolder& temp)
{
    const std::wstring folder =
        temp.MakeFolder(std::wstring(100, L'l') + L"\\" + std::wstring(100, L'm') + L"\\" + std::wstring(100, L'n'));
    EXPECT_GT(folder.size(), 300u);
    return folder;
}

} // namespace

TEST(FileSystemExistence, FilesAndFolders)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"a.txt");
    const auto folder = temp.MakeFolder(L"sub");
    EXPECT_TRUE(fs.IsFile(file));
    EXPECT_FALSE(fs.IsFolder(file));
    EXPECT_TRUE(fs.IsFolder(folder));
    EXPECT_FALSE(fs.IsFile(folder));
    EXPECT_FALSE(fs.IsFile(temp / L"missing"));
    EXPECT_FALSE(fs.IsFolder(temp / L"missing"));
    EXPECT_TRUE(fs.IsFolder(L"C:\\"));
    EXPECT_TRUE(fs.IsFolder(folder + L"\\"));
}

// Wine keeps no read-only bit for a folder set through Windows calls; it
// shows a folder without write permission as read-only, so the host takes
// that away there.
TEST(FileSystemExistence, HiddenSystemAndReadOnlyFoldersAreStillFolders)
{
    TempFolder temp;
    const auto folder = temp.MakeFolder(L"odd");
    constexpr int All = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    fs.SetFolderAttributes(folder, All);
    if ((fs.GetFolderAttributes(folder) & FILE_ATTRIBUTE_READONLY) == 0) {
        ASSERT_TRUE(RunOnHost("chmod a-w " + ShellQuoted(HostPath(folder))));
    }
    ASSERT_EQ(fs.GetFolderAttributes(folder) & 0x7, All);
    EXPECT_TRUE(fs.IsFolder(folder));
    EXPECT_FALSE(fs.IsFile(folder));
    fs.SetFolderAttributes(folder, 0);
}

TEST(FileSystemAttributes, ReadAndWrite)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"a.txt");
    EXPECT_EQ(fs.GetFileAttributes(temp / L"missing"), -1);
    fs.SetFileAttributes(file, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs.GetFileAttributes(file) & 0x7, FILE_ATTRIBUTE_HIDDEN);
    fs.SetFileAttributes(file, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(fs.GetFileAttributes(file) & 0x7, FILE_ATTRIBUTE_READONLY);
    fs.SetFileAttributes(file, 0);
    EXPECT_EQ(fs.GetFileAttributes(file) & 0x7, 0);
    const int all = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    fs.SetFileAttributes(file, all);
    EXPECT_EQ(fs.GetFileAttributes(file) & 0x7, all);
    fs.SetFileAttributes(file, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs.GetFileAttributes(file) & 0x7, FILE_ATTRIBUTE_HIDDEN);
    fs.SetFileAttributes(file, 0);
    EXPECT_NE(fs.GetFolderAttributes(temp.Path()) & FILE_ATTRIBUTE_DIRECTORY, 0);
}

TEST(FileSystemTimes, WrittenMomentReadsBackAsTheSameText)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"a.txt");
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2026, 12, 7, 14, 3, 5)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"7-12-2026 14:03:05");
    ASSERT_TRUE(fs.SetFileDateTime(file, Variant(L"1-1-2001 00:00:00")));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"1-1-2001 00:00:00");
}

TEST(FileSystemTimes, LocalTimeUsesTheRulesOfItsOwnDate)
{
    // Amsterdam: UTC+1 in winter, UTC+2 in summer, whatever today's season.
    TempFolder temp;
    const auto file = temp.MakeFile(L"a.txt");
    ExpectStoredAs(file, Moment(2026, 7, 15, 12, 0, 0), UtcTicks(2026, 7, 15, 10, 0, 0), L"15-7-2026 12:00:00");
    EXPECT_EQ(Ticks(AttributeData(file).ftLastAccessTime), UtcTicks(2026, 7, 15, 10, 0, 0));
    ExpectStoredAs(file, Moment(2026, 1, 15, 12, 0, 0), UtcTicks(2026, 1, 15, 11, 0, 0), L"15-1-2026 12:00:00");
}

// Summer time in Amsterdam ended on 24 September in 1995 and ends late in
// October now. Wine knows only today's rules, so the test gives the zone the
// rules of 1995 and 1996 the way Windows keeps them (its "Dynamic DST" key)
// and takes them away again.
class RulesSince1995 {
public:
    RulesSince1995()
    {
        DYNAMIC_TIME_ZONE_INFORMATION zone{};
        std::int32_t count = 0;
        std::vector<std::wstring> values;
        zoneKey_ = ::GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID && zone.Bias == -60
            ? std::wstring(L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\") + zone.TimeZoneKeyName
            : std::wstring();
        if (zoneKey_.empty() || registry_.EnumerateValues(HKEY_LOCAL_MACHINE, DynamicKey(), count, values)) {
            zoneKey_.clear();
            return;
        }
        // From the last Sunday of March, 02:00, to the last Sunday of
        // September (1995) or October (1996 on), 03:00.
        installed_ = registry_.WriteNumberValue(HKEY_LOCAL_MACHINE, DynamicKey(), L"FirstEntry", 1995) &&
            registry_.WriteNumberValue(HKEY_LOCAL_MACHINE, DynamicKey(), L"LastEntry", 1996) &&
            WriteRules(L"1995", 9) && WriteRules(L"1996", 10);
    }
    ~RulesSince1995()
    {
        if (!zoneKey_.empty()) {
            registry_.RemoveKey(HKEY_LOCAL_MACHINE, zoneKey_, L"Dynamic DST");
        }
    }
    RulesSince1995(const RulesSince1995&) = delete;
    RulesSince1995& operator=(const RulesSince1995&) = delete;

    [[nodiscard]] bool Installed() const noexcept { return installed_; }

private:
    [[nodiscard]] std::wstring DynamicKey() const { return zoneKey_ + L"\\Dynamic DST"; }

    bool WriteRules(const wchar_t* year, WORD lastMonth) const
    {
        const struct {
            LONG bias, standardBias, daylightBias;
            SYSTEMTIME standardDate, daylightDate;
        } rules{-60, 0, -60, {0, lastMonth, 0, 5, 3}, {0, 3, 0, 5, 2}};
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&rules);
        const std::vector<std::uint8_t> data(bytes, bytes + sizeof(rules));
        return registry_.WriteBinaryValue(
            HKEY_LOCAL_MACHINE, DynamicKey(), year, static_cast<std::int32_t>(data.size()), data);
    }

    Registry registry_;
    std::wstring zoneKey_;
    bool installed_ = false;
};

TEST(FileSystemTimes, EachYearKeepsTheRulesOfItsOwnTime)
{
    const RulesSince1995 rules;
    if (!rules.Installed()) {
        GTEST_SKIP() << "the zone is not Amsterdam's, or it keeps rules per year already";
    }
    TempFolder temp;
    const auto file = temp.MakeFile(L"a.txt");
    ExpectStoredAs(file, Moment(1995, 10, 1, 12, 0, 0), UtcTicks(1995, 10, 1, 11, 0, 0), L"1-10-1995 12:00:00");
    ExpectStoredAs(file, Moment(1996, 10, 1, 12, 0, 0), UtcTicks(1996, 10, 1, 10, 0, 0), L"1-10-1996 12:00:00");
}

TEST(FileSystemTimes, DaylightSavingChanges)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"a.txt");
    // 02:30 on 29 March 2026 does not exist in Amsterdam; it is taken as
    // standard time and shows as 03:30 summer time.
    ExpectStoredAs(file, Moment(2026, 3, 29, 2, 30, 0), UtcTicks(2026, 3, 29, 1, 30, 0), L"29-3-2026 03:30:00");
    // The hours just around the change keep their clock time.
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2026, 3, 29, 3, 0, 0)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"29-3-2026 03:00:00");
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2026, 10, 25, 1, 59, 59)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"25-10-2026 01:59:59");
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2026, 10, 25, 3, 0, 0)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"25-10-2026 03:00:00");
}

TEST(FileSystemTimes, ReadOnlyFileRefusesUntilItsAttributesAreCleared)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"ro.txt");
    fs.SetFileAttributes(file, FILE_ATTRIBUTE_READONLY);
    const auto before = Ticks(AttributeData(file).ftLastWriteTime);
    EXPECT_FALSE(fs.SetFileDateTime(file, Moment(2020, 5, 5, 5, 5, 5)));
    EXPECT_EQ(Ticks(AttributeData(file).ftLastWriteTime), before);
    fs.SetFileAttributes(file, 0);
    EXPECT_TRUE(fs.SetFileDateTime(file, Moment(2020, 5, 5, 5, 5, 5)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"5-5-2020 05:05:05");
}

TEST(FileSystemTimes, FoldersUseTheFolderForms)
{
    TempFolder temp;
    const auto folder = temp.MakeFolder(L"sub");
    EXPECT_FALSE(fs.SetFileDateTime(folder, Moment(2020, 5, 5, 5, 5, 5)));
    EXPECT_EQ(fs.GetFileDateTime(folder).ToText(), L"");
    ASSERT_TRUE(fs.SetFolderDateTime(folder, Moment(2020, 5, 5, 5, 5, 5)));
    EXPECT_EQ(fs.GetFolderDateTime(folder).ToText(), L"5-5-2020 05:05:05");
}

TEST(FileSystemTimes, MissingItemsAndImpossibleMoments)
{
    TempFolder temp;
    EXPECT_EQ(fs.GetFileDateTime(temp / L"missing").ToText(), L"");
    EXPECT_FALSE(fs.SetFileDateTime(temp / L"missing", Moment(2020, 1, 1, 0, 0, 0)));

    const auto file = temp.MakeFile(L"a.txt");
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2020, 1, 1, 0, 0, 0)));
    EXPECT_FALSE(fs.SetFileDateTime(file, Moment(1600, 12, 31, 23, 59, 59)));
    EXPECT_THROW(fs.SetFileDateTime(file, Variant(L"geen datum")), TypeMismatchError);
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"1-1-2020 00:00:00");
}

TEST(FileSystemTimes, WritableWhileAnotherProgramReadsTheFile)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"open.txt");
    const FileHandle reader(
        ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2021, 2, 3, 4, 5, 6)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"3-2-2021 04:05:06");
}

TEST(FileSystemTimes, ReadableWhileAnotherProgramWritesTheFile)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"busy.txt");
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2021, 2, 3, 4, 5, 6)));
    const FileHandle writer(::CreateFileW(
        file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"3-2-2021 04:05:06");
}

TEST(FileSystemSize, BytesOfAnyFile)
{
    TempFolder temp;
    EXPECT_EQ(fs.GetFileSize(temp / L"missing"), -1);
    EXPECT_EQ(fs.GetFileSize(temp.MakeFile(L"ten.bin", "0123456789")), 10);
    EXPECT_EQ(fs.GetFileSize(temp.MakeFolder(L"sub")), -1);

    // Past 4 GiB the size is still exact (the file is sparse on disk).
    const auto big = temp.MakeFile(L"big.bin");
    {
        const FileHandle file(::CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER size;
        size.QuadPart = 5'000'000'000LL;
        ASSERT_TRUE(::SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(file.Get()));
    }
    EXPECT_EQ(fs.GetFileSize(big), 5'000'000'000LL);
}

TEST(FileSystemRename, CaseOnlyChangeReachesTheDisk)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"my report.TXT", "inhoud");
    ASSERT_TRUE(fs.RenameFile(file, temp / L"My Report.txt"));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), std::set<std::wstring>{L"My Report.txt"});
    EXPECT_EQ(TempFolder::ReadAll(temp / L"My Report.txt"), "inhoud");

    const auto folder = temp.MakeFolder(L"oude map");
    temp.MakeFile(L"oude map\\kind.txt");
    ASSERT_TRUE(fs.RenameFolder(folder, temp / L"OUDE MAP"));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), (std::set<std::wstring>{L"My Report.txt", L"OUDE MAP"}));
    EXPECT_EQ(TempFolder::NamesIn(temp / L"OUDE MAP"), std::set<std::wstring>{L"kind.txt"});
}

// Where a file system ignores a case-only rename (Wine's does), it goes
// through a temporary name; a test can make either later step fail there.
TEST(FileSystemRename, AFailedSecondStepPutsTheOldNameBackOrTellsWhereTheItemIs)
{
    for (const bool moveBackFails : {false, true}) {
        SCOPED_TRACE(moveBackFails);
        TempFolder temp;
        const auto file = temp.MakeFile(L"foto.jpg", "beeld");
        std::wstring temporary;
        const FileStepSeam seam([&](FileStep step, const std::wstring& path) {
            if (step == FileStep::MoveToTemporaryName) {
                temporary = path;
            }
            return step != FileStep::MoveToNewName && (step != FileStep::MoveBackToOldName || !moveBackFails);
        });
        std::wstring currentPath;
        const bool renamed = fs.RenameItem(file, temp / L"FOTO.JPG", currentPath);
        if (temporary.empty()) {
            GTEST_SKIP() << "this file system renames case-only in place";
        }
        EXPECT_FALSE(renamed);
        EXPECT_EQ(currentPath, moveBackFails ? temporary : file);
        EXPECT_EQ(TempFolder::NamesIn(temp.Path()), std::set<std::wstring>{fs.ExtractFileTitle(currentPath)});
        EXPECT_EQ(TempFolder::ReadAll(currentPath), "beeld");
    }
}

// A case-sensitive folder (Windows has them; Wine shows Linux folders as they
// are) can hold both spellings. The second must not cost the first its name.
TEST(FileSystemRename, CaseOnlyRenameOntoATwinSpellingChangesNothing)
{
    TempFolder temp;
    const std::string host = HostPath(temp.Path());
    if (host.empty()) {
        GTEST_SKIP() << "needs Wine to make two spellings of one name";
    }
    // A first case-only rename lets the file system show how it treats them.
    ASSERT_TRUE(fs.RenameFile(temp.MakeFile(L"eerste.txt"), temp / L"EERSTE.TXT"));
    ASSERT_TRUE(RunOnHost(
        "printf klein > " + ShellQuoted(host + "/Foto.jpg") + " && printf groot > " + ShellQuoted(host + "/FOTO.JPG")));

    std::wstring currentPath;
    EXPECT_FALSE(fs.RenameItem(temp / L"Foto.jpg", temp / L"FOTO.JPG", currentPath));
    EXPECT_EQ(currentPath, temp / L"Foto.jpg");
    EXPECT_FALSE(fs.RenameFile(temp / L"FOTO.JPG", temp / L"Foto.jpg"));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), (std::set<std::wstring>{L"EERSTE.TXT", L"Foto.jpg", L"FOTO.JPG"}));
    EXPECT_EQ(TempFolder::ReadAll(temp / L"Foto.jpg"), "klein");
    EXPECT_EQ(TempFolder::ReadAll(temp / L"FOTO.JPG"), "groot");
}

TEST(FileSystemRename, IdenticalNameSucceedsAndChangesNothing)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"Same.txt");
    EXPECT_TRUE(fs.RenameFile(file, file));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), std::set<std::wstring>{L"Same.txt"});
}

TEST(FileSystemRename, OntoAnotherItemFailsAndChangesNothing)
{
    TempFolder temp;
    const auto a = temp.MakeFile(L"a.txt", "A");
    temp.MakeFile(L"b.txt", "B");
    temp.MakeFolder(L"c");
    EXPECT_FALSE(fs.RenameFile(a, temp / L"b.txt"));
    EXPECT_FALSE(fs.RenameFile(a, temp / L"B.TXT"));
    EXPECT_FALSE(fs.RenameFile(a, temp / L"C"));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), (std::set<std::wstring>{L"a.txt", L"b.txt", L"c"}));
    EXPECT_EQ(TempFolder::ReadAll(temp / L"a.txt"), "A");
    EXPECT_EQ(TempFolder::ReadAll(temp / L"b.txt"), "B");
}

TEST(FileSystemRename, OtherNamesAndMissingItems)
{
    TempFolder temp;
    const auto a = temp.MakeFile(L"a.txt");
    EXPECT_TRUE(fs.RenameFile(a, temp / L"z.txt"));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), std::set<std::wstring>{L"z.txt"});
    EXPECT_FALSE(fs.RenameFile(temp / L"missing.txt", temp / L"MISSING.TXT"));
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), std::set<std::wstring>{L"z.txt"});
}

TEST(FileSystemRename, NamesOutsideTheAnsiCodePage)
{
    TempFolder temp;
    const auto greek = temp.MakeFile(L"\u03b1\u03b2\u03b3.txt");
    const auto cyrillic = temp.MakeFolder(L"\u043f\u0430\u043f\u043a\u0430");
    const auto cjk = temp.MakeFile(L"\u65e5\u672c\u8a9e.txt");
    ASSERT_TRUE(fs.RenameFile(greek, temp / L"\u0391\u0392\u0393.TXT"));
    ASSERT_TRUE(fs.RenameFolder(cyrillic, temp / L"\u041f\u0410\u041f\u041a\u0410"));
    ASSERT_TRUE(fs.SetFileDateTime(cjk, Moment(2019, 9, 9, 9, 9, 9)));
    EXPECT_EQ(fs.GetFileDateTime(cjk).ToText(), L"9-9-2019 09:09:09");
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()),
        (std::set<std::wstring>{
            L"\u0391\u0392\u0393.TXT", L"\u041f\u0410\u041f\u041a\u0410", L"\u65e5\u672c\u8a9e.txt"}));
}

TEST(FileSystemLongPaths, EveryOperationWorksPast260Characters)
{
    TempFolder temp;
    const auto folder = MakeLongFolder(temp);
    const auto file = folder + L"\\long name.txt";
    EXPECT_TRUE(fs.CreateFolder(folder + L"\\made"));
    EXPECT_TRUE(fs.IsFolder(folder + L"\\made"));
    EXPECT_TRUE(fs.CopyFile(temp.MakeFile(L"source.txt", "data"), file));
    EXPECT_TRUE(fs.IsFile(file));
    EXPECT_EQ(fs.GetFileSize(file), 4);
    fs.SetFileAttributes(file, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs.GetFileAttributes(file) & 0x7, FILE_ATTRIBUTE_HIDDEN);
    fs.SetFileAttributes(file, 0);
    ASSERT_TRUE(fs.SetFileDateTime(file, Moment(2022, 2, 2, 2, 2, 2)));
    EXPECT_EQ(fs.GetFileDateTime(file).ToText(), L"2-2-2022 02:02:02");
    ASSERT_TRUE(fs.SetFolderDateTime(folder, Moment(2022, 3, 3, 3, 3, 3)));
    EXPECT_EQ(fs.GetFolderDateTime(folder).ToText(), L"3-3-2022 03:03:03");
    ASSERT_TRUE(fs.RenameFile(file, folder + L"\\LONG NAME.TXT"));
    EXPECT_EQ(TempFolder::NamesIn(folder), (std::set<std::wstring>{L"LONG NAME.TXT", L"made"}));
    EXPECT_TRUE(fs.RemoveFile(folder + L"\\LONG NAME.TXT", false));
    EXPECT_TRUE(fs.RemoveFolder(folder + L"\\made", false));
    EXPECT_TRUE(TempFolder::NamesIn(folder).empty());
}

TEST(FileSystemItems, CopyOverwritesAndCreateNeedsTheParent)
{
    TempFolder temp;
    const auto source = temp.MakeFile(L"s.txt", "new");
    const auto target = temp.MakeFile(L"t.txt", "old");
    EXPECT_TRUE(fs.CopyFile(source, target));
    EXPECT_EQ(TempFolder::ReadAll(target), "new");
    EXPECT_FALSE(fs.CopyFile(temp / L"missing", target));
    EXPECT_TRUE(fs.CreateFolder(temp / L"one"));
    EXPECT_FALSE(fs.CreateFolder(temp / L"one"));
    EXPECT_FALSE(fs.CreateFolder(temp / L"two\\three"));
}

TEST(FileSystemItems, RemovingReadOnlyItems)
{
    TempFolder temp;
    const auto file = temp.MakeFile(L"ro.txt");
    fs.SetFileAttributes(file, FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(fs.RemoveFile(file, false));
    EXPECT_TRUE(fs.IsFile(file));
    EXPECT_TRUE(fs.RemoveFile(file, true));
    EXPECT_FALSE(fs.IsFile(file));

    const auto folder = temp.MakeFolder(L"full");
    temp.MakeFile(L"full\\x.txt");
    fs.SetFolderAttributes(folder, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(fs.RemoveFolder(folder, true));
    EXPECT_EQ(fs.GetFolderAttributes(folder) & 0x7, 0);
    EXPECT_TRUE(fs.RemoveFolder(temp.MakeFolder(L"empty"), false));
}

TEST(FileSystemCurrentFolder, ChangeAndRead)
{
    TempFolder temp;
    const std::wstring before = fs.GetCurrentFolder();
    ASSERT_TRUE(fs.ChangeFolder(temp.Path()));
    EXPECT_EQ(fs.GetCurrentFolder(), temp.Path());
    EXPECT_FALSE(fs.ChangeFolder(temp / L"missing"));
    EXPECT_EQ(fs.GetCurrentFolder(), temp.Path());
    ASSERT_TRUE(fs.ChangeFolder(before));
}
