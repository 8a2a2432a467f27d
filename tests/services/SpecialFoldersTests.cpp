#include "services/SpecialFolders.h"

#include "platform/Boundary.h"
#include "platform/Handles.h"
#include "platform/Win32.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

constexpr UINT ExplorerFolderRequest = 0x040C;
constexpr wchar_t ExplorerWindowClass[] = L"ExploreWClass";

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(TempFolder::LongForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SamePath(std::wstring left, std::wstring right)
{
    for (std::wstring* path : {&left, &right}) {
        if (!path->empty() && path->back() == L'\\') {
            path->pop_back();
        }
    }
    return ::CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
               static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

bool IsOpenHandle(HANDLE handle)
{
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != FALSE;
}

// What the stand-in file manager answers: a block holding `folder` made for
// the asking process, or `block` as it stands when no folder is given.
struct ExplorerAnswer {
    Pidl folder;
    HANDLE block = nullptr;
};

LRESULT CALLBACK FakeExplorerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallGuarded<LRESULT>(0, [&]() -> LRESULT {
        auto* answer = reinterpret_cast<ExplorerAnswer*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != ExplorerFolderRequest || answer == nullptr) {
            return ::DefWindowProcW(window, message, wparam, lparam);
        }
        if (answer->folder) {
            const auto folder = answer->folder.Get();
            answer->block = ::SHAllocShared(folder, ::ILGetSize(folder), static_cast<DWORD>(wparam));
        }
        return reinterpret_cast<LRESULT>(answer->block);
    });
}

void RegisterFakeExplorerClass()
{
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = FakeExplorerProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = ExplorerWindowClass;
        return ::RegisterClassExW(&windowClass);
    }();
    ASSERT_NE(registered, 0);
}

// A hidden top-level window of the file manager's class, as FindWindow sees it.
WindowHandle MakeFakeExplorer(ExplorerAnswer* answer)
{
    RegisterFakeExplorerClass();
    WindowHandle window(::CreateWindowExW(0, ExplorerWindowClass, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
        nullptr, ::GetModuleHandleW(nullptr), nullptr));
    ::SetWindowLongPtrW(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(answer));
    return window;
}

Pidl FolderPidl(const std::wstring& path)
{
    return Pidl(::ILCreateFromPathW(path.c_str()));
}

Pidl SpecialFolderPidl(int specialfolder)
{
    Pidl folder;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, specialfolder, folder.Put()))) {
        folder.Release();
    }
    return folder;
}

class ExplorerFolder : public testing::Test {
protected:
    void SetUp() override
    {
        if (::FindWindowW(ExplorerWindowClass, nullptr) != nullptr) {
            GTEST_SKIP() << "a real file manager window is open";
        }
    }
};

} // namespace

TEST_F(ExplorerFolder, IsEmptyWithoutExplorerWindow)
{
    EXPECT_EQ(SpecialFolders().GetExplorerFolder(), L"");
}

TEST_F(ExplorerFolder, IsTheFolderTheWindowShowsAndFreesTheBlock)
{
    const TempFolder shown;
    ExplorerAnswer answer{FolderPidl(shown.Path())};
    ASSERT_TRUE(answer.folder);
    const WindowHandle explorer = MakeFakeExplorer(&answer);
    ASSERT_TRUE(explorer);

    EXPECT_PRED2(SamePath, SpecialFolders().GetExplorerFolder(), shown.Path());
    ASSERT_NE(answer.block, nullptr);
    EXPECT_FALSE(IsOpenHandle(answer.block));
}

TEST_F(ExplorerFolder, IsEmptyForAFolderOutsideTheFileSystem)
{
    ExplorerAnswer answer{SpecialFolderPidl(CSIDL_DRIVES)};
    ASSERT_TRUE(answer.folder);
    const WindowHandle explorer = MakeFakeExplorer(&answer);

    EXPECT_EQ(SpecialFolders().GetExplorerFolder(), L"");
    EXPECT_FALSE(IsOpenHandle(answer.block));
}

TEST_F(ExplorerFolder, IsEmptyWhenTheWindowAnswersNothing)
{
    ExplorerAnswer answer;
    const WindowHandle explorer = MakeFakeExplorer(&answer);

    EXPECT_EQ(SpecialFolders().GetExplorerFolder(), L"");
}

// A window that only carries the class name may answer a handle value of
// this process that is no shared block: it is not the program's to close.
TEST_F(ExplorerFolder, LeavesAnAnswerThatIsNoSharedBlockAlone)
{
    const KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    ExplorerAnswer answer;
    answer.block = event.Get();
    const WindowHandle explorer = MakeFakeExplorer(&answer);

    EXPECT_EQ(SpecialFolders().GetExplorerFolder(), L"");
    EXPECT_TRUE(IsOpenHandle(event.Get()));
    EXPECT_TRUE(::SetEvent(event.Get()));
}

TEST_F(ExplorerFolder, GivesUpOnAHungWindow)
{
    const KernelHandle created(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const KernelHandle released(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(created && released);
    // The window's thread stops handling messages until the test lets it go.
    std::thread hung([&] {
        const WindowHandle explorer = MakeFakeExplorer(nullptr);
        ::SetEvent(created.Get());
        ::WaitForSingleObject(released.Get(), INFINITE);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
    });
    ::WaitForSingleObject(created.Get(), INFINITE);
    EXPECT_NE(::FindWindowW(ExplorerWindowClass, nullptr), nullptr);

    const auto start = std::chrono::steady_clock::now();
    const std::wstring folder = SpecialFolders().GetExplorerFolder();
    const auto waited = std::chrono::steady_clock::now() - start;
    ::SetEvent(released.Get());
    hung.join();

    EXPECT_EQ(folder, L"");
    EXPECT_LT(waited, std::chrono::seconds(3));
}

TEST(SpecialFolders, TempFolderExistsAndEndsWithBackslash)
{
    const std::wstring temp = SpecialFolders().GetTempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), L'\\');
    EXPECT_EQ(temp.find(L'\0'), std::wstring::npos);
    EXPECT_TRUE(IsFolder(temp));
}

TEST(SpecialFolders, SystemAndWindowsFoldersExist)
{
    const SpecialFolders folders;
    for (const std::wstring& folder : {folders.GetSystemFolder(), folders.GetWindowsFolder()}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(folder.find(L'\0'), std::wstring::npos);
        EXPECT_TRUE(IsFolder(folder));
    }
}

TEST(SpecialFolders, SpecialFolderAgreesWithTheKernel)
{
    const SpecialFolders folders;
    EXPECT_PRED2(SamePath, folders.GetSpecialFolder(CSIDL_WINDOWS), folders.GetWindowsFolder());
    EXPECT_PRED2(SamePath, folders.GetSpecialFolder(CSIDL_SYSTEM), folders.GetSystemFolder());
}

TEST(SpecialFolders, UserFoldersExist)
{
    for (const int specialfolder : {CSIDL_APPDATA, CSIDL_PERSONAL, CSIDL_LOCAL_APPDATA}) {
        SCOPED_TRACE(specialfolder);
        const std::wstring folder = SpecialFolders().GetSpecialFolder(specialfolder);
        EXPECT_EQ(folder.find(L'\0'), std::wstring::npos);
        EXPECT_TRUE(IsFolder(folder)) << folder.size();
    }
}

TEST(SpecialFolders, FoldersWithoutPathOrUnknownAreEmpty)
{
    for (const int specialfolder : {CSIDL_DRIVES, CSIDL_CONTROLS, CSIDL_BITBUCKET, 0xFF, -1}) {
        SCOPED_TRACE(specialfolder);
        EXPECT_EQ(SpecialFolders().GetSpecialFolder(specialfolder), L"");
    }
}

// The spooler may not run on every machine: an answer, when there is one, is a whole path.
TEST(SpecialFolders, PrinterFoldersAreEmptyOrAWholePath)
{
    const SpecialFolders folders;
    for (const std::wstring& folder : {folders.GetPrinterDriverFolder(), folders.GetPrintProcessorFolder()}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(folder.find(L'\0'), std::wstring::npos);
        if (!folder.empty()) {
            EXPECT_FALSE(::PathIsRelativeW(folder.c_str()));
        }
    }
}
