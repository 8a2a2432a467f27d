#include "dialogs/FormMoreOptions.h"

#include "dialogs/DialogDriver.h"
#include "support/ActionWindow.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Ids = FormMoreOptions;

// The lists' positions, the check boxes and the shift's edits, as shown.
std::vector<std::wstring> Shown(HWND window)
{
    std::vector<std::wstring> shown;
    for (const int id : {Ids::IdExtension, Ids::IdSource, Ids::IdShiftSign}) {
        shown.push_back(std::to_wstring(::SendDlgItemMessageW(window, id, CB_GETCURSEL, 0, 0)));
    }
    for (const int id : {Ids::IdWordBreaks, Ids::IdCreated, Ids::IdAccessed, Ids::IdWritten}) {
        shown.push_back(::IsDlgButtonChecked(window, id) == BST_CHECKED ? L"x" : L"-");
    }
    for (const int id : {Ids::IdDays, Ids::IdHours, Ids::IdMinutes, Ids::IdSeconds}) {
        shown.push_back(WindowText(::GetDlgItem(window, id)));
    }
    return shown;
}

void Click(HWND window, int id)
{
    ::SendDlgItemMessageW(window, id, BM_CLICK, 0, 0);
}

// Through the modal loop's dialog navigation, as a key the user pressed.
void PressKey(UINT key)
{
    ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
}

bool OkEnabled(HWND window)
{
    return ::IsWindowEnabled(::GetDlgItem(window, IDOK)) != FALSE;
}

class FormMoreOptionsTest : public testing::Test {
protected:
    using Step = std::function<void(HWND window)>;

    // Shows `rules` over a test window and takes `steps` once it is up, each
    // after the keys the one before pressed were handled; the last closes
    // the window. Returns what ShowModal returned.
    bool WhileShown(RunRules& rules, const std::vector<Step>& steps)
    {
        for (size_t step = 0; step < steps.size(); ++step) {
            actions.After(static_cast<UINT>(50 * (step + 1)), [this, action = steps[step]] { action(options.Hwnd()); });
        }
        // A test whose closing failed must not hang the suite.
        actions.After(10'000, [this] { ::PostMessageW(options.Hwnd(), WM_CLOSE, 0, 0); });
        return options.ShowModal(owner.Hwnd(), rules);
    }

    TestHostWindow owner;
    FormMoreOptions options;
    ActionWindow actions;
};

TEST_F(FormMoreOptionsTest, ShowsTheRulesItIsGivenAndCancellingLeavesThem)
{
    RunRules rules{
        RunRules::Extension::Upper, L"-", RunRules::Created | RunRules::Written, RunRules::TimeSource::Name, -90061};
    const RunRules given = rules;
    std::vector<std::wstring> shown;
    bool ownerDisabled = false;
    EXPECT_FALSE(WhileShown(rules, {[&](HWND window) {
        shown = Shown(window);
        ownerDisabled = !::IsWindowEnabled(owner.Hwnd()) && WindowText(window) == L"Meer opties";
        Click(window, Ids::IdAccessed);
        PressKey(VK_ESCAPE);
    }}));
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"2", L"3", L"1", L"x", L"x", L"-", L"x", L"1", L"1", L"1", L"1"}));
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.Hwnd()));
    EXPECT_EQ(rules, given);

    // Enter on a focused Annuleren cancels too.
    EXPECT_FALSE(WhileShown(rules, {[](HWND window) {
        ::SendDlgItemMessageW(window, Ids::IdExtension, CB_SETCURSEL, 1, 0);
        ::SetFocus(::GetDlgItem(window, IDCANCEL));
        PressKey(VK_RETURN);
    }}));
    EXPECT_EQ(rules, given);
    EXPECT_EQ(options.Hwnd(), nullptr);
}

TEST_F(FormMoreOptionsTest, OkWaitsForATimeThenReturnsTheRulesWithTheShiftJoinedAndClamped)
{
    RunRules rules;
    std::vector<bool> okEnabled;
    EXPECT_TRUE(WhileShown(rules,
        {[&](HWND window) {
             for (const int id : {Ids::IdCreated, Ids::IdAccessed, Ids::IdWritten}) {
                 Click(window, id);
             }
             okEnabled.push_back(OkEnabled(window));
             PressKey(VK_RETURN);
         },
            [&](HWND window) {
                Click(window, Ids::IdWritten);
                okEnabled.push_back(OkEnabled(window));
                ::SendDlgItemMessageW(window, Ids::IdExtension, CB_SETCURSEL, 3, 0);
                ::SendDlgItemMessageW(window, Ids::IdSource, CB_SETCURSEL, 2, 0);
                ::SendDlgItemMessageW(window, Ids::IdShiftSign, CB_SETCURSEL, 1, 0);
                ::SetDlgItemTextW(window, Ids::IdDays, L"12345");
                ::SetDlgItemTextW(window, Ids::IdHours, L"");
                ::SetDlgItemTextW(window, Ids::IdMinutes, L"75");
                ::SetDlgItemTextW(window, Ids::IdSeconds, L"7");
                PressKey(VK_RETURN);
            }}));
    EXPECT_EQ(okEnabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(rules,
        (RunRules{RunRules::Extension::Keep, L"", RunRules::Written, RunRules::TimeSource::Photo,
            -(9999 * 86400 + 59 * 60 + 7)}));
}

TEST_F(FormMoreOptionsTest, TheWordBreakBoxOffersKeepsOrClearsTheCharacters)
{
    const std::wstring punctuation = RunRules::PunctuationBreaks;
    // Before, whether the box is clicked, after.
    for (const auto& [before, click, after] : std::vector<std::tuple<std::wstring, bool, std::wstring>>{
             {L"", true, punctuation}, {L"-", false, L"-"}, {punctuation, true, L""}}) {
        RunRules rules;
        rules.WordBreaks = before;
        EXPECT_TRUE(WhileShown(rules, {[&, click = click](HWND window) {
            if (click) {
                Click(window, Ids::IdWordBreaks);
            }
            Click(window, IDOK);
        }}));
        EXPECT_EQ(rules.WordBreaks, after) << testing::PrintToString(before);
    }
}

// The window is no dialog: Tab follows the order the controls were made in,
// and the arrows and a label's access key move the focus only through the
// window's own handling.
TEST_F(FormMoreOptionsTest, TheKeyboardReachesEveryControl)
{
    options.SetDpi(144);
    RunRules rules;
    std::vector<int> tabOrder;
    std::vector<int> focus;
    EXPECT_TRUE(WhileShown(rules,
        {[&](HWND window) {
             const HWND first = ::GetFocus();
             HWND control = first;
             do {
                 tabOrder.push_back(::GetDlgCtrlID(control));
                 control = ::GetNextDlgTabItem(window, control, FALSE);
             } while (control != first && tabOrder.size() < 20);
             ::SetFocus(::GetDlgItem(window, Ids::IdWritten));
             PressKey(VK_DOWN);
         },
            [&](HWND) {
                focus.push_back(::GetDlgCtrlID(::GetFocus()));
                ::PostMessageW(::GetFocus(), WM_SYSCHAR, L'v', 1 << 29);
            },
            [&](HWND window) {
                focus.push_back(::GetDlgCtrlID(::GetFocus()));
                ::SetFocus(::GetDlgItem(window, Ids::IdMinutes));
                PressKey(VK_UP);
            },
            [](HWND) { PressKey(VK_RETURN); }}));
    EXPECT_EQ(tabOrder,
        (std::vector<int>{Ids::IdExtension, Ids::IdWordBreaks, Ids::IdCreated, Ids::IdAccessed, Ids::IdWritten,
            Ids::IdSource, Ids::IdShiftSign, Ids::IdDays, Ids::IdHours, Ids::IdMinutes, Ids::IdSeconds, IDOK,
            IDCANCEL}));
    EXPECT_EQ(focus, (std::vector<int>{Ids::IdCreated, Ids::IdShiftSign}));
    EXPECT_EQ(rules.ShiftSeconds, 60);
}

} // namespace
