#include "app/ControlIds.h"
#include "app/FormVarnook.h"
#include "platform/Dpi.h"
#include "platform/PendingMessages.h"
#include "services/FileStepSeam.h"
#include "settings/Settings.h"
#include "support/ActionWindow.h"
#include "support/TempFolder.h"
#include "support/TempRegistryKey.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

// Counts how often the folder label of this thread's window gets a text
// while it lives: once per listing of the folder.
class FolderListingCounter {
public:
    FolderListingCounter() : hook_(::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId()))
    {
        count_ = 0;
    }
    [[nodiscard]] static int Count() noexcept { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wparam, LPARAM lparam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (code == HC_ACTION && sent->message == WM_SETTEXT &&
            ::GetDlgCtrlID(sent->hwnd) == ControlIds::LabelFolderCurrentfolder) {
            ++count_;
        }
        return ::CallNextHookEx(nullptr, code, wparam, lparam);
    }

    static inline int count_ = 0;
    WindowsHook hook_;
};

std::vector<HWND> DialogsOfThisThread()
{
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t className[16]{};
            ::GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770" && ::IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

// Hands the first box of this thread to `act` once one shows, from inside
// whatever loop waits for it. `act` must outlive the wait.
void WhenABoxShows(ActionWindow& actions, const std::function<void(HWND)>& act)
{
    actions.After(20, [&actions, &act] {
        const std::vector<HWND> dialogs = DialogsOfThisThread();
        if (dialogs.empty()) {
            WhenABoxShows(actions, act);
        } else {
            act(dialogs.front());
        }
    });
}

// Notes a box's text and answers it with OK.
std::function<void(HWND)> AnswerOk(std::vector<std::wstring>& texts)
{
    return [&texts](HWND box) {
        wchar_t text[512]{};
        ::GetDlgItemTextW(box, 0xFFFF, text, 512);
        texts.emplace_back(text);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
}

bool AnswersWithHourglass(HWND form)
{
    const LRESULT answered =
        ::SendMessageW(form, WM_SETCURSOR, reinterpret_cast<WPARAM>(form), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return answered != FALSE && ::GetCursor() == ::LoadCursorW(nullptr, IDC_WAIT);
}

class FormVarnookTest : public testing::Test {
protected:
    TempRegistryKey key;
    TempFolder folder;
    TempFolder journals;
    Settings stored{key.Path()};
    std::unique_ptr<FormVarnook> form;

    FormVarnookTest() { stored.SetLastFolder(folder.Path()); }

    FormVarnook& Load(int showCommand = SW_SHOWNOACTIVATE)
    {
        form = std::make_unique<FormVarnook>(key.Path(), journals.Path());
        EXPECT_TRUE(form->Load(showCommand));
        return *form;
    }

    // Where a control lies in the form's client area.
    [[nodiscard]] RECT PlaceOf(int id) const
    {
        RECT place{};
        ::GetWindowRect(::GetDlgItem(form->Hwnd(), id), &place);
        ::MapWindowPoints(nullptr, form->Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    // An activation asks for the watch, whose loop would outlast the test.
    void ForgetTheWatchRequest() const
    {
        MSG watch;
        ::PeekMessageW(&watch, form->Hwnd(), WM_APP + 1, WM_APP + 1, PM_REMOVE);
    }

    void ClickHeader(std::int32_t column) const
    {
        ListView& list = form->Controls().ListViewFolderItems();
        NMLISTVIEW click{{list.ControlHwnd(), 0, LVN_COLUMNCLICK}, -1, column};
        ::SendMessageW(list.Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    }
};

bool Moved(const RECT& before, const RECT& after, int dx, int dy, int grownWide, int grownTall)
{
    return after.left == before.left + dx && after.top == before.top + dy &&
        after.right == before.right + dx + grownWide && after.bottom == before.bottom + dy + grownTall;
}

TEST_F(FormVarnookTest, LoadingListsTheStoredFolderOnceAndRestoredModifiedEnablesTheDateControls)
{
    folder.MakeFile(L"verslag.txt");
    stored.SetHiddenSystem(true);
    stored.SetModified(true);

    const FolderListingCounter fills;
    FormVarnook& loaded = Load();

    EXPECT_EQ(FolderListingCounter::Count(), 1);
    EXPECT_EQ(loaded.Controls().ListViewFolderItems().ListItems().Count(), 1);
    EXPECT_EQ(loaded.Controls().CheckOptionsHiddensystem().Value(), 1);
    EXPECT_TRUE(loaded.Controls().DateTimePickerModifiedDate().Enabled());
    EXPECT_TRUE(loaded.Controls().DateTimePickerModifiedTime().Enabled());
    EXPECT_FALSE(loaded.Controls().CommandProcess().Enabled());
}

// A run that cannot date a read-only file waits on a failure box, then on
// its summary: the pointer is the hourglass in both, Browse is refused, and
// the arrow is back once the run has ended.
TEST_F(FormVarnookTest, ARunKeepsTheHourglassThroughItsBoxesRefusesBrowseAndGivesTheArrowBack)
{
    const std::wstring file = folder.MakeFile(L"alleen-lezen.txt");
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    stored.SetModified(true);
    FormVarnook& loaded = Load();
    loaded.Controls().ListViewFolderItems().ListItems().Item(0)->SetSelected(true);

    std::vector<bool> hourglassInBoxes;
    std::vector<size_t> dialogsAfterBrowse;
    ActionWindow actions;
    std::function<void(HWND)> answerBox = [&](HWND) {
        hourglassInBoxes.push_back(AnswersWithHourglass(loaded.Hwnd()));
        ::PostMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CommandFolderBrowse, BN_CLICKED), 0);
        actions.After(300, [&] {
            dialogsAfterBrowse.push_back(DialogsOfThisThread().size());
            for (HWND dialog : DialogsOfThisThread()) {
                ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            WhenABoxShows(actions, answerBox);
        });
    };
    WhenABoxShows(actions, answerBox);

    ::SendMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CommandProcess, BN_CLICKED), 0);

    EXPECT_EQ(hourglassInBoxes, (std::vector<bool>{true, true}));
    EXPECT_EQ(dialogsAfterBrowse, (std::vector<size_t>{1, 1}));
    EXPECT_FALSE(AnswersWithHourglass(loaded.Hwnd()));
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A handler that fails tells the user so in the window's own words; the
// window goes on working.
TEST_F(FormVarnookTest, AFailingHandlerIsReportedInABoxAndTheWindowStaysUsable)
{
    FormVarnook& loaded = Load();
    loaded.Controls().CheckOptionsLog().SetClickHandler([] { throw std::runtime_error("handler failed"); });
    std::vector<std::wstring> boxTexts;
    ActionWindow actions;
    const std::function<void(HWND)> answerBox = AnswerOk(boxTexts);
    WhenABoxShows(actions, answerBox);

    ::SendMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CheckOptionsLog, BN_CLICKED), 0);

    EXPECT_EQ(boxTexts, std::vector<std::wstring>{L"Onverwachte fout: handler failed"});
    folder.MakeFile(L"nieuw.txt");
    ::SendMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CommandRefresh, BN_CLICKED), 0);
    EXPECT_EQ(loaded.Controls().ListViewFolderItems().ListItems().Count(), 1);
}

// While a run goes on the controls that would change its inputs are
// disabled; Esc, wherever the focus is, stops it; afterwards every control
// is as it was, the date controls that Modified had off included.
TEST_F(FormVarnookTest, ARunHoldsTheInputsUntilItEndsAndEscStopsIt)
{
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) {
        folder.MakeFile(name);
    }
    stored.SetConversion(1);
    FormVarnook& loaded = Load();
    FormVarnookControls& controls = loaded.Controls();
    const std::vector<HWND> inputs{controls.ComboOptionsConversion().Hwnd(), controls.CheckOptionsModified().Hwnd(),
        controls.CommandRefresh().Hwnd(), controls.CommandFolderBrowse().Hwnd(),
        controls.DateTimePickerModifiedDate().Hwnd()};
    const auto enabledStates = [&] {
        std::vector<bool> enabled;
        for (HWND input : inputs) {
            enabled.push_back(::IsWindowEnabled(input) != FALSE);
        }
        return enabled;
    };
    const std::vector<bool> before = enabledStates();
    LVITEMW all{LVIF_STATE};
    all.state = LVIS_SELECTED;
    all.stateMask = LVIS_SELECTED;
    ::SendMessageW(controls.ListViewFolderItems().ControlHwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
        reinterpret_cast<LPARAM>(&all));
    ::SetFocus(controls.CheckOptionsLog().Hwnd());

    std::vector<bool> during;
    std::vector<std::wstring> boxTexts;
    const FileStepSeam escape([&](FileStep, const std::wstring&) {
        if (during.empty()) {
            during = enabledStates();
            ::PostMessageW(::GetFocus(), WM_KEYUP, VK_ESCAPE, 0);
            // The run looks at its queue again once its period is over.
            ::Sleep(static_cast<DWORD>(PendingMessages::BusyLoopPeriod) + 20);
        }
        return true;
    });
    ActionWindow actions;
    const std::function<void(HWND)> answerBox = AnswerOk(boxTexts);
    WhenABoxShows(actions, answerBox);
    ::SendMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CommandProcess, BN_CLICKED), 0);

    EXPECT_EQ(during, std::vector<bool>(inputs.size(), false));
    EXPECT_EQ(enabledStates(), before);
    EXPECT_EQ(boxTexts, std::vector<std::wstring>{L"Verwerking gestopt na 1 van 3 objecten."});
    EXPECT_EQ(TempFolder::NamesIn(folder.Path()), (std::set<std::wstring>{L"A.TXT", L"b.txt", L"c.txt"}));
}

// The session may end the process without WM_CLOSE.
TEST_F(FormVarnookTest, TheEndOfTheSessionSavesTheOptions)
{
    FormVarnook& loaded = Load();
    loaded.Controls().CheckOptionsSubfolders().SetValue(1);
    loaded.Controls().ComboOptionsConversion().SetListIndex(3);
    EXPECT_EQ(::SendMessageW(loaded.Hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageW(loaded.Hwnd(), WM_ENDSESSION, TRUE, 0);
    const Settings saved(key.Path());
    EXPECT_TRUE(saved.Subfolders());
    EXPECT_EQ(saved.Conversion(), 3);
}

// A right double click asks for the properties twice; it never opens (runs)
// the item.
TEST_F(FormVarnookTest, OnlyALeftDoubleClickOpensAnItem)
{
    folder.MakeFile(L"programma.txt");
    FormVarnook& loaded = Load();
    ListView& list = loaded.Controls().ListViewFolderItems();
    RECT row{LVIR_LABEL};
    ::SendMessageW(list.ControlHwnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const auto doubleClick = [&](UINT code) {
        NMITEMACTIVATE click{{list.ControlHwnd(), 0, code}, 0, 0};
        click.ptAction = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        ::SendMessageW(list.Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
        MSG open;
        return ::PeekMessageW(&open, loaded.Hwnd(), WM_APP + 3, WM_APP + 3, PM_REMOVE) != FALSE;
    };
    EXPECT_FALSE(doubleClick(NM_RDBLCLK));
    EXPECT_TRUE(doubleClick(NM_DBLCLK));
}

// Keys reach the window from whichever control has the focus.
TEST_F(FormVarnookTest, CtrlASelectsEveryLineAndF5ListsTheFolderAgain)
{
    folder.MakeFile(L"een.txt");
    folder.MakeFile(L"twee.txt");
    FormVarnook& loaded = Load();
    ListView& list = loaded.Controls().ListViewFolderItems();
    const auto release = [&](WPARAM key, bool control) {
        BYTE keys[256]{};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(keys);
        ::PostMessageW(list.ControlHwnd(), WM_KEYUP, key, 0);
        EXPECT_TRUE(PendingMessages::Process());
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    };

    release('A', false);
    EXPECT_EQ(list.ListItems().SelectedCount(), 0);
    release('A', true);
    EXPECT_EQ(list.ListItems().SelectedCount(), 2);
    EXPECT_TRUE(loaded.Controls().CommandProcess().Enabled());

    folder.MakeFile(L"drie.txt");
    release(VK_F5, false);
    EXPECT_EQ(list.ListItems().Count(), 3);
}

// The list takes the room a bigger window has; the buttons, the options
// and the progress bar stay with the edges they are anchored to.
TEST_F(FormVarnookTest, TheWindowGrowsFromItsDesignSizeWithTheListAndKeepsItsBarsAtTheEdges)
{
    FormVarnook& loaded = Load();
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(loaded.Hwnd(), GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), static_cast<DWORD>(WS_THICKFRAME | WS_MAXIMIZEBOX));
    RECT frame{};
    ::GetWindowRect(loaded.Hwnd(), &frame);
    MINMAXINFO limits{};
    ::SendMessageW(loaded.Hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, frame.right - frame.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, frame.bottom - frame.top);

    using namespace ControlIds;
    const int ids[] = {ListViewFolderItems, ProgressBarVarnook, CommandProcess, FrameOptions, CheckOptionsLog,
        FrameModified, CommandFolderBrowse};
    std::map<int, RECT> before;
    for (const int id : ids) {
        before[id] = PlaceOf(id);
    }
    ::SetWindowPos(loaded.Hwnd(), nullptr, 0, 0, frame.right - frame.left + 200, frame.bottom - frame.top + 150,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Moved(before[ListViewFolderItems], PlaceOf(ListViewFolderItems), 0, 0, 200, 150));
    EXPECT_TRUE(Moved(before[ProgressBarVarnook], PlaceOf(ProgressBarVarnook), 0, 150, 200, 0));
    EXPECT_TRUE(Moved(before[CommandProcess], PlaceOf(CommandProcess), 200, 0, 0, 0));
    EXPECT_TRUE(Moved(before[FrameOptions], PlaceOf(FrameOptions), 200, 150, 0, 0));
    EXPECT_TRUE(Moved(before[CheckOptionsLog], PlaceOf(CheckOptionsLog), 200, 150, 0, 0));
    EXPECT_TRUE(Moved(before[FrameModified], PlaceOf(FrameModified), 0, 150, 0, 0));
    EXPECT_TRUE(Moved(before[CommandFolderBrowse], PlaceOf(CommandFolderBrowse), 0, 0, 0, 0));
}

TEST_F(FormVarnookTest, TheWindowComesBackWhereAndHowItWasLeft)
{
    stored.SetWindow({{30, 40, 930, 840}, true});
    FormVarnook& loaded = Load(SW_SHOWNORMAL);
    ForgetTheWatchRequest();
    EXPECT_TRUE(::IsZoomed(loaded.Hwnd()));
    WINDOWPLACEMENT placement{sizeof(placement)};
    ::GetWindowPlacement(loaded.Hwnd(), &placement);
    const RECT expected{30, 40, 930, 840};
    EXPECT_TRUE(::EqualRect(&placement.rcNormalPosition, &expected));

    ::ShowWindow(loaded.Hwnd(), SW_RESTORE);
    ::SetWindowPos(loaded.Hwnd(), nullptr, 50, 60, 1000, 800, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(loaded.Hwnd(), WM_ENDSESSION, TRUE, 0);
    const std::optional<Settings::WindowPlace> saved = Settings(key.Path()).Window();
    ASSERT_TRUE(saved.has_value());
    EXPECT_FALSE(saved->Maximized);
    EXPECT_EQ(saved->Normal.right - saved->Normal.left, 1000);
    EXPECT_EQ(saved->Normal.bottom - saved->Normal.top, 800);
}

TEST_F(FormVarnookTest, HeaderClicksSortBothWaysAndTheOrderAndTheWidthsAreKeptForTheNextStart)
{
    const FileSystem files;
    files.SetFileDateTime(folder.MakeFile(L"b.txt"), Variant(*OleDate::FromParts(2001, 1, 1, 0, 0, 0)));
    files.SetFileDateTime(folder.MakeFile(L"a.txt"), Variant(*OleDate::FromParts(2024, 1, 1, 0, 0, 0)));
    stored.SetColumnWidths({150});
    FormVarnook& loaded = Load();
    ListView& list = loaded.Controls().ListViewFolderItems();
    const auto names = [&list] {
        return std::vector<std::wstring>{list.ListItems().Item(0)->Row().Name, list.ListItems().Item(1)->Row().Name};
    };
    EXPECT_EQ(list.Column(0)->ActualWidth(), 150);
    EXPECT_EQ(names(), (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
    ClickHeader(1);
    EXPECT_EQ(names(), (std::vector<std::wstring>{L"b.txt", L"a.txt"}));
    ClickHeader(1);
    EXPECT_EQ(names(), (std::vector<std::wstring>{L"a.txt", L"b.txt"}));
    HDITEMW arrow{HDI_FORMAT};
    const auto header = reinterpret_cast<HWND>(::SendMessageW(list.ControlHwnd(), LVM_GETHEADER, 0, 0));
    ::SendMessageW(header, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&arrow));
    EXPECT_NE(arrow.fmt & HDF_SORTDOWN, 0);

    // As the user's drag of the divider would.
    ::SendMessageW(list.ControlHwnd(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(Dpi::Scale(240, Dpi::OfWindow(header)), 0));
    EXPECT_EQ(list.Column(0)->ActualWidth(), 240);
    folder.MakeFile(L"c.txt");
    ::SendMessageW(loaded.Hwnd(), WM_KEYUP, VK_F5, 0);
    EXPECT_EQ(list.Column(0)->ActualWidth(), 240);
    EXPECT_EQ(list.ListItems().Item(0)->Row().Name, L"c.txt");
    ::SendMessageW(loaded.Hwnd(), WM_ENDSESSION, TRUE, 0);
    const Settings saved(key.Path());
    EXPECT_EQ(saved.ColumnWidths().at(0), 240);
    EXPECT_EQ(saved.Sort().Column, 1);
    EXPECT_TRUE(saved.Sort().Descending);
}

// The window is no dialog: without this, Enter on a button did nothing and
// the focus was lost whenever the window was left.
TEST_F(FormVarnookTest, EnterPressesTheFocusedButtonAndTheFocusComesBackToIt)
{
    FormVarnook& loaded = Load();
    const HWND refresh = ::GetDlgItem(loaded.Hwnd(), ControlIds::CommandRefresh);
    ::SetFocus(refresh);
    ForgetTheWatchRequest();
    folder.MakeFile(L"nieuw.txt");
    ::PostMessageW(refresh, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(PendingMessages::Process());
    EXPECT_EQ(loaded.Controls().ListViewFolderItems().ListItems().Count(), 1);

    ::SendMessageW(loaded.Hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    ::SetFocus(loaded.Hwnd());
    ::SendMessageW(loaded.Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(::GetFocus(), refresh);
    ForgetTheWatchRequest();
}

// As on a move to a monitor of twice the scale.
TEST_F(FormVarnookTest, ADpiChangeRescalesTheWindowItsFontAndItsColumns)
{
    FormVarnook& loaded = Load();
    const UINT dpi = Dpi::OfWindow(loaded.Hwnd());
    RECT frame{};
    ::GetWindowRect(loaded.Hwnd(), &frame);
    const auto fontHeight = [&] {
        LOGFONTW font{};
        const auto shown = reinterpret_cast<HGDIOBJ>(
            ::SendMessageW(::GetDlgItem(loaded.Hwnd(), ControlIds::CommandProcess), WM_GETFONT, 0, 0));
        ::GetObjectW(shown, sizeof(font), &font);
        return std::abs(font.lfHeight);
    };
    const LONG before = fontHeight();
    const RECT bar = PlaceOf(ControlIds::ProgressBarVarnook);

    const RECT suggested{
        frame.left, frame.top, frame.left + 2 * (frame.right - frame.left), frame.top + 2 * (frame.bottom - frame.top)};
    ::SendMessageW(loaded.Hwnd(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    ::GetClientRect(loaded.Hwnd(), &client);
    EXPECT_GE(client.right, Dpi::FromTwips(7815, 2 * dpi));
    EXPECT_GE(client.bottom, Dpi::FromTwips(7080, 2 * dpi));
    EXPECT_GE(fontHeight(), 2 * before - 1);
    const RECT grownBar = PlaceOf(ControlIds::ProgressBarVarnook);
    EXPECT_NEAR(grownBar.bottom - grownBar.top, 2 * (bar.bottom - bar.top), 1);
    EXPECT_EQ(client.bottom - grownBar.bottom, Dpi::FromTwips(7080, 2 * dpi) - Dpi::FromTwips(6975, 2 * dpi));
    const HWND list = loaded.Controls().ListViewFolderItems().ControlHwnd();
    EXPECT_EQ(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), Dpi::Scale(178, 2 * dpi));
}

} // namespace
