#include "dialogs/CommonDialogs.h"

#include "dialogs/DialogDriver.h"
#include "platform/Handles.h"
#include "platform/Win32.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

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

// How the browser's tree names a folder: a drive root by its letter in
// brackets, after the volume label, any other folder by its own name.
std::wstring TreeNameOf(const std::wstring& folder)
{
    if (folder.size() == 3 && folder.substr(1) == L":\\") {
        return L"(" + folder.substr(0, 2) + L")";
    }
    return folder.substr(folder.find_last_of(L'\\') + 1);
}

// Selects a folder as the user would by clicking it in the tree, and tells
// whether the tree shows it selected then. The platform's browser now and
// then ignores the first request, and sometimes does not find a sibling of
// the folder it opened on, so tests choose folders above that one.
bool SelectInBrowser(HWND dialog, const std::wstring& folder)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
        if (SelectedTreeText(dialog).find(TreeNameOf(folder)) != std::wstring::npos) {
            return true;
        }
        ::Sleep(100);
    }
    return false;
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

// A printer on the platform's own PostScript driver that prints to a file,
// the default printer while the object lives. It is only made where there
// is no default printer, so that a real one is never disturbed.
class TestPrinter {
public:
    static constexpr const wchar_t* Name = L"Varnook Testprinter";
    static constexpr const wchar_t* Port = L"FILE:";
    static constexpr const wchar_t* Driver = L"Wine PostScript Driver";

    TestPrinter()
    {
        if (!DefaultPrinter().empty()) {
            return;
        }
        addedDriver_ = !HasDriver() && AddDriver();
        std::wstring name = Name, port = Port, driver = Driver, processor = L"WinPrint", datatype = L"RAW";
        PRINTER_INFO_2W info{};
        info.pPrinterName = name.data();
        info.pPortName = port.data();
        info.pDriverName = driver.data();
        info.pPrintProcessor = processor.data();
        info.pDatatype = datatype.data();
        printer_ = ::AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        ready_ = printer_ != nullptr && ::SetDefaultPrinterW(Name);
    }
    ~TestPrinter()
    {
        if (printer_ != nullptr) {
            ::DeletePrinter(printer_);
            ::ClosePrinter(printer_);
        }
        if (addedDriver_) {
            std::wstring driver = Driver;
            ::DeletePrinterDriverW(nullptr, nullptr, driver.data());
        }
    }
    TestPrinter(const TestPrinter&) = delete;
    TestPrinter& operator=(const TestPrinter&) = delete;

    [[nodiscard]] bool Ready() const { return ready_; }

private:
    static bool HasDriver()
    {
        DWORD needed = 0;
        DWORD count = 0;
        ::EnumPrinterDriversW(nullptr, nullptr, 1, nullptr, 0, &needed, &count);
        std::vector<DRIVER_INFO_1W> drivers(needed / sizeof(DRIVER_INFO_1W) + 1);
        if (!::EnumPrinterDriversW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(drivers.data()),
                static_cast<DWORD>(drivers.size() * sizeof(DRIVER_INFO_1W)), &needed, &count)) {
            return false;
        }
        return std::any_of(drivers.begin(), drivers.begin() + count,
            [](const DRIVER_INFO_1W& driver) { return std::wstring(driver.pName) == Driver; });
    }

    static bool AddDriver()
    {
        std::wstring name = Driver, module = L"wineps.drv", data = L"generic.ppd";
        std::wstring dependencies(L"pscript5.dll\0", 13);
        DRIVER_INFO_3W driver{};
        driver.cVersion = 3;
        driver.pName = name.data();
        driver.pDriverPath = module.data();
        driver.pDataFile = data.data();
        driver.pConfigFile = module.data();
        driver.pDependentFiles = dependencies.data();
        return ::AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) != FALSE;
    }

    HANDLE printer_ = nullptr;
    bool addedDriver_ = false;
    bool ready_ = false;
};

// A scalable screen font that the font dialog lists, whatever fonts the
// machine has; the platform's own fallback faces are not listed there.
std::wstring ScalableScreenFont()
{
    std::vector<std::wstring> faces;
    const WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(
        screen.Get(), &query,
        [](const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM param) -> int {
            if ((type & TRUETYPE_FONTTYPE) != 0 && font->lfFaceName[0] != L'@') {
                reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(font->lfFaceName);
            }
            return 1;
        },
        reinterpret_cast<LPARAM>(&faces), 0);
    if (std::find(faces.begin(), faces.end(), L"DejaVu Sans") != faces.end()) {
        return L"DejaVu Sans";
    }
    return faces.empty() ? std::wstring() : *std::min_element(faces.begin(), faces.end());
}

class CommonDialogsTest : public testing::Test {
protected:
    CommonDialogsTest() { dialogs_.SetOwnerHwnd(owner_.Get()); }

    TempFolder temp_;
    DialogOwner owner_;
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
    dialogs_.SetFolderName(start);
    bool selected = false;
    DialogDriver driver(owner_, [&](HWND dialog) {
        selected = SelectInBrowser(dialog, temp_.Path());
        PressCancel(dialog);
    });
    EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::BrowseCancelled);
    EXPECT_TRUE(driver.Finish());
    EXPECT_TRUE(selected);
    EXPECT_EQ(dialogs_.FolderName(), start);
}

TEST_F(CommonDialogsTest, BrowseOpensOnTheCurrentFolderOverItsOwnerWithTheTitle)
{
    const std::wstring start = temp_.MakeFolder(L"huidige map");
    dialogs_.SetFolderName(start);
    dialogs_.SetTitle(start);
    BrowserView view;
    DialogDriver driver(owner_, [&](HWND dialog) {
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
        {L"temp folder", temp_.Path()},
        {L"drive root keeps its backslash", L"C:\\"},
    };
    for (const auto& [name, choice] : cases) {
        SCOPED_TRACE(name);
        dialogs_.SetFolderName(start);
        bool selected = false;
        BrowserView view;
        DialogDriver driver(owner_, [&](HWND dialog) {
            selected = SelectInBrowser(dialog, choice);
            view = LookAt(dialog, owner_.Get(), L"");
            PressOk(dialog);
        });
        EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::FolderChosen);
        EXPECT_TRUE(driver.Finish());
        EXPECT_TRUE(selected);
        EXPECT_TRUE(view.okEnabled);
        EXPECT_EQ(dialogs_.FolderName(), choice);
    }
}

TEST_F(CommonDialogsTest, BrowseRefusesADriveThatCannotBeRead)
{
    const std::wstring start = temp_.MakeFolder(L"begin");
    const UnreadyDrive drive(temp_ / L"verdwenen");
    ASSERT_TRUE(drive.Defined());
    dialogs_.SetFolderName(start);
    bool selected = false;
    DialogDriver driver(owner_, [&](HWND dialog) {
        selected = SelectInBrowser(dialog, drive.Root());
        PressOk(dialog);
    });
    EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::DriveUnreadable);
    EXPECT_TRUE(driver.Finish());
    EXPECT_TRUE(selected);
    EXPECT_EQ(dialogs_.FolderName(), start);
}

TEST_F(CommonDialogsTest, BrowseWithoutAUsableFolderOpensWithNothingSelected)
{
    for (const std::wstring& folder : {std::wstring(), temp_ / L"bestaat niet"}) {
        SCOPED_TRACE(folder);
        dialogs_.SetFolderName(folder);
        BrowserView view;
        DialogDriver driver(owner_, [&](HWND dialog) {
            view = LookAt(dialog, owner_.Get(), L"");
            PressCancel(dialog);
        });
        EXPECT_EQ(dialogs_.ShowBrowse(), CommonDialogs::BrowseCancelled);
        EXPECT_TRUE(driver.Finish());
        EXPECT_EQ(view.selected, L"");
        EXPECT_EQ(dialogs_.FolderName(), folder);
    }
}

TEST_F(CommonDialogsTest, OpenCancelledKeepsTheFile)
{
    dialogs_.SetFolderName(temp_.Path());
    dialogs_.SetFileName(temp_.MakeFile(L"begin.txt"));
    DialogDriver driver(owner_, PressCancel);
    EXPECT_FALSE(dialogs_.ShowOpen());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(dialogs_.FileName(), temp_ / L"begin.txt");
    EXPECT_EQ(dialogs_.FileTitle(), L"");
}

TEST_F(CommonDialogsTest, OpenConfirmedGivesTheFileItsTitleAndTheFilter)
{
    temp_.MakeFile(L"gekozen.txt");
    dialogs_.SetFolderName(temp_.Path());
    dialogs_.SetFileName(L"gekozen.txt");
    dialogs_.SetFilter(L"Tekst (*.txt)|*.txt|Alles (*.*)|*.*");
    dialogs_.SetFilterIndex(2);
    DialogDriver driver(owner_, PressOk);
    EXPECT_TRUE(dialogs_.ShowOpen());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(dialogs_.FileName(), temp_ / L"gekozen.txt");
    EXPECT_EQ(dialogs_.FileTitle(), L"gekozen.txt");
    EXPECT_EQ(dialogs_.FilterIndex(), 2);
}

TEST_F(CommonDialogsTest, OpenWithMultiSelectGivesTheFolderAndEachName)
{
    temp_.MakeFile(L"een.txt");
    temp_.MakeFile(L"twee.txt");
    dialogs_.SetFolderName(temp_.Path());
    dialogs_.SetFileName(L"\"een.txt\" \"twee.txt\"");
    dialogs_.SetMultiSelect(true);
    DialogDriver driver(owner_, PressOk);
    EXPECT_TRUE(dialogs_.ShowOpen());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(dialogs_.FileName(), temp_.Path() + L'\0' + L"een.txt" + L'\0' + L"twee.txt");
}

TEST_F(CommonDialogsTest, SaveAcceptsANewFileAndAddsTheExtension)
{
    dialogs_.SetFolderName(temp_.Path());
    dialogs_.SetFileName(L"nieuw");
    dialogs_.SetFileExtension(L"txt");
    DialogDriver driver(owner_, PressOk);
    EXPECT_TRUE(dialogs_.ShowSave());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(dialogs_.FileName(), temp_ / L"nieuw.txt");
    EXPECT_EQ(dialogs_.FileTitle(), L"nieuw.txt");
    EXPECT_FALSE(TempFolder::Exists(temp_ / L"nieuw.txt"));
}

TEST_F(CommonDialogsTest, ColorConfirmedGivesTheChosenAndCustomColors)
{
    std::wstring custom(64, L'\0');
    custom[4] = 11;
    custom[5] = 22;
    custom[6] = 33;
    custom[63] = 0xFF;
    dialogs_.SetColor(RGB(12, 34, 56));
    dialogs_.SetCustomColors(custom);
    std::wstring startRed;
    DialogDriver driver(owner_, [&](HWND dialog) {
        startRed = WindowText(::GetDlgItem(dialog, 706));
        ::SetDlgItemInt(dialog, 706, 200, FALSE);
        ClickButton(dialog, 712);
        PressOk(dialog);
    });
    EXPECT_TRUE(dialogs_.ShowColor());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(startRed, L"12");
    EXPECT_EQ(dialogs_.Color(), RGB(200, 34, 56));
    std::wstring expected = custom;
    expected[0] = 200;
    expected[1] = 34;
    expected[2] = 56;
    EXPECT_EQ(dialogs_.CustomColors(), expected);
}

TEST_F(CommonDialogsTest, ColorCancelledKeepsTheColors)
{
    dialogs_.SetColor(RGB(12, 34, 56));
    DialogDriver driver(owner_, [&](HWND dialog) {
        ::SetDlgItemInt(dialog, 706, 200, FALSE);
        ClickButton(dialog, 712);
        PressCancel(dialog);
    });
    EXPECT_FALSE(dialogs_.ShowColor());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(dialogs_.Color(), RGB(12, 34, 56));
    EXPECT_EQ(dialogs_.CustomColors(), std::wstring(64, L'\0'));
}

TEST_F(CommonDialogsTest, FontConfirmedGivesTheChosenFont)
{
    const std::wstring face = ScalableScreenFont();
    ASSERT_FALSE(face.empty());
    dialogs_.SetFontName(face);
    dialogs_.SetFontSize(12);
    dialogs_.SetFontBold(true);
    dialogs_.SetFontItalic(true);
    dialogs_.SetFontUnderline(true);
    dialogs_.SetFontStrikeout(true);
    dialogs_.SetColor(RGB(128, 0, 0));
    std::wstring startFace;
    std::wstring startSize;
    DialogDriver driver(owner_, [&](HWND dialog) {
        startFace = WindowText(::GetDlgItem(dialog, 1136));
        startSize = WindowText(::GetDlgItem(dialog, 1138));
        const HWND sizes = ::GetDlgItem(dialog, 1138);
        ::SendMessageW(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"14"));
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(1138, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
        ::SendDlgItemMessageW(dialog, 1040, BM_SETCHECK, BST_UNCHECKED, 0);
        ClickButton(dialog, 1040);
        PressOk(dialog);
    });
    EXPECT_TRUE(dialogs_.ShowFont());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(startFace, face);
    EXPECT_EQ(startSize, L"12");
    EXPECT_EQ(dialogs_.FontName(), face);
    EXPECT_EQ(dialogs_.FontSize(), 14);
    EXPECT_TRUE(dialogs_.FontBold());
    EXPECT_TRUE(dialogs_.FontItalic());
    EXPECT_TRUE(dialogs_.FontUnderline());
    EXPECT_FALSE(dialogs_.FontStrikeout());
    EXPECT_EQ(dialogs_.Color(), RGB(128, 0, 0));
}

TEST_F(CommonDialogsTest, PrintWithoutAPrinterChangesNothing)
{
    if (!DefaultPrinter().empty()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    std::wstring warning;
    DialogDriver driver(owner_, [&](HWND dialog) {
        warning = WindowText(::GetDlgItem(dialog, 0xFFFF));
        PressOk(dialog);
    });
    EXPECT_FALSE(dialogs_.ShowPrint());
    EXPECT_TRUE(driver.Finish());
    EXPECT_NE(warning, L"");
    EXPECT_EQ(dialogs_.PrinterName(), L"");
    EXPECT_EQ(dialogs_.Copies(), 0);
}

TEST(CommonDialogsPrinter, ConstructionReadsTheDefaultPrinter)
{
    const TestPrinter printer;
    if (!printer.Ready()) {
        GTEST_SKIP() << "no test printer can be made here";
    }
    const CommonDialogs dialogs;
    EXPECT_EQ(dialogs.PrinterName(), TestPrinter::Name);
    EXPECT_EQ(dialogs.Port(), TestPrinter::Port);
    EXPECT_EQ(dialogs.PrinterType(), TestPrinter::Driver);
}

TEST(CommonDialogsPrinter, PrintSetupOpensOnThePrinterAndCancelKeepsIt)
{
    const TestPrinter printer;
    if (!printer.Ready()) {
        GTEST_SKIP() << "no test printer can be made here";
    }
    DialogOwner owner;
    CommonDialogs dialogs;
    dialogs.SetOwnerHwnd(owner.Get());
    std::wstring shownName;
    std::wstring shownType;
    std::wstring shownPort;
    DialogDriver driver(owner, [&](HWND dialog) {
        shownName = WindowText(::GetDlgItem(dialog, 1136));
        shownType = WindowText(::GetDlgItem(dialog, 1098));
        shownPort = WindowText(::GetDlgItem(dialog, 1101));
        PressCancel(dialog);
    });
    EXPECT_FALSE(dialogs.ShowPrint());
    EXPECT_TRUE(driver.Finish());
    EXPECT_EQ(shownName, TestPrinter::Name);
    EXPECT_EQ(shownType, TestPrinter::Driver);
    EXPECT_EQ(shownPort, TestPrinter::Port);
    EXPECT_EQ(dialogs.PrinterName(), TestPrinter::Name);
}
