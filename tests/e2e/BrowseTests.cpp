// "Bladeren" hands the folder, the list and the watch over to the folder
// the user picks in the platform's folder browser, or leaves all three.

#include "e2e/Driving.h"
#include "e2e/VarnookTest.h"

#include "probe/ProbeError.h"
#include "probe/RemoteMemory.h"
#include "probe/RemoteText.h"
#include "probe/WindowFinder.h"
#include "probe/WindowReader.h"

using namespace ControlIds;
using Lines = std::vector<std::wstring>;
using namespace std::chrono_literals;

namespace {

constexpr Await::Milliseconds Promptly = 1000ms;

// The browser is a dialog like a message box, without the box's text.
HWND OpenBrowser(const ProgramUnderTest& program)
{
    program.PostClick(CommandFolderBrowse);
    const std::optional<HWND> browser = Await::Value<HWND>([&]() -> std::optional<HWND> {
        for (const HWND dialog : WindowFinder::TopLevel(program.ProcessId(), {L"#32770", L"", true})) {
            if (WindowFinder::Child(dialog, 0xFFFF) == nullptr) {
                return dialog;
            }
        }
        return std::nullopt;
    });
    if (!browser) {
        throw ProbeError(L"no folder browser came up");
    }
    return *browser;
}

void Press(HWND dialog, int button)
{
    ::PostMessageW(WindowFinder::Child(dialog, button), BM_CLICK, 0, 0);
    ASSERT_TRUE(Await::Until([&] { return !::IsWindow(dialog); }));
}

// The label of the browser's selected folder.
std::wstring SelectedLabel(const ProgramUnderTest& program, HWND browser)
{
    const HWND tree = WindowFinder::Descendant(browser, WC_TREEVIEWW);
    const auto selected = static_cast<LPARAM>(WindowReader::Send(tree, TVM_GETNEXTITEM, TVGN_CARET));
    return RemoteText::Read<TVITEMW>(
        program.Process(), tree, TVM_GETITEMW,
        [&](TVITEMW& item, wchar_t* buffer, int capacity) {
            item.mask = TVIF_TEXT;
            item.hItem = reinterpret_cast<HTREEITEM>(selected);
            item.pszText = buffer;
            item.cchTextMax = capacity;
            return WPARAM{0};
        },
        RemoteText::Length::UpToNul);
}

// The browser takes a path from its own process's memory. While it is
// still setting itself up it may drop the selection, so it is asked again
// until it shows the folder under its label.
void Select(const ProgramUnderTest& program, HWND browser, const std::wstring& folder, const std::wstring& label)
{
    RemoteMemory path(program.Process(), (folder.size() + 1) * sizeof(wchar_t));
    path.Write(folder.c_str(), path.Size());
    std::wstring shown;
    ASSERT_TRUE(Await::Until([&] {
        WindowReader::Send(browser, BFFM_SETSELECTIONW, TRUE, path.Parameter());
        shown = SelectedLabel(program, browser);
        return shown == label;
    })) << "the browser shows "
        << ToUtf8(shown);
}

} // namespace

class BrowseTest : public VarnookTest {};

TEST_F(BrowseTest, CancelKeepsFolderListAndWatchAndAChosenFolderTakesAllThree)
{
    // Wine's browser finds a folder below the one it starts on, but not
    // always one beside it.
    Folder().MakeFile(L"oud.txt");
    const std::wstring other = Folder().MakeFolder(L"nieuw");
    Folder().MakeFile(L"nieuw\\ander.txt");
    const ProgramUnderTest& program = Start(true);

    Press(OpenBrowser(program), IDCANCEL);
    EXPECT_EQ(Driving::ShownFolder(program), Folder().Path());
    Driving::Touch(Folder() / L"oud 2.txt");
    EXPECT_TRUE(Await::Until(
        [&] {
            return Driving::Names(program) == Lines{L"nieuw <DIR>", L"oud 2.txt", L"oud.txt"};
        },
        Promptly));

    const HWND browser = OpenBrowser(program);
    Select(program, browser, other, L"nieuw");
    Press(browser, IDOK);
    EXPECT_TRUE(Await::Until([&] { return Driving::ShownFolder(program) == other; }));
    EXPECT_EQ(Driving::Names(program), Lines{L"ander.txt"});

    const ListViewReader list = program.List(ListViewFolderItems);
    program.PostClick(CommandSelectall);
    ASSERT_TRUE(Await::Until([&] { return list.SelectedCount() == 1; }));
    // A re-listing drops the selection, whichever folder it lists.
    Driving::Touch(Folder() / L"oud 3.txt");
    EXPECT_FALSE(Await::Until([&] { return list.SelectedCount() == 0; }, Promptly));
    Driving::Touch(other + L"\\nieuw.txt");
    EXPECT_TRUE(Await::Until([&] { return Driving::Names(program) == Lines{L"ander.txt", L"nieuw.txt"}; }, Promptly));
}

// A drive whose folder goes away while the browser is open: the browser
// still hands the drive over, and the drive no longer answers.
TEST_F(BrowseTest, ADriveThatCannotBeReadIsReportedAndTheFolderKept)
{
    const std::wstring target = Folder().MakeFolder(L"station");
    ASSERT_TRUE(::DefineDosDeviceW(0, L"Q:", target.c_str()));
    struct Undefine {
        ~Undefine() { ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, L"Q:", nullptr); }
    } undefine;
    const ProgramUnderTest& program = Start(true);

    const HWND browser = OpenBrowser(program);
    Select(program, browser, L"Q:\\", L" (Q:)");
    ASSERT_TRUE(::RemoveDirectoryW(target.c_str()));
    Press(browser, IDOK);

    Driving::ExpectBox(program, L"Fout bij het verkrijgen van toegang tot het station", IDOK);
    EXPECT_EQ(Driving::ShownFolder(program), Folder().Path());
}
