// A window people keep open all day: it grows with the list, comes back as
// it was left, sorts by its headers and is reached by the keyboard.

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

RECT PlaceOf(const ProgramUnderTest& program, int id)
{
    RECT place{};
    ::GetWindowRect(program.Control(id), &place);
    ::MapWindowPoints(nullptr, program.MainWindow(), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

HWND HeaderOf(const ProgramUnderTest& program)
{
    return reinterpret_cast<HWND>(::SendMessageW(program.List(ListViewFolderItems).Hwnd(), LVM_GETHEADER, 0, 0));
}

// The middle of a column's header, or the divider at its right edge.
POINT HeaderPoint(const ProgramUnderTest& program, int column, bool divider)
{
    const ListViewReader list = program.List(ListViewFolderItems);
    int left = 0;
    for (int i = 0; i < column; ++i) {
        left += list.ColumnWidth(i);
    }
    RECT header{};
    ::GetClientRect(HeaderOf(program), &header);
    const int width = list.ColumnWidth(column);
    return {divider ? left + width - 1 : left + width / 2, header.bottom / 2};
}

void SetModified(const std::wstring& path, WORD year)
{
    const FileHandle file(::CreateFileW(
        path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    SYSTEMTIME moment{year, 6, 0, 15, 12, 0, 0, 0};
    FILETIME time{};
    ::SystemTimeToFileTime(&moment, &time);
    ::SetFileTime(file.Get(), nullptr, nullptr, &time);
}

} // namespace

TEST_F(VarnookTest, MaximisedTheListGrowsAndTheProgressBarStaysAtTheFoot)
{
    const ProgramUnderTest& program = Start(true);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(program.MainWindow(), GWL_STYLE));
    EXPECT_NE(style & WS_THICKFRAME, 0U);
    EXPECT_NE(style & WS_MAXIMIZEBOX, 0U);
    const RECT list = PlaceOf(program, ListViewFolderItems);
    const RECT bar = PlaceOf(program, ProgressBarVarnook);
    const SIZE client = WindowReader::ClientSize(program.MainWindow());

    program.PostSystemCommand(SC_MAXIMIZE);
    ASSERT_TRUE(Becomes([&] { return ::IsZoomed(program.MainWindow()) != FALSE; }));
    // The window is zoomed before the program has handled its new size.
    const SIZE maximised = WindowReader::ClientSize(program.MainWindow());
    const auto listWidth = [&] {
        const RECT now = PlaceOf(program, ListViewFolderItems);
        return now.right - now.left;
    };
    EXPECT_TRUE(Becomes([&] { return listWidth() == list.right - list.left + maximised.cx - client.cx; }));
    // Seen from here the controls move one by one, and an idle wait under
    // Wine returns before the last of them has: wait for the bar itself.
    EXPECT_TRUE(
        Becomes([&] { return maximised.cy - PlaceOf(program, ProgressBarVarnook).bottom == client.cy - bar.bottom; }));
    const RECT grownList = PlaceOf(program, ListViewFolderItems);
    const RECT movedBar = PlaceOf(program, ProgressBarVarnook);
    EXPECT_EQ(grownList.bottom - grownList.top, list.bottom - list.top + maximised.cy - client.cy);
    EXPECT_EQ(maximised.cy - movedBar.bottom, client.cy - bar.bottom);
    EXPECT_EQ(movedBar.bottom - movedBar.top, bar.bottom - bar.top);
}

TEST_F(VarnookTest, AColumnWidenedByItsDividerAndTheMaximisedStateComeBackAfterARestart)
{
    Folder().MakeFile(L"a.txt");
    ProgramUnderTest* program = &Start(true);
    const int before = program->List(ListViewFolderItems).ColumnWidth(0);
    const POINT divider = HeaderPoint(*program, 0, true);
    XInput::Drag(HeaderOf(*program), divider, {divider.x + 60, divider.y});
    ASSERT_TRUE(Becomes([&] { return program->List(ListViewFolderItems).ColumnWidth(0) > before + 40; }));
    const int widened = program->List(ListViewFolderItems).ColumnWidth(0);
    program->PostSystemCommand(SC_MAXIMIZE);
    ASSERT_TRUE(Becomes([&] { return ::IsZoomed(program->MainWindow()) != FALSE; }));
    program->PostClose();
    ASSERT_EQ(program->WaitForExit(), std::optional<DWORD>(0));

    program = &Start(true);
    EXPECT_TRUE(::IsZoomed(program->MainWindow()));
    EXPECT_EQ(program->List(ListViewFolderItems).ColumnWidth(0), widened);
}

TEST_F(VarnookTest, HeaderClicksSortByMomentBothWaysWithFoldersAboveFilesAndNaamRestoresNameOrder)
{
    SetModified(Folder().MakeFile(L"a-nieuw.txt"), 2024);
    SetModified(Folder().MakeFile(L"b-oud.txt"), 2001);
    SetModified(Folder().MakeFile(L"c-midden.txt"), 2012);
    Folder().MakeFolder(L"z-map");
    const ProgramUnderTest& program = Start(true);
    const auto names = [&] { return program.List(ListViewFolderItems).Names(); };
    ASSERT_TRUE(Becomes([&] { return names().size() == 4; }));

    XInput::Click(HeaderOf(program), HeaderPoint(program, 1, false));
    EXPECT_TRUE(Becomes([&] {
        return names() == std::vector<std::wstring>{L"z-map <DIR>", L"b-oud.txt", L"c-midden.txt", L"a-nieuw.txt"};
    }));
    // Two clicks on one header in quick succession are a double click.
    ::Sleep(::GetDoubleClickTime() + 100);
    XInput::Click(HeaderOf(program), HeaderPoint(program, 1, false));
    EXPECT_TRUE(Becomes([&] {
        return names() == std::vector<std::wstring>{L"z-map <DIR>", L"a-nieuw.txt", L"c-midden.txt", L"b-oud.txt"};
    }));
    XInput::Click(HeaderOf(program), HeaderPoint(program, 0, false));
    EXPECT_TRUE(Becomes([&] {
        return names() == std::vector<std::wstring>{L"z-map <DIR>", L"a-nieuw.txt", L"b-oud.txt", L"c-midden.txt"};
    }));
}

TEST_F(VarnookTest, EveryButtonAndCheckBoxHasAnAccessKeyOfItsOwn)
{
    const ProgramUnderTest& program = Start();
    std::set<wchar_t> keys;
    for (const int id : {CommandFolderBrowse, CommandProcess, CommandSelectall, CommandRefresh, CheckOptionsLog,
             CheckOptionsSubfolders, CheckOptionsModified, CheckOptionsIgnorereadonly, CheckOptionsHiddensystem,
             LabelModifiedDate, LabelModifiedTime, FrameOptions}) {
        const std::wstring caption = TextOf(program, id);
        const size_t marker = caption.find(L'&');
        ASSERT_TRUE(marker != std::wstring::npos && marker + 1 < caption.size()) << "control " << id;
        EXPECT_TRUE(keys.insert(static_cast<wchar_t>(::towlower(caption[marker + 1]))).second) << "control " << id;
    }
}

TEST_F(VarnookTest, AScreenReaderHearsTheNamesAUserSeesAndNoInternalOne)
{
    const ProgramUnderTest& program = Start();
    std::vector<HWND> windows;
    ::EnumChildWindows(
        program.MainWindow(),
        [](HWND window, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    for (const HWND window : windows) {
        const std::wstring text = WindowReader::Text(window);
        for (const wchar_t* internal : {L"ListView", L"DateTimePicker", L"ProgressBar", L"InfoFrame"}) {
            EXPECT_EQ(text.find(internal), std::wstring::npos) << "a window named " << testing::PrintToString(text);
        }
    }
    const std::map<int, std::wstring> names{{ListViewFolderItems, L"Map"}, {DateTimePickerModifiedDate, L"Datum"},
        {DateTimePickerModifiedTime, L"Tijd"}, {ProgressBarVarnook, L"Voortgang"}, {InfoFrameVarnook, L"Varnook"}};
    for (const auto& [id, name] : names) {
        EXPECT_EQ(TextOf(program, id), name) << "control " << id;
    }
    EXPECT_EQ(WindowReader::Text(program.List(ListViewFolderItems).Hwnd()), L"Map");
}

TEST_F(VarnookTest, ShiftF10AndTheMenuKeyOnALineOpenTheListsMenu)
{
    for (const wchar_t* name : {L"een.txt", L"twee.txt", L"drie.txt"}) {
        Folder().MakeFile(name);
    }
    const ProgramUnderTest& program = Start(true);
    ListViewReader list = program.List(ListViewFolderItems);
    ASSERT_TRUE(Becomes([&] { return list.Count() == 3; }));
    // One line selected, the menu opened by `key`, and its Alles selecteren chosen.
    const auto selectAllThroughTheMenu = [&](int line, const std::string& key) {
        XInput::ClickCentre(list.Hwnd(), list.CellRect(line, 0));
        ASSERT_TRUE(Becomes([&] { return list.SelectedCount() == 1; }));
        XInput::Key(key);
        ASSERT_TRUE(program.WaitUntilIdle());
        XInput::Key("a");
        EXPECT_TRUE(Becomes([&] { return list.SelectedCount() == 3; })) << key;
    };
    selectAllThroughTheMenu(0, "shift+F10");
    EXPECT_TRUE(EnabledOf(program, CommandProcess));
    selectAllThroughTheMenu(1, "Menu");
}
