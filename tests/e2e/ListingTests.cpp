// The listing as shown: folders before files, each group by name, the
// Modified column in the Dutch regional form, hidden and system items only
// on request, names past Latin-1 and past 255 characters read back whole,
// and a folder path too long for its label.

#include "e2e/VarnookTest.h"
#include "e2e/ProgramKey.h"
#include "e2e/WindowChecks.h"

using namespace ControlIds;
using namespace WindowChecks;

TEST_F(VarnookTest, ListsFoldersThenFilesByNameWithDutchModifiedTexts)
{
    const std::wstring longName = L"m" + std::wstring(248, L'x') + L"z";
    SetLastWrite(Folder().MakeFolder(L"Alpha"), Local(2021, 2, 3, 4, 5, 6));
    Folder().MakeFolder(L"beta");
    Folder().MakeFolder(longName);
    Folder().MakeFolder(L"Ελληνικά");
    SetLastWrite(Folder().MakeFile(L"b.txt"), Local(2020, 11, 22, 15, 16, 17));
    Folder().MakeFile(L"A.txt");
    Folder().MakeFile(L"Кириллица.txt");
    Folder().MakeFile(L"漢字.txt");
    ASSERT_TRUE(::SetFileAttributesW(Folder().MakeFile(L"hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(::SetFileAttributesW(Folder().MakeFolder(L"sys").c_str(), FILE_ATTRIBUTE_SYSTEM));

    const ProgramUnderTest& program = Start(true);
    const ListViewReader list = program.List(ListViewFolderItems);

    const std::vector<std::wstring> shown{L"Alpha <DIR>", L"beta <DIR>", longName + L" <DIR>", L"Ελληνικά <DIR>",
        L"A.txt", L"b.txt", L"Кириллица.txt", L"漢字.txt"};
    EXPECT_EQ(list.Names(), shown);
    EXPECT_EQ(list.Text(0, 1), L"3-2-2021 04:05:06");
    EXPECT_EQ(list.Text(5, 1), L"22-11-2020 15:16:17");
    EXPECT_EQ(TextOf(program, LabelFolderCurrentfolder), Folder().Path());
    EXPECT_EQ(program.ToolTipOf(LabelFolderCurrentfolder).value_or(L""), L"");

    program.PostClick(CheckOptionsHiddensystem);
    std::vector<std::wstring> withHidden = shown;
    withHidden.insert(withHidden.begin() + 3, L"sys <DIR>");
    withHidden.insert(withHidden.begin() + 7, L"hidden.txt");
    EXPECT_TRUE(Becomes([&] { return list.Names() == withHidden; })) << list.Names().size() << " lines";

    program.PostClick(CheckOptionsHiddensystem);
    EXPECT_TRUE(Becomes([&] { return list.Names() == shown; }));
}

TEST_F(VarnookTest, FolderTooLongForItsLabelIsShortenedWithTheWholePathAsTip)
{
    const std::wstring relative = std::wstring(80, L'x') + L"\\binnen";
    const std::wstring folder = Folder().MakeFolder(relative);
    Folder().MakeFile(relative + L"\\inner.txt");
    ProgramKey::SetText(L"LastFolder", folder);

    const ProgramUnderTest& program = Start();

    const std::wstring label = TextOf(program, LabelFolderCurrentfolder);
    EXPECT_LT(label.size(), folder.size()) << label;
    EXPECT_EQ(label.substr(0, 6), folder.substr(0, 3) + L"...") << label;
    EXPECT_TRUE(label.ends_with(L"\\binnen")) << label;
    EXPECT_EQ(program.ToolTipOf(LabelFolderCurrentfolder), std::optional<std::wstring>(folder));
    EXPECT_EQ(program.List(ListViewFolderItems).Names(), std::vector<std::wstring>{L"inner.txt"});
}
