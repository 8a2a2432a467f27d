#include "dialogs/CommonDialogs.h"

#include "platform/Handles.h"
#include "platform/Win32.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsDialog(HWND window)
{
    wchar_t name[16] = L"";
    ::GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770" && ::IsWindowVisible(window);
}

HWND VisibleDialogOf(DWORD thread)
{
    HWND found = nullptr;
    ::EnumThreadWindows(thread, [](HWND window, LPARAM param) -> BOOL {
        if (!IsDialog(window)) {
            return TRUE;
        }
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Acts on the next dialog that the test's thread shows, from a second thread,
// as a user would while the test's thread sits in the dialog's modal loop.
// Whatever the action leaves open is cancelled, so no test can hang on a
// dialog; the driver stops looking once the test's call has returned.
class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit DialogDriver(Action action)
        : thread_(::GetCurrentThreadId()), worker_([this, action = std::move(action)] { Run(action); }) {}
    ~DialogDriver() { Finish(); }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Call once the dialog's call has returned. True when a dialog came up
    // and the action alone closed it.
    bool Finish()
    {
        stop_ = true;
        if (worker_.joinable()) {
            worker_.join();
        }
        return found_ && closedByAction_;
    }

private:
    void Run(const Action& action)
    {
        const HWND dialog = WaitForDialog();
        if (dialog == nullptr) {
            return;
        }
        found_ = true;
        action(dialog);
        closedByAction_ = WaitUntilGone(dialog);
        CancelLeftovers();
    }

    HWND WaitForDialog() const
    {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            if (const HWND dialog = VisibleDialogOf(thread_)) {
                return dialog;
            }
            std::this_thread::sleep_for(20ms);
        }
        return nullptr;
    }

    static bool WaitUntilGone(HWND dialog)
    {
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }

    void CancelLeftovers() const
    {
        while (!stop_) {
            if (const HWND dialog = VisibleDialogOf(thread_)) {
                ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            std::this_thread::sleep_for(100ms);
        }
    }

    DWORD thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    std::atomic<bool> closedByAction_{false};
    std::thread worker_;
};

void ClickButton(HWND dialog, int id)
{
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void PressOk(HWND dialog)
{
    ClickButton(dialog, IDOK);
}

void PressCancel(HWND dialog)
{
    ClickButton(dialog, IDCANCEL);
}

// What the folder browser shows while it is open.
struct BrowserView {
    bool ownedByOwner = false;
    bool ownerDisabled = false;
    bool okEnabled = false;
    bool showsTitle = false;
    std::wstring selected;
};

std::wstring SelectedTreeText(HWND dialog)
{
    const HWND tree = ::FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
    const auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item == nullptr) {
        return {};
    }
    std::wstring text(1024, L'\0');
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text.data();
    query.cchTextMax = static_cast<int>(text.size());
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return text.c_str();
}

bool HasChildShowing(HWND dialog, const std::wstring& text)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::IsWindowVisible(child) && WindowText(child) == text) {
            return true;
        }
    }
    return false;
}

BrowserView LookAt(HWND dialog, HWND owner, const std::wstring& title)
{
    BrowserView view;
    view.ownedByOwner = ::GetWindow(dialog, GW_OWNER) == owner;
    view.ownerDisabled = !::IsWindowEnabled(owner);
    view.okEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE;
    view.showsTitle = HasChildShowing(dialog, title);
    view.selected = SelectedTreeText(dialog);
    return view;
}

// A drive letter whose target is gone stands in for a drive without a
// medium: the shell lists the drive, but its volume cannot be read.
class UnreadyDrive {
public:
    explicit UnreadyDrive(const std::wstring& missingTarget) : name_(FreeDriveName()), target_(missingTarget)
    {
        defined_ = !name_.empty() && ::DefineDosDeviceW(0, name_.c_str(), target_.c_str());
    }
    ~UnreadyDrive()
    {
        if (defined_) {
            ::DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, name_.c_str(), target_.c_str());
        }
    }
    UnreadyDrive(const UnreadyDrive&) = delete;
    UnreadyDrive& operator=(const UnreadyDrive&) = delete;

    [[nodiscard]] bool Defined() const { return defined_; }
    [[nodiscard]] std::wstring Root() const { return name_ + L"\\"; }

private:
    static std::wstring FreeDriveName()
    {
        const DWORD used = ::GetLogicalDrives();
        for (wchar_t letter = L'Y'; letter >= L'D'; --letter) {
            if ((used & (1u << (letter - L'A'))) == 0) {
                return std::wstring(1, letter) + L":";
            }
        }
        return {};
    }

    std::wstring name_;
    std::wstring target_;
    bool defined_ = false;
};

std::wstring DefaultPrinter()
{
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    std::wstring name(size, L'\0');
    if (size == 0 || !::GetDefaultPrinterW(name.data(), &size)) {
        return {};
    }
    return name.c_str();
}

// A plain top-level window for the dialogs to belong to.
WindowHandle CreateOwner()
{
    return WindowHandle(::CreateWindowExW(0, L"STATIC", L"Varnook testeigenaar", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

class CommonDialogsTest : public testing::Test {
protected:
    CommonDialogsTest() { dialogs_.OwnerHwnd(owner_.Get()); }

    TempFolder temp_;
    WindowHandle owner_ = CreateOwner();
    CommonDialogs dialogs_;
};

} // namespace

TEST(CommonDialogsDefaults, PropertiesStartAsDocumented)
{
    const CommonDialogs dialogs;
    EXPECT_EQ(dialogs.FolderName(), L"");
    EXPECT_EQ(dialogs.Title(), L"");
    EXPECT_EQ(dialogs.OwnerHwnd(), nullptr);
    EXPECT_EQ(dialogs.FileName(), L"");
    EXPECT_EQ(dialogs.FileTitle(), L"");
    EXPECT_EQ(dialogs.FileExtension(), L"");
    EXPECT_EQ(dialogs.Filter(), L"");
    EXPECT_EQ(dialogs.FilterIndex(), 1);
    EXPECT_FALSE(dialogs.MultiSelect());
    EXPECT_EQ(dialogs.Color(), 0u);
    EXPECT_EQ(dialogs.CustomColors(), std::wstring(64, L'\0'));
    EXPECT_EQ(dialogs.FontName(), L"MS Sans Serif");
    EXPECT_EQ(dialogs.FontSize(), 8);
    EXPECT_FALSE(dialogs.FontBold());
    EXPECT_FALSE(dialogs.FontItalic());
    EXPECT_FALSE(dialogs.FontUnderline());
    EXPECT_FALSE(dialogs.FontStrikeout());
}

TEST(CommonDialogsDefaults, PrinterPropertiesAreEmptyWithoutAPrinter)
{
    if (!DefaultPrinter().empty()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    const CommonDialogs dialogs;
    EXPECT_EQ(dialogs.Copies(), 0);
    EXPECT_EQ(dialogs.Duplex(), 0);
    EXPECT_EQ(dialogs.Orientation(), 0);
    EXPECT_EQ(dialogs.PaperSize(), 0);
    EXPECT_EQ(dialogs.PaperSource(), 0);
    EXPECT_EQ(dialogs.PrintQuality(), 0);
    EXPECT_EQ(dialogs.PrinterName(), L"");
    EXPECT_EQ(dialogs.Port(), L"");
    EXPECT_EQ(dialogs.PrinterType(), L"");
}

TEST_F(CommonDialogsTest, BrowseCancelledKeepsTheFolder)
{
    const std::wstring start = temp_.MakeFolder(L"begin");
    dialogs_.FolderName(start);
    DialogDriver driver([&](HWND dialog) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(temp_.Path().c_str()));
        PressCancel(dialog);
    });
    EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::BrowseCancelled);
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(dialogs_.FolderName(), start);
}

TEST_F(CommonDialogsTest, BrowseOpensOnTheCurrentFolderOverItsOwnerWithTheTitle)
{
    const std::wstring start = temp_.MakeFolder(L"huidige map");
    dialogs_.FolderName(start);
    dialogs_.Title(start);
    BrowserView view;
    DialogDriver driver([&](HWND dialog) {
        view = LookAt(dialog, owner_.Get(), start);
        PressOk(dialog);
    });
    EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::FolderChosen);
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(view.selected, L"huidige map");
    EXPECT_TRUE(view.ownedByOwner);
    EXPECT_TRUE(view.ownerDisabled);
    EXPECT_TRUE(view.showsTitle);
    EXPECT_TRUE(::IsWindowEnabled(owner_.Get()));
    EXPECT_EQ(dialogs_.FolderName(), start);
}

TEST_F(CommonDialogsTest, BrowseChoosingAFolderMakesItTheFolder)
{
    const std::wstring start = temp_.MakeFolder(L"begin");
    struct Case {
        const wchar_t* name;
        std::wstring choice;
    };
    const Case cases[] = {
        {L"temp folder", temp_.MakeFolder(L"gekozen map")},
        {L"drive root keeps its backslash", L"C:\\"},
    };
    for (const auto& [name, choice] : cases) {
        SCOPED_TRACE(name);
        dialogs_.FolderName(start);
        BrowserView view;
        DialogDriver driver([&](HWND dialog) {
            ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(choice.c_str()));
            view = LookAt(dialog, owner_.Get(), L"");
            PressOk(dialog);
        });
        EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::FolderChosen);
        EXPECT_TRUE(driver.Finish());
        EXPECT_TRUE(view.okEnabled);
        EXPECT_EQ(dialogs_.FolderName(), choice);
    }
}

TEST_F(CommonDialogsTest, BrowseRefusesADriveThatCannotBeRead)
{
    const std::wstring start = temp_.MakeFolder(L"begin");
    const UnreadyDrive drive(temp_ / L"verdwenen");
    ASSERT_TRUE(drive.Defined());
    dialogs_.FolderName(start);
    BrowserView view;
    DialogDriver driver([&](HWND dialog) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(drive.Root().c_str()));
        view = LookAt(dialog, owner_.Get(), L"");
        PressOk(dialog);
    });
    EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::DriveUnreadable);
    EXPECT_TRUE(driver.Finish());
    EXPECT_NE(view.selected.find(drive.Root().substr(0, 2)), std::wstring::npos) << view.selected;
    EXPECT_EQ(dialogs_.FolderName(), start);
}
