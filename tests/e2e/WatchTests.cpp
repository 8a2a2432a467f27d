// The shown folder is watched for changes that other applications make:
// they are listed at once, except while a run works on the folder.

#include "e2e/Driving.h"
#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"

#include "probe/UnixShell.h"
#include "probe/WindowReader.h"

#include <algorithm>

using namespace ControlIds;
using Lines = std::vector<std::wstring>;
using namespace std::chrono_literals;

namespace {

// How soon a change must show; the program waits for 150 ms of quiet.
constexpr Await::Milliseconds Promptly = 1000ms;

} // namespace

class WatchTest : public VarnookTest {};

// A re-listing would drop the selection and show the subfolder's new time.
TEST_F(WatchTest, ListsANewFileInTheShownFolderButNotOneInASubfolder)
{
    Folder().MakeFolder(L"sub");
    UnixShell::Check("touch -d '2001-02-03 04:05:06' " + UnixShell::Quote(UnixShell::UnixPath(Folder() / L"sub")));
    const ProgramUnderTest& program = Start(true);
    const ListViewReader list = program.List(ListViewFolderItems);
    const std::wstring modified = list.Text(0, 1);
    program.PostClick(CommandSelectall);
    ASSERT_TRUE(Await::Until([&] { return list.SelectedCount() == 1; }));

    Driving::Touch(Folder() / L"sub\\binnen.txt");
    EXPECT_FALSE(Await::Until([&] { return list.SelectedCount() == 0 || list.Text(0, 1) != modified; }, Promptly));

    Driving::Touch(Folder() / L"nieuw.txt");
    EXPECT_TRUE(Await::Until([&] { return Driving::Names(program) == Lines{L"sub <DIR>", L"nieuw.txt"}; }, Promptly));
}

TEST_F(WatchTest, ARemovedFolderIsReportedAndTheProgramsOwnFolderShown)
{
    const std::wstring shown = Folder().MakeFolder(L"weg");
    ProgramKey::SetText(L"LastFolder", shown);
    const ProgramUnderTest& program = Start();
    ASSERT_EQ(Driving::ShownFolder(program), shown);

    UnixShell::Check("rm -rf " + UnixShell::Quote(UnixShell::UnixPath(shown)));
    Driving::ExpectBox(program, L"Een andere toepassing veranderde de huidige map", IDOK);

    const std::wstring executable = ProgramUnderTest::FindBeside(L"varnook.exe");
    EXPECT_TRUE(
        Await::Until([&] { return Driving::ShownFolder(program) == executable.substr(0, executable.rfind(L'\\')); }));
    const Lines names = Driving::Names(program);
    EXPECT_NE(std::find(names.begin(), names.end(), L"varnook.exe"), names.end());
}

// A file made during the run stays unlisted: the run works on the lines as
// they were. The watch is back once the run has ended.
TEST_F(WatchTest, NothingIsRelistedDuringARunAndTheWatchResumesAfterIt)
{
    Driving::MakeManyFiles(Folder() / L"veel", 500);
    const ProgramUnderTest& program = Start(true);
    Driving::SetOption(program, CheckOptionsSubfolders, true);
    Driving::ChooseStyle(program, 1);
    const HWND progress = program.PlatformControl(ProgressBarVarnook, PROGRESS_CLASSW);

    Driving::ProcessAll(program);
    ASSERT_TRUE(Await::Until([&] { return WindowReader::ProgressPosition(progress) > 0; }));
    Driving::Touch(Folder() / L"tijdens.txt");
    ASSERT_TRUE(WindowReader::IsEnabled(program.Control(CommandProcess))) << "the run ended before the change";
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); }, 60s));
    EXPECT_EQ(Driving::Names(program), Lines{L"VEEL <DIR>"});

    Driving::Touch(Folder() / L"na.txt");
    EXPECT_TRUE(Await::Until(
        [&] {
            return Driving::Names(program) == Lines{L"VEEL <DIR>", L"na.txt", L"tijdens.txt"};
        },
        Promptly));
}
