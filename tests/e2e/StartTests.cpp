#include "e2e/VarnookTest.h"

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
