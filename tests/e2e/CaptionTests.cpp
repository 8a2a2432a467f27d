// What a user sees at a first start: Dutch texts read back whole from the
// real windows (a text sent in the wrong character set shows as its first
// letter), the controls' start state, and a second start that gives way.

#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/VarnookProgram.h"
#include "probe/WindowReader.h"
#include "support/TempFolder.h"

#include <map>

using namespace ControlIds;
using namespace WindowChecks;

namespace {

ULONGLONG Seconds(const SYSTEMTIME& moment)
{
    FILETIME file{};
    ::SystemTimeToFileTime(&moment, &file);
    return ((static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime) / 10000000;
}

ULONGLONG Now()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return Seconds(now);
}

} // namespace

TEST_F(VarnookTest, FirstStartShowsDutchCaptionsAndTheStartState)
{
    const ULONGLONG before = Now();
    const ProgramUnderTest& program = Start();
    const ULONGLONG after = Now();

    const std::map<int, std::wstring> captions{{FrameFolder, L"Map"}, {CommandFolderBrowse, L"&Bladeren"},
        {FrameModified, L"Gewijzigd"}, {LabelModifiedDate, L"&Datum:"}, {LabelModifiedTime, L"&Tijd:"},
        {CommandProcess, L"&Verwerken"}, {CommandSelectall, L"&Alles Selecteren"}, {CommandRefresh, L"Ver&nieuwen"},
        {FrameOptions, L"&Opties"}, {CheckOptionsLog, L"&Logboek"}, {CheckOptionsSubfolders, L"&Submappen"},
        {CheckOptionsModified, L"&Gewijzigd"}, {CheckOptionsIgnorereadonly, L"Alleen-l&ezen Negeren"},
        {CheckOptionsHiddensystem, L"Verborgen/S&ysteem"}, {InfoFrameVarnook, L"Varnook"}};
    for (const auto& [id, caption] : captions) {
        EXPECT_EQ(TextOf(program, id), caption) << "control " << id;
    }
    EXPECT_EQ(WindowReader::ComboEntries(program.Control(ComboOptionsConversion)),
        (std::vector<std::wstring>{
            L"Huidige letter", L"Grote letter", L"Kleine letter", L"Begin letter", L"Woord letter"}));
    EXPECT_EQ(WindowReader::ComboSelection(program.Control(ComboOptionsConversion)), 0);
    EXPECT_EQ(program.List(ListViewFolderItems).Headers(),
        (std::vector<std::wstring>{L"Naam", L"Gewijzigd", L"Nieuwe naam"}));

    EXPECT_FALSE(EnabledOf(program, CommandProcess));
    const int dateControls[] = {
        FrameModified, LabelModifiedDate, DateTimePickerModifiedDate, LabelModifiedTime, DateTimePickerModifiedTime};
    for (const int id : dateControls) {
        EXPECT_FALSE(EnabledOf(program, id)) << "control " << id;
    }
    for (const int picker : {DateTimePickerModifiedDate, DateTimePickerModifiedTime}) {
        const std::optional<SYSTEMTIME> shown = program.PickerMoment(picker);
        ASSERT_TRUE(shown.has_value());
        EXPECT_GE(Seconds(*shown), before);
        EXPECT_LE(Seconds(*shown), after);
    }

    program.PostClick(CheckOptionsModified);
    for (const int id : dateControls) {
        EXPECT_TRUE(Becomes([&] { return EnabledOf(program, id); })) << "control " << id;
    }
}

TEST_F(VarnookTest, SecondStartSaysTheProgramRunsAndEndsLeavingTheFirstAlone)
{
    const ProgramUnderTest& first = Start(true);
    Folder().MakeFile(L"a.txt");
    ASSERT_TRUE(Becomes([&] { return first.List(ListViewFolderItems).Count() == 1; }));
    // A start clears the log of the last run; a start that gives way must not.
    {
        const FileHandle log(::CreateFileW(LogPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(log.IsValid());
    }

    ProgramUnderTest second(VarnookProgram::Start(Folder().Path()));
    const ShownBox box = second.Boxes().WaitForOne();
    EXPECT_EQ(box.caption, VarnookProgram::Title);
    EXPECT_EQ(box.text, L"De toepassing is al actief");
    MessageBoxes::Answer(box, IDOK);

    EXPECT_TRUE(second.WaitForExit().has_value());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(WindowReader::IsEnabled(first.MainWindow()));
    EXPECT_EQ(first.List(ListViewFolderItems).Names(), std::vector<std::wstring>{L"a.txt"});
    EXPECT_TRUE(TempFolder::Exists(LogPath()));
}
