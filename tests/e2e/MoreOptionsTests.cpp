// Meer opties, from its button: the rules chosen there reach the list's new
// names and the run at once, and are stored for the next start.

#include "e2e/Driving.h"
#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "app/ControlIds.h"
#include "dialogs/FormMoreOptions.h"
#include "probe/WindowReader.h"

using namespace WindowChecks;

TEST_F(VarnookTest, MeerOptiesGivesTheExtensionItsOwnCaseInTheNewNamesAndTheRun)
{
    Folder().MakeFile(L"IMG 0001.JPG");
    const ProgramUnderTest& program = Start(true);
    const ListViewReader list = program.List(ControlIds::ListViewFolderItems);
    EXPECT_EQ(list.Text(0, 2), L"");

    program.PostClick(ControlIds::CommandMoreOptions);
    const HWND options = program.WaitForWindow(L"Meer opties");
    EXPECT_FALSE(WindowReader::IsEnabled(program.MainWindow()));
    WindowReader::Send(WindowFinder::Child(options, FormMoreOptions::IdExtension), CB_SETCURSEL, 1);
    ::PostMessageW(WindowFinder::Child(options, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(Becomes([&] { return !::IsWindow(options) && list.Text(0, 2) == L"IMG 0001.jpg"; }));
    EXPECT_EQ(ProgramKey::Option(L"Extension"), std::optional<DWORD>(1));

    Driving::ProcessAll(program);
    EXPECT_TRUE(Becomes([&] { return Driving::RunEnded(program); }));
    EXPECT_EQ(Driving::Names(program), (std::vector<std::wstring>{L"IMG 0001.jpg"}));
}
