#include "settings/Logging.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

// Dutch separators: "07-12-2026 14:05:33".
const std::string Stamp = R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)";
const std::string Bom = "\xEF\xBB\xBF";

struct LogFixture : testing::Test {
    TempFolder temp;
    Logging log;
    std::wstring path = temp / L"varnook.log";

    LogFixture()
    {
        log.SetApplication(L"Pellonar Varnook");
        log.SetFileName(path);
    }
    std::string Content() const { return TempFolder::ReadAll(path); }
};

} // namespace

TEST_F(LogFixture, ApplicationStartsAsTheApplicationTitle)
{
    EXPECT_EQ(Logging().Application(), L"Pellonar Varnook");
    EXPECT_EQ(Logging().FileName(), L"");
}

TEST_F(LogFixture, NewFileStartsWithTitleAndDashRow)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    EXPECT_FALSE(log.Exists());
    log.Destroy();
    EXPECT_EQ(Content(), Bom + "*** Pellonar Varnook logboekbestand ***\r\n" + std::string(39, '-') + "\r\n");
}

TEST_F(LogFixture, TheThreeLineForms)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    log.WriteLine(L"", L"Fout bij het verkrijgen van toegang tot D:\\Data\\Report.doc");
    log.WriteLine(L"item", L"bericht");
    log.WriteLine(L"", L"");
    log.Destroy();
    const std::regex expected(Bom + "\\*\\*\\* Pellonar Varnook logboekbestand \\*\\*\\*\r\n-{39}\r\n" + Stamp +
        "  Fout bij het verkrijgen van toegang tot D:\\\\Data\\\\Report\\.doc\r\n" + Stamp + "  item: bericht\r\n\r\n");
    EXPECT_TRUE(std::regex_match(Content(), expected)) << Content();
}

TEST_F(LogFixture, ExistingFileGetsTheDelimiterAndNoSecondHeader)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    log.WriteLine(L"", L"eerste");
    log.Destroy();
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    EXPECT_TRUE(log.Exists());
    log.WriteLine(L"", L"tweede");
    log.Destroy();
    const std::regex expected(Bom + "\\*\\*\\* Pellonar Varnook logboekbestand \\*\\*\\*\r\n-{39}\r\n" + Stamp +
        "  eerste\r\n\r\n" + Stamp + "  tweede\r\n");
    EXPECT_TRUE(std::regex_match(Content(), expected)) << Content();
}

TEST_F(LogFixture, SecondCreateWhileOpenFailsAndWritesNothing)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    EXPECT_FALSE(log.Create(L"logboekbestand", L"XX"));
    log.Destroy();
    EXPECT_EQ(Content(), Bom + "*** Pellonar Varnook logboekbestand ***\r\n" + std::string(39, '-') + "\r\n");
}

TEST_F(LogFixture, OpenFileIsNotShared)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    const HANDLE reader = ::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    if (reader != INVALID_HANDLE_VALUE) {
        ::CloseHandle(reader);
    }
}

TEST_F(LogFixture, ClosedLogWritesNothing)
{
    log.WriteLine(L"", L"verloren");
    EXPECT_FALSE(TempFolder::Exists(path));
}

TEST_F(LogFixture, UnopenableFileGivesFalse)
{
    log.SetFileName(temp / L"missing folder\\varnook.log");
    EXPECT_FALSE(log.Create(L"logboekbestand", L"\r\n"));
    log.WriteLine(L"", L"x");
}

TEST_F(LogFixture, ClearDeletesEvenAReadOnlyLog)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    log.Destroy();
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    log.Destroy();
    EXPECT_TRUE(log.Exists());
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    log.Clear();
    EXPECT_FALSE(log.Exists());
    EXPECT_FALSE(TempFolder::Exists(path));
    log.Clear();
}

// A name outside the ANSI code page would be logged as "?" and name a path
// that does not exist.
TEST_F(LogFixture, AnyNameIsLoggedAsItIs)
{
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    log.WriteLine(L"", L"Fout bij het verkrijgen van toegang tot C:\\\u65e5\u672c\\\u0444\u0430\u0439\u043b.txt");
    log.Destroy();
    const std::string content = Content();
    EXPECT_NE(
        content.find("  Fout bij het verkrijgen van toegang tot C:\\\xE6\x97\xA5\xE6\x9C\xAC\\\xD1\x84\xD0\xB0\xD0\xB9"
                     "\xD0\xBB.txt\r\n"),
        std::string::npos)
        << content;
}

TEST_F(LogFixture, LongPathsForTheLogAndInItsLines)
{
    const std::wstring folder = temp.MakeFolder(std::wstring(150, L'x') + L"\\" + std::wstring(150, L'y'));
    log.SetFileName(folder + L"\\varnook.log");
    ASSERT_TRUE(log.Create(L"logboekbestand", L"\r\n"));
    const std::wstring longPath(5000, L'p');
    log.WriteLine(L"", longPath);
    log.Destroy();
    const std::string content = TempFolder::ReadAll(folder + L"\\varnook.log");
    EXPECT_NE(content.find("  " + std::string(5000, 'p') + "\r\n"), std::string::npos);
}
