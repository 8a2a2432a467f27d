#include "app/ControlIds.h"
#include "app/FormVarnook.h"
#include "settings/Settings.h"
#include "support/ActionWindow.h"
#include "support/TempFolder.h"
#include "support/TempRegistryKey.h"

#include <gtest/gtest.h>

#include <memory>
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
    Settings stored{key.Path()};
    std::unique_ptr<FormVarnook> form;

    FormVarnookTest() { stored.SetLastFolder(folder.Path()); }

    FormVarnook& Load()
    {
        form = std::make_unique<FormVarnook>(key.Path());
        EXPECT_TRUE(form->Load(SW_SHOWNOACTIVATE));
        return *form;
    }
};

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
    const std::function<void(HWND)> answerBox = [&](HWND box) {
        wchar_t text[512]{};
        ::GetDlgItemTextW(box, 0xFFFF, text, 512);
        boxTexts.emplace_back(text);
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
    WhenABoxShows(actions, answerBox);

    ::SendMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CheckOptionsLog, BN_CLICKED), 0);

    EXPECT_EQ(boxTexts, std::vector<std::wstring>{L"Fout bij het verkrijgen van toegang tot " + folder.Path()});
    folder.MakeFile(L"nieuw.txt");
    ::SendMessageW(loaded.Hwnd(), WM_COMMAND, MAKEWPARAM(ControlIds::CommandRefresh, BN_CLICKED), 0);
    EXPECT_EQ(loaded.Controls().ListViewFolderItems().ListItems().Count(), 1);
}

} // namespace
