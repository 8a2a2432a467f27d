// Selecting lines and the commands that follow, with real clicks and keys:
// only a left click or Select All enables Verwerken, a listing disables it,
// Enter processes a selection and nothing else, and the item commands of
// the right and double click never start anything but the shell's own.

#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/XInput.h"
#include "support/TempFolder.h"

#include <tlhelp32.h>

using namespace ControlIds;
using namespace WindowChecks;

namespace {

bool ProcessNamed(const std::wstring& name)
{
    const KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{sizeof(entry)};
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
        if (::lstrcmpiW(entry.szExeFile, name.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

class SelectionTest : public VarnookTest {
protected:
    void SetUp() override
    {
        VarnookTest::SetUp();
        for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) {
            Folder().MakeFile(name);
        }
    }

    [[nodiscard]] ListViewReader List() const { return Program().List(ListViewFolderItems); }
    [[nodiscard]] bool ProcessEnabled() const { return EnabledOf(Program(), CommandProcess); }
    void Refresh() const
    {
        Program().PostClick(CommandRefresh);
        ASSERT_TRUE(Becomes([&] { return List().SelectedCount() == 0 && !ProcessEnabled(); }));
    }
};

TEST_F(SelectionTest, LeftClicksSelectAllAndDownEnableProcessAndAListingDisablesIt)
{
    Start(true);

    ClickLine(List(), 0, 0);
    EXPECT_TRUE(Becomes([&] { return List().Selected() == std::vector<int>{0} && ProcessEnabled(); }));
    Refresh();

    ClickLine(List(), 1, 1);
    EXPECT_TRUE(Becomes([&] { return List().Selected() == std::vector<int>{1} && ProcessEnabled(); }));
    Refresh();

    Program().PostClick(CommandSelectall);
    EXPECT_TRUE(Becomes([&] { return List().SelectedCount() == 3 && ProcessEnabled(); }));
    Refresh();

    ClickBelowTheLines(List());
    XInput::Key("Down");
    EXPECT_TRUE(Becomes([&] { return List().Selected() == std::vector<int>{0} && ProcessEnabled(); }));
    XInput::Key("Down");
    EXPECT_TRUE(Becomes([&] { return List().Selected() == std::vector<int>{1}; }));
}

TEST_F(SelectionTest, EnterProcessesTheSelectionAndWithoutOneNothing)
{
    ProgramKey::SetOption(L"Conversion", 1);
    Start(true);

    ClickBelowTheLines(List());
    XInput::Key("Return");
    ClickLine(List(), 0, 1);
    ASSERT_TRUE(Becomes([&] { return ProcessEnabled(); }));
    EXPECT_EQ(TempFolder::NamesIn(Folder().Path()), (std::set<std::wstring>{L"a.txt", L"b.txt", L"c.txt"}));

    XInput::Key("Return");
    EXPECT_TRUE(Becomes([&] {
        return TempFolder::NamesIn(Folder().Path()) == std::set<std::wstring>{L"A.TXT", L"b.txt", L"c.txt"};
    }));
}

TEST_F(SelectionTest, RightClickReportsPropertiesCannotShowAndLeavesProcessAlone)
{
    const ProgramUnderTest& program = Start(true);

    ClickLine(List(), 1, 0, MouseButton::Right);
    const ShownBox box = program.Boxes().WaitForOne();
    EXPECT_EQ(box.text, L"Fout bij het tonen van de eigenschappen van " + (Folder() / L"b.txt"));
    MessageBoxes::Answer(box, IDOK);
    EXPECT_FALSE(ProcessEnabled());
}

TEST_F(SelectionTest, DoubleClickOnAFolderNamedLikeAProgramOpensTheFolderNotTheProgram)
{
    Folder().MakeFolder(L"notepad");
    const ProgramUnderTest& program = Start(true);

    ClickLine(List(), 0, 0, MouseButton::Left, 2);

    // Wine's folder window, from a file manager that can take long to start.
    const WindowFinder::Pattern folderWindows{L"ExplorerWClass", L"", true};
    const bool opened = Await::Until(
        [&] { return WindowFinder::FirstTopLevel(0, {L"ExplorerWClass", L"notepad", true}) != nullptr; },
        Await::Milliseconds(30000));
    EXPECT_TRUE(opened);
    EXPECT_FALSE(ProcessNamed(L"notepad.exe"));
    EXPECT_TRUE(program.Boxes().Shown().empty());
    // Left open they would lie over the next test's window.
    for (const HWND window : WindowFinder::TopLevel(0, folderWindows)) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    EXPECT_TRUE(Becomes([&] { return WindowFinder::TopLevel(0, folderWindows).empty(); }));
}
