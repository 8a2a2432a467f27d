#include "about/FormAbout.h"

#include "controls/host/FontDesc.h"
#include "controls/plumbing/Subclassing.h"
#include "platform/Handles.h"
#include "resource.h"
#include "support/ActionWindow.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(window, text, 256);
    return text;
}

RECT ClientRectOf(HWND parent, HWND child)
{
    RECT bounds{};
    ::GetWindowRect(child, &bounds);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

LOGFONTW FontOf(HWND window)
{
    LOGFONTW logical{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(logical), &logical);
    return logical;
}

TEST(FormAbout, TakesItsTextsFromTheProgramAndTheMenuEntry)
{
    EXPECT_EQ(FormAbout::ApplicationLine(ProgramInfo()), L"Varnook 1.0");
    EXPECT_EQ(FormAbout::CaptionFor(L"&Over Varnook..."), L"Over Varnook");
    EXPECT_EQ(FormAbout::CaptionFor(L"&About Varnook..."), L"About Varnook");
}

// Records whether the owner was enabled again when About went.
HWND watchedOwner = nullptr;
int ownerEnabledAtDestroy = -1;

LRESULT CALLBACK WatchDestroy(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_DESTROY) {
        ownerEnabledAtDestroy = ::IsWindowEnabled(watchedOwner) ? 1 : 0;
    }
    return plumbing::Subclassing::CallPrevious(window, L"WatchDestroyProc", message, wparam, lparam);
}

// About filled as the main window fills it, shown over a test window.
class FormAboutTest : public testing::Test {
protected:
    FormAboutTest()
    {
        about.SetApplication(FormAbout::ApplicationLine(program));
        about.SetCopyright(program.LegalCopyright());
        about.SetWebsite(FormAbout::MakerWebsite);
        about.SetIcon2(IconRef{IDI_VARNOOK});
        about.SetCaption(FormAbout::CaptionFor(L"&Over Varnook..."));
        about.SetOpener([this](HWND, const std::wstring& address) {
            opened.push_back(address);
            cursorWhileOpening = ::GetCursor();
        });
    }

    // Runs `check` while About is up, then sends it `close`; returns once it has closed.
    void WhileShown(const std::function<void(HWND about)>& check, UINT closeKey = 0)
    {
        actions.After(50, [&] {
            check(about.Hwnd());
            const HWND ok = ::GetDlgItem(about.Hwnd(), IDOK);
            if (closeKey != 0) {
                ::PostMessageW(::GetFocus(), WM_KEYDOWN, closeKey, 1);
            } else {
                ::SendMessageW(ok, BM_CLICK, 0, 0);
            }
        });
        // A test whose closing failed must not hang the suite.
        actions.After(10'000, [this] { ::PostMessageW(about.Hwnd(), WM_CLOSE, 0, 0); });
        about.ShowModal(owner.Hwnd());
    }

    TestHostWindow owner;
    ProgramInfo program;
    FormAbout about;
    ActionWindow actions;
    std::vector<std::wstring> opened;
    HCURSOR cursorWhileOpening = nullptr;
};

TEST_F(FormAboutTest, IsModalToItsOwnerAndOkClosesIt)
{
    bool ownerEnabledWhileShown = true;
    HWND ownerOfAbout = nullptr;
    std::vector<std::wstring> texts;
    plumbing::Subclassing destroyWatch;
    watchedOwner = owner.Hwnd();
    ownerEnabledAtDestroy = -1;
    WhileShown([&](HWND window) {
        ownerEnabledWhileShown = ::IsWindowEnabled(owner.Hwnd()) != FALSE;
        ownerOfAbout = ::GetWindow(window, GW_OWNER);
        texts = {TextOf(window), TextOf(::GetDlgItem(window, FormAbout::IdApplication)),
            TextOf(::GetDlgItem(window, FormAbout::IdCopyright)), TextOf(::GetDlgItem(window, FormAbout::IdWebsite))};
        destroyWatch.SetOwnerHwnd(window);
        destroyWatch.SetWindowProc(L"WatchDestroyProc");
        destroyWatch.Create(&WatchDestroy);
    });
    EXPECT_FALSE(ownerEnabledWhileShown);
    EXPECT_EQ(ownerOfAbout, owner.Hwnd());
    EXPECT_EQ(texts,
        (std::vector<std::wstring>{
            L"Over Varnook", L"Varnook 1.0", program.LegalCopyright(), L"https://pellonar.example/varnook"}));
    EXPECT_NE(program.LegalCopyright().find(L"\u00A9"), std::wstring::npos);
    EXPECT_EQ(ownerEnabledAtDestroy, 1);
    EXPECT_TRUE(::IsWindowEnabled(owner.Hwnd()));
    EXPECT_EQ(about.Hwnd(), nullptr);
}

TEST_F(FormAboutTest, TheLinkIsItsUnderlinedTextUnderAHandAndOpensTheAddress)
{
    const std::wstring face = FontDesc::MessageFont().Face;
    WhileShown([&](HWND window) {
        const LOGFONTW label = FontOf(::GetDlgItem(window, FormAbout::IdApplication));
        EXPECT_EQ(label.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(label.lfFaceName, face);

        const HWND link = ::GetDlgItem(window, FormAbout::IdWebsite);
        EXPECT_TRUE(FontOf(link).lfUnderline);
        const WindowDc dc(link);
        const SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(link, WM_GETFONT, 0, 0)));
        SIZE extent{};
        const std::wstring address = FormAbout::MakerWebsite;
        ::GetTextExtentPoint32W(dc.Get(), address.c_str(), static_cast<int>(address.size()), &extent);
        const RECT bounds = ClientRectOf(window, link);
        EXPECT_EQ(bounds.right - bounds.left, extent.cx);

        ::SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
        ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        ::SendMessageW(link, WM_LBUTTONUP, 0, 0);
        // The hourglass while the address opens, then the hand it found.
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
        EXPECT_TRUE(::IsWindowVisible(window));
    });
    EXPECT_EQ(opened, std::vector<std::wstring>{L"https://pellonar.example/varnook"});
    EXPECT_EQ(cursorWhileOpening, ::LoadCursorW(nullptr, IDC_WAIT));
}

TEST_F(FormAboutTest, IsLaidOutInPixelsForItsDpiAndEscapeClosesIt)
{
    about.SetDpi(144);
    // An owner disabled before About came stays so after it.
    ::EnableWindow(owner.Hwnd(), FALSE);
    RECT client{};
    RECT ok{};
    WhileShown(
        [&](HWND window) {
            ::GetClientRect(window, &client);
            ok = ClientRectOf(window, ::GetDlgItem(window, IDOK));
        },
        VK_ESCAPE);
    EXPECT_EQ(client.right, 506);
    EXPECT_EQ(client.bottom, 176);
    EXPECT_EQ(ok.left, 192);
    EXPECT_EQ(ok.top, 128);
    EXPECT_EQ(ok.right - ok.left, 122);
    EXPECT_EQ(ok.bottom - ok.top, 37);
    EXPECT_EQ(about.Hwnd(), nullptr);
    EXPECT_FALSE(::IsWindowEnabled(owner.Hwnd()));
}

} // namespace
