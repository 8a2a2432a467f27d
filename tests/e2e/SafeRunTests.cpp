// Runs a person can trust, on the real program and real files: a run takes
// its inputs once, Esc stops it with every entry whole, it is undone after
// a restart, the options outlive the end of the session, and the list
// shows beforehand what a style would do.

#include "e2e/Driving.h"
#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/ProbeError.h"
#include "probe/UnixShell.h"
#include "probe/VarnookProgram.h"
#include "probe/WindowReader.h"
#include "probe/XInput.h"

#include <cwchar>
#include <regex>
#include <set>

using namespace ControlIds;

namespace {

constexpr int FileCount = 1500;

// Every name below the folder with its last-write second, as Linux sees
// them. The folder itself is no entry of a run: renaming in it changes it.
std::string LinuxView(const std::wstring& folder)
{
    return UnixShell::Check("cd " + UnixShell::Quote(UnixShell::UnixPath(folder)) +
        " && find . -mindepth 1 -exec stat -c '%n %Y' {} + | sort");
}

std::wstring JournalFolder()
{
    wchar_t local[MAX_PATH]{};
    ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
    return std::wstring(local) + L"\\Pellonar\\Varnook";
}

// Each name is either as it was or wholly upper case: no entry is half done
// or left under a temporary name.
bool EveryEntryWhole(const std::set<std::wstring>& names)
{
    for (int index = 0; index < FileCount; ++index) {
        wchar_t name[8];
        std::swprintf(name, 8, L"f%04d", index);
        std::wstring upper = name;
        upper[0] = L'F';
        if ((names.count(name) != 0) == (names.count(upper) != 0)) {
            return false;
        }
    }
    return names.size() == FileCount;
}

class SafeRunTest : public VarnookTest {};

} // namespace

TEST_F(SafeRunTest, AfterARunAndARestartTheUndoPutsEveryNameAndMomentBack)
{
    UnixShell::Check("rm -rf " + UnixShell::Quote(UnixShell::UnixPath(JournalFolder())));
    Folder().MakeFile(L"Map\\Sub\\diep.txt");
    Folder().MakeFile(L"Map\\boven.txt");
    Folder().MakeFile(L"los.txt");
    UnixShell::Check("cd " + UnixShell::Quote(UnixShell::UnixPath(Folder().Path())) +
        " && touch -d '2001-02-03 04:05:06' Map/Sub/diep.txt Map/boven.txt los.txt Map/Sub Map");
    const std::string before = LinuxView(Folder().Path());
    ProgramUnderTest* program = &Start(true);
    Driving::SetOption(*program, CheckOptionsSubfolders, true);
    Driving::SetOption(*program, CheckOptionsModified, true);
    Driving::ChooseStyle(*program, 1);
    Driving::ProcessAll(*program);
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(*program); }));
    ASSERT_NE(LinuxView(Folder().Path()), before);
    program->PostClose();
    ASSERT_TRUE(program->WaitForExit().has_value());

    program = &Start(true);
    program->PostSystemCommand(VarnookProgram::UndoCommand);
    const ShownBox question = program->Boxes().WaitForOne();
    EXPECT_TRUE(std::regex_match(question.text,
        std::wregex(
            LR"(De laatste verwerking van \d{1,2}-\d{1,2}-\d{4} \d\d:\d\d:\d\d \(5 objecten\) ongedaan maken\?)")))
        << ToUtf8(question.text);
    MessageBoxes::Answer(question, IDYES);
    EXPECT_TRUE(Await::Until([&] { return LinuxView(Folder().Path()) == before; })) << before << "\n"
                                                                                    << LinuxView(Folder().Path());
    EXPECT_EQ(Driving::Names(*program), (std::vector<std::wstring>{L"Map <DIR>", L"los.txt"}));
}

// The drop-down is disabled while a run goes on; even set from outside, it
// does not change the run.
TEST_F(SafeRunTest, AStyleChangedDuringARunDoesNotChangeItsResult)
{
    Driving::MakeManyFiles(Folder() / L"veel", FileCount);
    ProgramUnderTest& program = Start(true);
    Driving::SetOption(program, CheckOptionsSubfolders, true);
    Driving::ChooseStyle(program, 1);
    Driving::ProcessAll(program);
    ASSERT_TRUE(Await::Until([&] { return !WindowReader::IsEnabled(program.Control(ComboOptionsConversion)); }));
    Driving::ChooseStyle(program, 2);
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); }, Await::Milliseconds(120000)));
    const std::set<std::wstring> names = TempFolder::NamesIn(Folder() / L"VEEL");
    EXPECT_EQ(names.size(), static_cast<size_t>(FileCount));
    EXPECT_EQ(names.count(L"F0000") + names.count(L"F1499"), 2U);
    EXPECT_TRUE(WindowReader::IsEnabled(program.Control(ComboOptionsConversion)));
}

TEST_F(SafeRunTest, EscStopsARunWithItsMessageAndLeavesEveryEntryWhole)
{
    Driving::MakeManyFiles(Folder() / L"veel", FileCount);
    ProgramUnderTest& program = Start(true);
    Driving::SetOption(program, CheckOptionsSubfolders, true);
    Driving::ChooseStyle(program, 1);
    // The keys go where the X server's focus is.
    XInput::ClickCentre(program.Control(InfoFrameVarnook));
    Driving::ProcessAll(program);
    const HWND progress = program.PlatformControl(ProgressBarVarnook, PROGRESS_CLASSW);
    ASSERT_TRUE(Await::Until([&] { return WindowReader::ProgressPosition(progress) > 10; }));
    XInput::Key("Escape");
    const ShownBox stopped = program.Boxes().WaitForOne();
    EXPECT_TRUE(std::regex_match(stopped.text, std::wregex(LR"(Verwerking gestopt na \d+ van 1501 objecten\.)")))
        << ToUtf8(stopped.text);
    MessageBoxes::Answer(stopped, IDOK);
    // What the run did not reach stays selected.
    ASSERT_TRUE(
        Await::Until([&] { return WindowReader::ProgressPosition(progress) == 0 && program.Boxes().Shown().empty(); }));
    EXPECT_TRUE(EveryEntryWhole(TempFolder::NamesIn(Folder() / L"veel")));
}

TEST_F(SafeRunTest, TheOptionsOutliveTheEndOfTheSession)
{
    ProgramUnderTest& program = Start(true);
    Driving::SetOption(program, CheckOptionsLog, true);
    Driving::ChooseStyle(program, 4);
    EXPECT_EQ(::SendMessageW(program.MainWindow(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    ::SendMessageW(program.MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    program.Kill();
    EXPECT_EQ(ProgramKey::Option(L"Log"), std::optional<DWORD>(1));
    EXPECT_EQ(ProgramKey::Option(L"Conversion"), std::optional<DWORD>(4));
    EXPECT_EQ(ProgramKey::Text(L"LastFolder"), std::optional<std::wstring>(Folder().Path()));
}

TEST_F(SafeRunTest, TheNewNameColumnFollowsTheDropDown)
{
    Folder().MakeFile(L"mijn verslag.txt");
    Folder().MakeFile(L"AL GROOT.TXT");
    ProgramUnderTest& program = Start(true);
    const ListViewReader list = program.List(ListViewFolderItems);
    EXPECT_EQ(list.Headers(), (std::vector<std::wstring>{L"Naam", L"Gewijzigd", L"Nieuwe naam"}));
    Driving::ChooseStyle(program, 1);
    EXPECT_EQ(list.Text(0, 2), L"");
    EXPECT_EQ(list.Text(1, 2), L"MIJN VERSLAG.TXT");
    Driving::ChooseStyle(program, 4);
    EXPECT_EQ(list.Text(0, 2), L"Al Groot.txt");
    EXPECT_EQ(list.Text(1, 2), L"Mijn Verslag.txt");
    Driving::ChooseStyle(program, 0);
    EXPECT_EQ(list.Text(1, 2), L"");
}
