#include "e2e/Driving.h"

#include "probe/UnixShell.h"
#include "probe/VarnookProgram.h"
#include "probe/WindowReader.h"

#include <gtest/gtest.h>

using namespace ControlIds;

void Driving::SetOption(const ProgramUnderTest& program, int checkBox, bool checked)
{
    const HWND box = program.Control(checkBox);
    if (WindowReader::IsChecked(box) != checked) {
        program.PostClick(checkBox);
        ASSERT_TRUE(Await::Until([&] { return WindowReader::IsChecked(box) == checked; }));
    }
}

void Driving::ChooseStyle(const ProgramUnderTest& program, int style)
{
    const HWND combo = program.Control(ComboOptionsConversion);
    WindowReader::Send(combo, CB_SETCURSEL, static_cast<WPARAM>(style));
    ASSERT_EQ(WindowReader::ComboSelection(combo), style);
}

void Driving::ProcessAll(const ProgramUnderTest& program)
{
    program.PostClick(CommandSelectall);
    ASSERT_TRUE(Await::Until([&] { return WindowReader::IsEnabled(program.Control(CommandProcess)); }));
    program.PostClick(CommandProcess);
}

bool Driving::RunEnded(const ProgramUnderTest& program)
{
    return program.List(ListViewFolderItems).SelectedCount() == 0 &&
        !WindowReader::IsEnabled(program.Control(CommandProcess)) &&
        WindowReader::ProgressPosition(program.PlatformControl(ProgressBarVarnook, PROGRESS_CLASSW)) == 0 &&
        program.Boxes().Shown().empty();
}

void Driving::ExpectBox(const ProgramUnderTest& program, const std::wstring& text, int button)
{
    const ShownBox box = program.Boxes().WaitForOne();
    EXPECT_EQ(box.caption, VarnookProgram::Title);
    EXPECT_EQ(box.text, text);
    MessageBoxes::Answer(box, button);
}

std::vector<std::wstring> Driving::Names(const ProgramUnderTest& program)
{
    return program.List(ListViewFolderItems).Names();
}

std::wstring Driving::ShownFolder(const ProgramUnderTest& program)
{
    const std::optional<std::wstring> tip = program.ToolTipOf(LabelFolderCurrentfolder);
    return tip && !tip->empty() ? *tip : WindowReader::Text(program.Control(LabelFolderCurrentfolder));
}

void Driving::Touch(const std::wstring& path)
{
    UnixShell::Check("touch " + UnixShell::Quote(UnixShell::UnixPath(path)));
}

void Driving::MakeManyFiles(const std::wstring& folder, int count)
{
    const std::string unixFolder = UnixShell::Quote(UnixShell::UnixPath(folder));
    UnixShell::Check("mkdir " + unixFolder + " && cd " + unixFolder + " && seq -f 'f%04.0f' 0 " +
        std::to_string(count - 1) + " | xargs touch");
}
