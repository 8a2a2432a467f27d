#include "app/PlatformWindowServices.h"

#include "platform/Handles.h"
#include "support/ActionWindow.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const wchar_t* Title = L"Pellonar Varnook";

class PlatformWindowServicesTest : public testing::Test {
protected:
    void TearDown() override { ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW)); }

    WindowHandle owner{::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
        ::GetModuleHandleW(nullptr), nullptr)};
    PlatformWindowServices services{owner.Get(), Title};
    ActionWindow actions;
};

struct SeenBox {
    std::wstring caption;
    std::wstring text;
    bool hasOk = false;
    bool hasYesNo = false;
};

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

TEST_F(PlatformWindowServicesTest, WarningCarriesTheTitleAndReturnsTheButtonChosen)
{
    struct Case {
        MessageBoxButtons buttons;
        int pressed;
        MessageBoxChoice expected;
    };
    const Case cases[] = {
        {MessageBoxButtons::Ok, IDOK, MessageBoxChoice::Ok},
        {MessageBoxButtons::YesNo, IDYES, MessageBoxChoice::Yes},
        {MessageBoxButtons::YesNo, IDNO, MessageBoxChoice::No},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        actions.After(50, [&] {
            const HWND box = ::FindWindowW(L"#32770", Title);
            ASSERT_NE(box, nullptr);
            seen.caption = WindowText(box);
            seen.text = WindowText(::GetDlgItem(box, 0xFFFF));
            seen.hasOk = ::GetDlgItem(box, IDOK) != nullptr;
            seen.hasYesNo = ::GetDlgItem(box, IDYES) != nullptr && ::GetDlgItem(box, IDNO) != nullptr;
            ::SendMessageW(::GetDlgItem(box, c.pressed), BM_CLICK, 0, 0);
        });
        const MessageBoxChoice choice = services.ShowWarning(L"1 ontoegankelijk object gevonden", c.buttons);
        EXPECT_EQ(choice, c.expected) << c.pressed;
        EXPECT_EQ(seen.caption, Title);
        EXPECT_EQ(seen.text, L"1 ontoegankelijk object gevonden");
        EXPECT_EQ(seen.hasYesNo, c.buttons == MessageBoxButtons::YesNo);
        EXPECT_EQ(seen.hasOk, c.buttons == MessageBoxButtons::Ok);
    }
}

TEST_F(PlatformWindowServicesTest, PendingMessagesAreHandledBeforeReturning)
{
    int ran = 0;
    actions.Post([&] { ++ran; });
    actions.Post([&] { ++ran; });
    EXPECT_TRUE(services.ProcessPendingMessages());
    EXPECT_EQ(ran, 2);
}

TEST_F(PlatformWindowServicesTest, HourglassShowsUntilTheDefaultPointerIsBack)
{
    // The default pointer is the arrow, not whatever showed before the hourglass.
    ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
    EXPECT_EQ(services.GetMousePointer(), MousePointer::Default);
    services.SetMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(services.GetMousePointer(), MousePointer::Hourglass);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_WAIT));
    services.SetMousePointer(MousePointer::Default);
    EXPECT_EQ(services.GetMousePointer(), MousePointer::Default);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(PlatformWindowServicesTest, FocusAndRepaintReachTheWindow)
{
    ::ShowWindow(owner.Get(), SW_SHOW);
    services.SetFocus();
    EXPECT_EQ(::GetFocus(), owner.Get());
    ::InvalidateRect(owner.Get(), nullptr, TRUE);
    services.Repaint();
    EXPECT_FALSE(::GetUpdateRect(owner.Get(), nullptr, FALSE));
}

TEST_F(PlatformWindowServicesTest, ShellRequestsOnMissingItemsFailQuietly)
{
    const TempFolder folder;
    EXPECT_FALSE(services.OpenDocument(folder / L"missing.txt", {}));
    EXPECT_FALSE(services.OpenDocument(L"missing.txt", folder.Path()));
    EXPECT_FALSE(services.ShowProperties(folder / L"missing.txt"));
}

// The shell opens no path of 260 characters or more; its short form it does.
TEST_F(PlatformWindowServicesTest, AlongPathReachesTheShellInItsShortForm)
{
    const TempFolder folder;
    const std::wstring deep = folder.MakeFile(
        std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b') + L"\\" + std::wstring(40, L'c') + L".txt", "x");
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    const std::optional<std::wstring> shell = PlatformWindowServices::ShellPath(deep);
    ASSERT_TRUE(shell.has_value());
    EXPECT_LT(shell->size(), static_cast<size_t>(MAX_PATH));
    EXPECT_TRUE(TempFolder::Exists(*shell));
    EXPECT_EQ(PlatformWindowServices::ShellPath(folder.Path()), folder.Path());
}

} // namespace
