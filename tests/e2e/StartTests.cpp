#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/VarnookProgram.h"
#include "probe/WindowReader.h"

TEST_F(VarnookTest, StartShowsTheWindowTitledWithTheApplicationTitle)
{
    const ProgramUnderTest& program = Start();

    EXPECT_EQ(WindowReader::Text(program.MainWindow()), L"Pellonar Varnook");
    EXPECT_TRUE(WindowReader::IsVisible(program.MainWindow()));
    EXPECT_TRUE(WindowReader::IsEnabled(program.MainWindow()));
}

TEST_F(VarnookTest, CloseEndsTheProgramWithExitCodeZero)
{
    const ProgramUnderTest& program = Start();

    program.PostClose();

    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(VarnookTest, ASecondStartRestoresTheMinimisedFirstWindowAndMakesItActive)
{
    const ProgramUnderTest& first = Start();
    ::ShowWindow(first.MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(WindowChecks::Becomes([&] { return ::IsIconic(first.MainWindow()) != FALSE; }));

    ProgramUnderTest second(VarnookProgram::Start(Folder().Path()));
    MessageBoxes::Answer(second.Boxes().WaitForOne(), IDOK);
    EXPECT_TRUE(second.WaitForExit().has_value());

    EXPECT_TRUE(WindowChecks::Becomes([&] { return ::IsIconic(first.MainWindow()) == FALSE; }));
    EXPECT_TRUE(WindowChecks::Becomes([&] { return ::GetForegroundWindow() == first.MainWindow(); }));
}
