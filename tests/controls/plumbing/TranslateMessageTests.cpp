#include "controls/plumbing/Subclassing.h"
#include "controls/plumbing/TranslateMessage.h"
#include "platform/Handles.h"
#include "platform/PendingMessages.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using plumbing::FilterTranslateAccelerator;
using plumbing::KeyFilterObject;

class Target final : public plumbing::KeyTarget {
public:
    explicit Target(HWND window) : window_(window) {}
    [[nodiscard]] HWND ControlHwnd() const override { return window_; }

private:
    HWND window_;
};

std::vector<WPARAM> keysReceived;

LRESULT CALLBACK RecordKeys(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_KEYDOWN || message == WM_KEYUP) {
        keysReceived.push_back(wparam);
    }
    return plumbing::Subclassing::CallPrevious(window, L"RecordKeysProc", message, wparam, lparam);
}

TEST(FilterTranslateAccelerator, EnterAndNavigationKeysGoToTheControlTabAndOthersTakeTheNormalPath)
{
    TestHostWindow host;
    const WindowHandle control(::CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, host.Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    plumbing::Subclassing recorder;
    recorder.SetOwnerHwnd(control.Get());
    recorder.SetWindowProc(L"RecordKeysProc");
    ASSERT_TRUE(recorder.Create(&RecordKeys));
    const Target target(control.Get());

    struct Case {
        UINT message;
        WPARAM key;
        bool handleSpecialKeys;
        bool translateSpecialKeys;
        HRESULT result;
        bool sent;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_DOWN, true, false, S_OK, true},
        {WM_KEYUP, VK_RETURN, true, false, S_OK, true},
        {WM_KEYDOWN, VK_HOME, true, false, S_OK, true},
        {WM_KEYDOWN, VK_NEXT, true, false, S_OK, true},
        {WM_KEYDOWN, VK_TAB, true, false, S_FALSE, false},
        {WM_KEYDOWN, 'A', true, false, S_FALSE, false},
        {WM_CHAR, VK_RETURN, true, false, S_FALSE, false},
        {WM_KEYDOWN, VK_DOWN, false, false, S_FALSE, true},
        {WM_KEYDOWN, VK_DOWN, true, true, S_FALSE, false},
    };
    for (const Case& c : cases) {
        keysReceived.clear();
        const KeyFilterObject filter{&target, c.handleSpecialKeys, c.translateSpecialKeys};
        const MSG message{control.Get(), c.message, c.key, 1};
        EXPECT_EQ(FilterTranslateAccelerator(filter, message), c.result) << c.key;
        EXPECT_EQ(keysReceived.size(), c.sent ? 1u : 0u) << c.key;
    }
}

constexpr int ListId = 100;
constexpr int ButtonId = 101;
bool returnNotified = false;

LRESULT CALLBACK RecordReturn(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == static_cast<UINT>(NM_RETURN)) {
        returnNotified = true;
    }
    return plumbing::Subclassing::CallPrevious(window, L"RecordReturnProc", message, wparam, lparam);
}

// A form with a list and a button, navigated as a dialog is.
class KeyRoutingTest : public testing::Test {
protected:
    void SetUp() override
    {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        list.Reset(::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 10, 10, 200, 150, host.Hwnd(),
            reinterpret_cast<HMENU>(ListId), instance, nullptr));
        button.Reset(::CreateWindowExW(0, WC_BUTTONW, L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 170, 80, 25,
            host.Hwnd(), reinterpret_cast<HMENU>(ButtonId), instance, nullptr));
        LVCOLUMNW column{LVCF_WIDTH, 0, 150};
        ::SendMessageW(list.Get(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
        for (int i = 0; i < 3; ++i) {
            std::wstring text = L"row" + std::to_wstring(i);
            LVITEMW item{LVIF_TEXT, i};
            item.pszText = text.data();
            ::SendMessageW(list.Get(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        LVITEMW first{LVIF_STATE, 0};
        first.state = first.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(list.Get(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));

        returnWatch.SetOwnerHwnd(host.Hwnd());
        returnWatch.SetWindowProc(L"RecordReturnProc");
        returnWatch.Create(&RecordReturn);
        returnNotified = false;

        target = Target(list.Get());
        translator.SetControl(&target);
        translator.SetHandleSpecialKeys(true);
        translator.Create(&FilterTranslateAccelerator);
        PendingMessages::AddNavigation(host.Hwnd());
        ::SetFocus(list.Get());
        translator.Translate();
    }

    void TearDown() override { PendingMessages::RemoveNavigation(host.Hwnd()); }

    void Press(WPARAM key)
    {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        (void)PendingMessages::Process();
    }

    [[nodiscard]] int FocusedRow() const
    {
        return static_cast<int>(::SendMessageW(list.Get(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }

    TestHostWindow host;
    WindowHandle list;
    WindowHandle button;
    plumbing::Subclassing returnWatch;
    Target target{nullptr};
    plumbing::TranslateMessage translator;
};

TEST_F(KeyRoutingTest, EnterAndArrowsReachTheListWhileTabStillMovesTheFocus)
{
    ASSERT_EQ(::GetFocus(), list.Get());
    Press(VK_DOWN);
    EXPECT_EQ(FocusedRow(), 1);
    Press(VK_RETURN);
    EXPECT_TRUE(returnNotified);
    Press(VK_TAB);
    EXPECT_EQ(::GetFocus(), button.Get());
}

TEST_F(KeyRoutingTest, WithoutTheFilterDialogNavigationTakesEnterFromTheList)
{
    translator.Destroy();
    // Neither the focus coming back nor building the filter again hands it
    // the keys: only a Translate after the Create does.
    translator.Translate();
    translator.Create(&FilterTranslateAccelerator);
    Press(VK_RETURN);
    EXPECT_FALSE(returnNotified);
}

} // namespace
