// The harness acts on another process as a user does: posted commands,
// real clicks and keys through the X server, answers to message boxes.
// Every effect is awaited, since the program handles input on its own time.

#include "e2e/ProbeTargetTest.h"

#include "probe/ProbeError.h"
#include "probe/UnixShell.h"
#include "probe/WindowReader.h"
#include "probe/XInput.h"
#include "support/TempFolder.h"
#include "probe/target/ProbeTargetIds.h"

using namespace ProbeTarget;

namespace {

bool TextBecomes(HWND window, const std::wstring& text)
{
    return Await::Until([&] { return WindowReader::Text(window) == text; });
}

void PaintStack(HANDLE handle)
{
    volatile HANDLE slots[8192];
    for (auto& slot : slots) {
        slot = handle;
    }
}

// Called through a pointer, so that the painted frame lies where the next
// call's frames will.
void (*volatile FillStackWith)(HANDLE) = &PaintStack;

} // namespace

TEST_F(ProbeTargetTest, PostedAndRealClicksReachTheButton)
{
    const ProgramUnderTest& target = Start();
    const HWND counter = target.Control(Counter);

    target.PostClick(CountButton);
    EXPECT_TRUE(TextBecomes(counter, L"1"));

    XInput::ClickCentre(target.Control(CountButton));
    EXPECT_TRUE(TextBecomes(counter, L"2"));

    XInput::ClickCentre(target.Control(Check));
    EXPECT_TRUE(Await::Until([&] { return WindowReader::IsChecked(target.Control(Check)); }));
}

TEST_F(ProbeTargetTest, KeysAndTypingReachTheFocusedControl)
{
    const ProgramUnderTest& target = Start();
    const HWND edit = target.Control(Edit);

    XInput::ClickCentre(edit);
    XInput::Type("Varnook 1.0 (c) 'x' \"y\" $HOME \\");
    EXPECT_TRUE(TextBecomes(edit, L"Varnook 1.0 (c) 'x' \"y\" $HOME \\"));

    XInput::Key("shift+Home");
    XInput::Type("z");
    EXPECT_TRUE(TextBecomes(edit, L"z"));

    EXPECT_THROW(XInput::Key("alt+F4"), ProbeError);
    EXPECT_THROW(XInput::Type("\xC3\xA9"), ProbeError);
}

TEST_F(ProbeTargetTest, ClicksOnCellsAndArrowKeysMoveTheListSelection)
{
    const ProgramUnderTest& target = Start();
    const ListViewReader list = target.List(ListHolder);

    XInput::ClickCentre(list.Hwnd(), list.CellRect(3, 1));
    EXPECT_TRUE(Await::Until([&] { return list.Selected() == std::vector<int>{3} && list.Focused() == 3; }));

    XInput::Key("Down");
    EXPECT_TRUE(Await::Until([&] { return list.Selected() == std::vector<int>{4}; }));

    list.EnsureVisible(ListLines - 1);
    XInput::ClickCentre(list.Hwnd(), list.CellRect(ListLines - 1, 0));
    EXPECT_TRUE(Await::Until([&] { return list.Selected() == std::vector<int>{ListLines - 1}; }));
}

TEST_F(ProbeTargetTest, ReadsAndAnswersAMessageBox)
{
    const ProgramUnderTest& target = Start(std::wstring(BoxArgument) + L" \"Een andere toepassing veranderde de map\"");

    const ShownBox box = target.Boxes().WaitForOne();
    EXPECT_EQ(box.caption, Title);
    EXPECT_EQ(box.text, L"Een andere toepassing veranderde de map");
    MessageBoxes::Answer(box, IDNO);

    EXPECT_EQ(target.WaitForExit(), std::optional<DWORD>(IDNO));
}

TEST_F(ProbeTargetTest, EndsTheProgramWhenTheTestLetsGoOfIt)
{
    KernelHandle process;
    {
        ProgramUnderTest target(TargetStart());
        target.WaitForMainWindow();
        process.Reset(::OpenProcess(SYNCHRONIZE, FALSE, target.ProcessId()));
        ASSERT_TRUE(process.IsValid());
    }
    EXPECT_EQ(::WaitForSingleObject(process.Get(), 0), WAIT_OBJECT_0);
}

TEST(UnixShellTest, RunsACommandAndReportsItsStatusAndOutput)
{
    const UnixShell::Result result = UnixShell::Run("printf '%s' \"a\\\"b\" 'c d'; exit 3");

    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.output, "a\"bc d");
}

// Wine hands back for a Unix program whatever its stack held as the process
// and thread handles. Closing them closed live handles of the test process,
// its cached registry root among them; here the stack is made to hold a live
// handle of the test's own.
TEST(UnixShellTest, LeavesTheHandlesOfThisProcessAlone)
{
    const KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    for (int i = 0; i < 10; ++i) {
        FillStackWith(event.Get());
        UnixShell::Check("true");
    }
    DWORD flags = 0;
    EXPECT_NE(::GetHandleInformation(event.Get(), &flags), FALSE);
}

TEST(UnixShellTest, MakesFilesThatWindowsSeesUnderTheirOwnNames)
{
    const TempFolder folder;
    const std::wstring name = L"Ελληνικά Кириллица 漢字.txt";

    UnixShell::Check("touch " + UnixShell::Quote(UnixShell::UnixPath(folder / name)));

    EXPECT_EQ(TempFolder::NamesIn(folder.Path()), std::set<std::wstring>{name});
    EXPECT_EQ(UnixShell::WindowsPath(UnixShell::UnixPath(folder / name)), folder / name);
}
