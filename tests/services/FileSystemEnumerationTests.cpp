#include "services/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const FileSystem fs;

std::set<std::wstring> AsSet(const std::vector<std::wstring>& names, std::int32_t count)
{
    EXPECT_EQ(static_cast<size_t>(count), names.size());
    return {names.begin(), names.end()};
}

size_t PositionOf(const std::vector<std::wstring>& names, const std::wstring& name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    EXPECT_NE(found, names.end()) << testing::PrintToString(name);
    return static_cast<size_t>(found - names.begin());
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// root\a\x.txt, root\a\d\deep.txt, root\b\y.txt, root\z.txt
struct SampleTree {
    TempFolder temp;
    SampleTree()
    {
        temp.MakeFile(L"a\\x.txt");
        temp.MakeFile(L"a\\d\\deep.txt");
        temp.MakeFile(L"b\\y.txt");
        temp.MakeFile(L"z.txt");
    }
    std::wstring operator/(const std::wstring& relative) const { return temp / relative; }
};

} // namespace

TEST(FileSystemEnumeration, FilesOfOneFolder)
{
    TempFolder temp;
    temp.MakeFile(L"one.txt");
    temp.MakeFile(L"two.doc");
    temp.MakeFolder(L"sub");
    std::int32_t count = 99;
    std::vector<std::wstring> files{L"stale"};
    fs.EnumerateFiles(temp.Path(), 0, count, files, L"*");
    EXPECT_EQ(AsSet(files, count), (std::set<std::wstring>{temp / L"one.txt", temp / L"two.doc"}));
    fs.EnumerateFiles(temp.Path() + L"\\", 0, count, files, L"*.txt");
    EXPECT_EQ(AsSet(files, count), std::set<std::wstring>{temp / L"one.txt"});
}

TEST(FileSystemEnumeration, EmptyAndMissingFoldersGiveEmptyLists)
{
    TempFolder temp;
    std::int32_t count = 5;
    std::vector<std::wstring> names{L"a", L"b"};
    fs.EnumerateFiles(temp.Path(), 0, count, names, L"*");
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(names.empty());
    names = {L"x"};
    fs.EnumerateFolders(temp / L"missing", 0, count, names);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(names.empty());
}

TEST(FileSystemEnumeration, ExcludedAttributes)
{
    TempFolder temp;
    const auto hidden = temp.MakeFile(L"hidden.txt");
    const auto system = temp.MakeFile(L"system.txt");
    const auto readOnly = temp.MakeFile(L"readonly.txt");
    const auto hiddenFolder = temp.MakeFolder(L"hiddenfolder");
    temp.MakeFile(L"hiddenfolder\\inside.txt");
    fs.SetFileAttributes(hidden, FILE_ATTRIBUTE_HIDDEN);
    fs.SetFileAttributes(system, FILE_ATTRIBUTE_SYSTEM);
    fs.SetFileAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
    fs.SetFolderAttributes(hiddenFolder, FILE_ATTRIBUTE_HIDDEN);

    std::int32_t count = 0;
    std::vector<std::wstring> names;
    fs.EnumerateFiles(temp.Path(), 6, count, names, L"*");
    EXPECT_EQ(AsSet(names, count), std::set<std::wstring>{readOnly});
    fs.EnumerateFiles(temp.Path(), 0, count, names, L"*");
    EXPECT_EQ(count, 3);
    fs.EnumerateFolders(temp.Path(), 6, count, names);
    EXPECT_EQ(count, 0);
    std::vector<std::wstring> folders{L"stale"};
    fs.EnumerateFoldersAndFiles(temp.Path(), 6, folders, names);
    EXPECT_TRUE(folders.empty());
    EXPECT_EQ(names, std::vector<std::wstring>{readOnly});
    fs.EnumerateFoldersAndFiles(temp.Path(), 0, folders, names);
    EXPECT_EQ(folders, std::vector<std::wstring>{hiddenFolder});
    EXPECT_EQ(names.size(), 3U);
    count = 0;
    names.clear();
    fs.EnumerateRecursiveFiles(temp.Path(), 6, count, names, L"*");
    EXPECT_EQ(AsSet(names, count), std::set<std::wstring>{readOnly});
    fs.SetFileAttributes(readOnly, 0);
}

TEST(FileSystemEnumeration, FoldersSkipDotNames)
{
    TempFolder temp;
    temp.MakeFolder(L"plain");
    temp.MakeFolder(L".dotted");
    temp.MakeFile(L"file.txt");
    std::int32_t count = 0;
    std::vector<std::wstring> folders;
    fs.EnumerateFolders(temp.Path() + L"\\", 0, count, folders);
    EXPECT_EQ(AsSet(folders, count), std::set<std::wstring>{temp / L"plain"});
    std::vector<std::wstring> files;
    fs.EnumerateFoldersAndFiles(temp.Path(), 0, folders, files);
    EXPECT_EQ(folders, std::vector<std::wstring>{temp / L"plain"});
    EXPECT_EQ(files, std::vector<std::wstring>{temp / L"file.txt"});
}

TEST(FileSystemEnumeration, RecursiveFilesComeInPostOrder)
{
    SampleTree tree;
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fs.EnumerateRecursiveFiles(tree.temp.Path(), 0, count, files, L"*");
    ASSERT_EQ(AsSet(files, count),
        (std::set<std::wstring>{tree / L"a\\x.txt", tree / L"a\\d\\deep.txt", tree / L"b\\y.txt", tree / L"z.txt"}));
    EXPECT_EQ(files.back(), tree / L"z.txt");
    EXPECT_LT(PositionOf(files, tree / L"a\\d\\deep.txt"), PositionOf(files, tree / L"a\\x.txt"));
}

TEST(FileSystemEnumeration, RecursiveFoldersComeInPreOrder)
{
    SampleTree tree;
    std::int32_t count = 0;
    std::vector<std::wstring> folders;
    fs.EnumerateRecursiveFolders(tree.temp.Path(), 0, count, folders);
    ASSERT_EQ(AsSet(folders, count), (std::set<std::wstring>{tree / L"a", tree / L"a\\d", tree / L"b"}));
    EXPECT_EQ(PositionOf(folders, tree / L"a\\d"), PositionOf(folders, tree / L"a") + 1);
}

TEST(FileSystemEnumeration, RecursiveFormsAppendToTheCallersList)
{
    SampleTree tree;
    std::int32_t count = 1;
    std::vector<std::wstring> folders{L"first", L"beyond the count"};
    fs.EnumerateRecursiveFolders(tree / L"a", 0, count, folders);
    fs.EnumerateRecursiveFolders(tree / L"a", 0, count, folders);
    EXPECT_EQ(folders, (std::vector<std::wstring>{L"first", tree / L"a\\d", tree / L"a\\d"}));
    EXPECT_EQ(count, 3);
}

TEST(FileSystemEnumeration, CountsPast32767Names)
{
    // Made by the test session with native tools: through Wine, making a
    // file costs more the more the folder holds, and this many would take
    // the better part of an hour.
    const std::wstring folder = SessionFixture(L"many-files");
    if (folder.empty()) {
        GTEST_SKIP() << "the test session made no folder of many files";
    }
    constexpr int Total = 100'000;
    std::int32_t count = 0;
    std::vector<std::wstring> files;
    fs.EnumerateFiles(folder, 0, count, files, L"*");
    EXPECT_EQ(count, Total);
    EXPECT_EQ(files.size(), static_cast<size_t>(Total));
    count = 0;
    files.clear();
    fs.EnumerateRecursiveFiles(folder, 0, count, files, L"*");
    EXPECT_EQ(count, Total);
}

TEST(FileSystemEnumeration, LongPathsAreWalked)
{
    TempFolder temp;
    const std::wstring deep =
        std::wstring(100, L'p') + L"\\" + std::wstring(100, L'q') + L"\\" + std::wstring(100, L'r');
    temp.MakeFile(deep + L"\\leaf.txt");
    std::int32_t count = 0;
    std::vector<std::wstring> names;
    fs.EnumerateRecursiveFiles(temp.Path(), 0, count, names, L"*");
    EXPECT_EQ(AsSet(names, count), std::set<std::wstring>{temp / (deep + L"\\leaf.txt")});
    count = 0;
    names.clear();
    fs.EnumerateRecursiveFolders(temp.Path(), 0, count, names);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(names.back(), temp / deep);
}

// Only a link that leads elsewhere stops a walk; other reparse points, such
// as cloud placeholders and deduplicated folders, are walked like plain ones.
TEST(FileSystemEnumeration, WalksIntoEveryReparsePointButALink)
{
    constexpr std::uint32_t Folder = FILE_ATTRIBUTE_DIRECTORY;
    constexpr std::uint32_t ReparseFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    const struct {
        std::uint32_t attributes;
        std::uint32_t tag;
        bool walked;
    } cases[] = {
        {Folder, 0, true},
        {ReparseFolder, IO_REPARSE_TAG_SYMLINK, false},
        {ReparseFolder, IO_REPARSE_TAG_MOUNT_POINT, false},
        {ReparseFolder, IO_REPARSE_TAG_CLOUD, true},
        {ReparseFolder, IO_REPARSE_TAG_CLOUD_1, true},
        {ReparseFolder, IO_REPARSE_TAG_DEDUP, true},
        {ReparseFolder, IO_REPARSE_TAG_ONEDRIVE, true},
        // Wine's links carry no tag.
        {ReparseFolder, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileSystem::IsWalkedInto(c.attributes, c.tag), c.walked) << std::hex << c.tag;
    }
}

// root\a\back-to-root links to root itself; Wine lists such a link with the
// directory and reparse-point bits, as Windows lists a junction.
TEST(FileSystemEnumeration, LinksAreListedButNotFollowed)
{
    const std::wstring root = SessionFixture(L"linked-tree");
    if (root.empty()) {
        GTEST_SKIP() << "the test session made no linked tree";
    }
    const std::wstring link = root + L"\\a\\back-to-root";
    std::int32_t count = 0;
    std::vector<std::wstring> folders;
    fs.EnumerateRecursiveFolders(root, 0, count, folders);
    EXPECT_EQ(AsSet(folders, count), (std::set<std::wstring>{root + L"\\a", root + L"\\a\\d", root + L"\\b", link}));

    count = 0;
    std::vector<std::wstring> files;
    fs.EnumerateRecursiveFiles(root, 0, count, files, L"*");
    EXPECT_EQ(count, 4);
    for (const auto& file : files) {
        EXPECT_FALSE(StartsWith(file, link)) << testing::PrintToString(file);
    }

    // Giving the link a moment or attributes never changes the folder it
    // leads to (Wine cannot change the link alone, so nothing changes there).
    const auto rootMoment = fs.GetFolderDateTime(root).ToText();
    fs.SetFolderDateTime(link, Variant(*OleDate::FromParts(2001, 1, 1, 1, 1, 1)));
    EXPECT_EQ(fs.GetFolderDateTime(root).ToText(), rootMoment);
    fs.SetFolderAttributes(link, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs.GetFolderAttributes(root) & 0x7, 0);
}

TEST(FileSystemSearch, FindsNamesOnlyDirectlyInTheFolder)
{
    SampleTree tree;
    EXPECT_EQ(fs.SearchFile(tree.temp.Path(), L"z.txt"), tree / L"z.txt");
    EXPECT_EQ(fs.SearchFolder(tree.temp.Path(), L"b"), tree / L"b");
    EXPECT_EQ(fs.SearchFile(tree.temp.Path(), L"x.txt"), L"");
    EXPECT_EQ(fs.SearchFile(tree.temp.Path(), L"nothing.txt"), L"");

    const std::wstring deep = tree.temp.MakeFolder(std::wstring(120, L's') + L"\\" + std::wstring(120, L't'));
    tree.temp.MakeFile(std::wstring(120, L's') + L"\\" + std::wstring(120, L't') + L"\\found.txt");
    EXPECT_EQ(fs.SearchFile(deep, L"found.txt"), deep + L"\\found.txt");
}
