// The options and the folder outlive the program: a close stores what the
// user set, a start restores it, and a stored folder that has gone gives
// way to the program's own.

#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"
#include "e2e/WindowChecks.h"

#include "probe/WindowReader.h"
#include "probe/XInput.h"

#include <map>
#include <set>

using namespace ControlIds;
using namespace WindowChecks;

namespace {

const std::map<int, std::wstring> OptionNames{{CheckOptionsLog, L"Log"}, {CheckOptionsSubfolders, L"Subfolders"},
    {CheckOptionsModified, L"Modified"}, {CheckOptionsIgnorereadonly, L"IgnoreReadonly"},
    {CheckOptionsHiddensystem, L"HiddenSystem"}};

std::wstring FolderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

} // namespace

TEST_F(VarnookTest, StartRestoresTheStoredOptionsAndCloseStoresTheChangedOnes)
{
    const std::map<int, DWORD> stored{{CheckOptionsLog, 1}, {CheckOptionsSubfolders, 0}, {CheckOptionsModified, 1},
        {CheckOptionsIgnorereadonly, 1}, {CheckOptionsHiddensystem, 0}};
    for (const auto& [id, value] : stored) {
        ProgramKey::SetOption(OptionNames.at(id), value);
    }
    ProgramKey::SetOption(L"Conversion", 3);
    const ProgramUnderTest& program = Start(true);

    for (const auto& [id, value] : stored) {
        EXPECT_EQ(CheckedOf(program, id), value == 1) << "control " << id;
    }
    EXPECT_EQ(WindowReader::ComboSelection(program.Control(ComboOptionsConversion)), 3);
    EXPECT_EQ(TextOf(program, LabelFolderCurrentfolder), Folder().Path());
    for (const int id : {FrameModified, DateTimePickerModifiedDate, DateTimePickerModifiedTime}) {
        EXPECT_TRUE(EnabledOf(program, id)) << "control " << id;
    }

    const std::set<int> clicked{CheckOptionsLog, CheckOptionsSubfolders, CheckOptionsHiddensystem};
    for (const int id : clicked) {
        XInput::ClickCentre(program.Control(id));
        EXPECT_TRUE(Becomes([&] { return CheckedOf(program, id) == (stored.at(id) == 0); })) << "control " << id;
    }
    XInput::ClickCentre(program.Control(ComboOptionsConversion));
    XInput::Key("Down Return");
    ASSERT_TRUE(Becomes([&] { return WindowReader::ComboSelection(program.Control(ComboOptionsConversion)) == 4; }));
    program.PostClose();

    ASSERT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    for (const auto& [id, value] : stored) {
        const DWORD now = clicked.contains(id) ? 1 - value : value;
        EXPECT_EQ(ProgramKey::Option(OptionNames.at(id)), std::optional<DWORD>(now)) << "control " << id;
    }
    EXPECT_EQ(ProgramKey::Option(L"Conversion"), std::optional<DWORD>(4));
    EXPECT_EQ(ProgramKey::Text(L"LastFolder"), std::optional<std::wstring>(Folder().Path()));
}

TEST_F(VarnookTest, AStoredFolderThatHasGoneGivesWayToTheProgramsOwn)
{
    ProgramKey::SetText(L"LastFolder", Folder() / L"gone");
    const std::wstring ownFolder = FolderOf(ProgramUnderTest::FindBeside(L"varnook.exe"));

    const ProgramUnderTest& program = Start();
    const std::wstring shown = program.ToolTipOf(LabelFolderCurrentfolder).value_or(L"");
    EXPECT_EQ(shown.empty() ? TextOf(program, LabelFolderCurrentfolder) : shown, ownFolder);
    EXPECT_FALSE(EnabledOf(program, DateTimePickerModifiedDate));

    program.PostClose();
    ASSERT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(ProgramKey::Text(L"LastFolder"), std::optional<std::wstring>(ownFolder));
}
