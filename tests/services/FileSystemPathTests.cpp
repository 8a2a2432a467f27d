#include "platform/Win32.h"
#include "services/FileSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const FileSystem fs;

struct PathCase {
    std::wstring input;
    std::wstring expected;
};

using PathRule = std::function<std::wstring(const std::wstring&)>;

void ExpectRule(const PathRule& rule, std::initializer_list<PathCase> cases)
{
    for (const auto& c : cases) {
        EXPECT_EQ(rule(c.input), c.expected) << "input: " << testing::PrintToString(c.input);
    }
}

// A path of more than 300 characters.
const std::wstring LongFolder =
    L"C:\\" + std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b') + L"\\" + std::wstring(80, L'c');

} // namespace

TEST(FileSystemPaths, AddAndRemoveFolderBackslash)
{
    ExpectRule([](const auto& p) { return fs.AddFolderBackslash(p); },
        {
            {L"C:\\dir", L"C:\\dir\\"},
            {L"C:\\dir\\", L"C:\\dir\\"},
            {L"", L""},
            {L"C:", L"C:\\"},
            {LongFolder, LongFolder + L"\\"},
        });
    ExpectRule([](const auto& p) { return fs.RemoveFolderBackslash(p); },
        {
            {L"C:\\dir\\", L"C:\\dir"},
            {L"C:\\dir", L"C:\\dir"},
            {L"C:\\", L"C:\\"},
            {L"\\", L"\\"},
            {L"C:\\dir\\\\", L"C:\\dir\\"},
            {L"\\\\server\\share\\", L"\\\\server\\share"},
            {L"", L""},
            {LongFolder + L"\\", LongFolder},
        });
}

TEST(FileSystemPaths, Quotes)
{
    ExpectRule([](const auto& p) { return fs.AddFileQuotes(p); },
        {
            {L"C:\\my file.txt", L"\"C:\\my file.txt\""},
            {L"C:\\file.txt", L"C:\\file.txt"},
            {L"\"C:\\my file.txt\"", L"\"\"C:\\my file.txt\"\""},
            {LongFolder + L"\\a b", L"\"" + LongFolder + L"\\a b\""},
        });
    ExpectRule([](const auto& p) { return fs.RemoveFolderQuotes(p); },
        {
            {L"\"C:\\my dir\"", L"C:\\my dir"},
            {L"\"C:\\my dir", L"\"C:\\my dir"},
            {L"C:\\my dir\"", L"C:\\my dir\""},
            {L"\"", L"\""},
            {L"\"\"", L""},
        });
}

TEST(FileSystemPaths, Extensions)
{
    ExpectRule([](const auto& p) { return fs.ExtractFileExtension(p); },
        {
            {L"C:\\dir.x\\file", L""},
            {L"file.tar.gz", L".gz"},
            {L"a.b c", L""},
            {L"C:\\dir\\.profile", L".profile"},
            {L"name.", L"."},
            {LongFolder + L"\\report.docx", L".docx"},
        });
    ExpectRule([](const auto& p) { return fs.RemoveFileExtension(p); },
        {
            {L"C:\\dir\\file.tar.gz", L"C:\\dir\\file.tar"},
            {L"C:\\dir.x\\file", L"C:\\dir.x\\file"},
            {LongFolder + L"\\report.docx", LongFolder + L"\\report"},
        });
    EXPECT_EQ(fs.AddFileExtension(L"file.txt", L".bak"), L"file.txt");
    EXPECT_EQ(fs.AddFileExtension(L"file", L".bak"), L"file.bak");
    EXPECT_EQ(fs.AddFileExtension(L"file", L""), L"file");
    EXPECT_EQ(fs.AddFileExtension(LongFolder + L"\\file", L".bak"), LongFolder + L"\\file.bak");
}

TEST(FileSystemPaths, ExtensionMatchIgnoresCaseAndNeedsNoDot)
{
    EXPECT_TRUE(fs.IsFileExtension(L"C:\\dir\\A.TXT", L"txt"));
    EXPECT_FALSE(fs.IsFileExtension(L"C:\\dir\\A.TXT", L".txt"));
    EXPECT_FALSE(fs.IsFileExtension(L"C:\\dir\\A.TXT.bak", L"txt"));
    EXPECT_TRUE(fs.IsFileExtension(L"C:\\dir\\A.tar.gz", L"gz"));
    EXPECT_TRUE(fs.IsFileExtension(L"C:\\dir\\A.doc", L"d?c"));
    EXPECT_TRUE(fs.IsFileExtension(LongFolder + L"\\x.Txt", L"tXT"));
}

TEST(FileSystemPaths, LastComponent)
{
    ExpectRule([](const auto& p) { return fs.ExtractFileTitle(p); },
        {
            {L"C:\\dir\\file.txt", L"file.txt"},
            {L"C:\\dir\\", L"dir\\"},
            {L"C:\\", L"C:\\"},
            {L"C:file.txt", L"file.txt"},
            {L"dir/sub/file", L"file"},
            {L"file", L"file"},
            {L"", L""},
            {LongFolder + L"\\z.txt", L"z.txt"},
        });
    EXPECT_EQ(fs.ExtractFolderTitle(L"C:\\dir\\sub"), L"sub");
}

TEST(FileSystemPaths, Parent)
{
    ExpectRule([](const auto& p) { return fs.ExtractFolder(p); },
        {
            {L"C:\\dir\\file.txt", L"C:\\dir"},
            {L"C:\\dir", L"C:\\"},
            {L"C:\\dir\\", L"C:\\dir"},
            {L"C:\\", L"C:\\"},
            {L"file", L""},
            {L"\\dir", L"\\"},
            {L"\\\\server\\share\\file", L"\\\\server\\share"},
            {LongFolder + L"\\z.txt", LongFolder},
        });
}

TEST(FileSystemPaths, Root)
{
    ExpectRule([](const auto& p) { return fs.ExtractDrive(p); },
        {
            {L"C:\\dir\\file.txt", L"C:\\"},
            {L"C:\\", L"C:\\"},
            {L"\\\\server\\share\\dir\\file", L"\\\\server\\share"},
            {L"dir\\file", L""},
            {L"file", L""},
            {L"", L""},
            {LongFolder + L"\\z.txt", L"C:\\"},
        });
}

// For paths the shell's path library can still hold, the rules agree with it.
TEST(FileSystemPaths, AgreeWithThePlatformLibraryOnShortPaths)
{
    const std::wstring samples[] = {L"C:\\dir\\file.txt", L"C:\\dir\\", L"C:\\", L"C:\\dir", L"file", L"a.b c",
        L"C:\\dir.x\\file", L"file.tar.gz", L"\\dir", L"\\\\server\\share\\file", L"C:\\my file.txt", L"dir/sub/file",
        L""};
    for (const auto& sample : samples) {
        wchar_t buffer[MAX_PATH + 8];
        wcscpy_s(buffer, sample.c_str());
        ::PathRemoveFileSpecW(buffer);
        EXPECT_EQ(fs.ExtractFolder(sample), buffer) << testing::PrintToString(sample);
        EXPECT_EQ(fs.ExtractFileTitle(sample), ::PathFindFileNameW(sample.c_str())) << testing::PrintToString(sample);
        EXPECT_EQ(fs.ExtractFileExtension(sample), ::PathFindExtensionW(sample.c_str()))
            << testing::PrintToString(sample);
        wcscpy_s(buffer, sample.c_str());
        ::PathRemoveBackslashW(buffer);
        EXPECT_EQ(fs.RemoveFolderBackslash(sample), buffer) << testing::PrintToString(sample);
        wcscpy_s(buffer, sample.c_str());
        ::PathQuoteSpacesW(buffer);
        EXPECT_EQ(fs.AddFileQuotes(sample), buffer) << testing::PrintToString(sample);
    }
}

TEST(FileSystemPaths, ExpandsEnvironmentVariables)
{
    wchar_t windows[MAX_PATH];
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(fs.ExpandFolder(L"%WINDIR%\\temp"), std::wstring(windows) + L"\\temp");
    EXPECT_EQ(fs.ExpandFolder(L"%VARNOOK_NOT_SET%\\x"), L"%VARNOOK_NOT_SET%\\x");
    EXPECT_EQ(fs.ExpandFolder(L""), L"");

    const std::wstring longValue(2000, L'x');
    ::SetEnvironmentVariableW(L"VARNOOK_LONG", longValue.c_str());
    EXPECT_EQ(fs.ExpandFolder(L"C:\\%VARNOOK_LONG%\\y"), L"C:\\" + longValue + L"\\y");
    ::SetEnvironmentVariableW(L"VARNOOK_LONG", nullptr);
}
