// About, from the system menu's command: a modal window with the product,
// its version and copyright and the maker's site, closed by OK; and the
// system menu's Close still saves.

#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/VarnookProgram.h"
#include "probe/WindowReader.h"

#include <algorithm>

using namespace WindowChecks;

TEST_F(VarnookTest, AboutShowsVersionCopyrightAndSiteModallyAndCloseStillSaves)
{
    const ProgramUnderTest& program = Start(true);

    program.PostSystemCommand(VarnookProgram::AboutCommand);
    const HWND about = program.WaitForWindow(VarnookProgram::AboutTitle);
    const std::vector<std::wstring> texts = ChildTexts(about);
    for (const std::wstring expected :
        {L"Varnook 1.0", L"\u00A9 2026 Pellonar. All rights reserved.", L"https://pellonar.example/varnook", L"OK"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << "no text " << expected;
    }
    EXPECT_FALSE(WindowReader::IsEnabled(program.MainWindow()));

    ::PostMessageW(WindowFinder::Child(about, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(Becomes([&] { return !::IsWindow(about) && WindowReader::IsEnabled(program.MainWindow()); }));

    program.PostSystemCommand(SC_CLOSE);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(ProgramKey::Text(L"LastFolder"), std::optional<std::wstring>(Folder().Path()));
}
