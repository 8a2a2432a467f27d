#include "services/FileNotification.h"

#include "support/ActionWindow.h"
#include "support/HostShell.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t AllChanges = 31;

// Records the events and runs whatever a test wants done in them.
class RecordingObserver : public FileNotificationObserver {
public:
    void FileChange() override { Raise("FileChange", onFileChange); }
    void FolderChange() override { Raise("FolderChange", onFolderChange); }
    void Terminate() override { Raise("Terminate", onTerminate); }
    void HandlerFailed(std::exception_ptr error) override
    {
        events.emplace_back("HandlerFailed");
        errors.push_back(error);
    }

    Events events;
    std::vector<std::exception_ptr> errors;
    std::function<void()> onFileChange;
    std::function<void()> onFolderChange;
    std::function<void()> onTerminate;

private:
    void Raise(const char* name, const std::function<void()>& handler)
    {
        events.emplace_back(name);
        if (handler) {
            handler();
        }
    }
};

// Refuses the first re-arm, as the platform may for a folder being deleted.
class RefusingFileNotification : public FileNotification {
public:
    using FileNotification::FileNotification;

protected:
    bool RearmWatch(HANDLE watch) override
    {
        if (refused_) {
            return FileNotification::RearmWatch(watch);
        }
        refused_ = true;
        return false;
    }

private:
    bool refused_ = false;
};

class FileNotificationTest : public testing::Test {
protected:
    FileNotificationTest()
    {
        watch.SetFilter(AllChanges);
        watch.SetInterval(10);
    }

    void TearDown() override
    {
        watch.Destroy();
        MSG message;
        while (::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }

    // A watch that never ends would hang the test program: end it after a while.
    void EndWatchAfter(UINT milliseconds)
    {
        actions.After(milliseconds, [this] {
            timedOut = true;
            watch.Destroy();
        });
    }

    void DestroyOnFileChange()
    {
        observer.onFileChange = [this] { watch.Destroy(); };
    }

    TempFolder folder;
    RecordingObserver observer;
    FileNotification watch{observer};
    ActionWindow actions;
    bool timedOut = false;
};

TEST_F(FileNotificationTest, MissingFolderReturnsAtOnceWithoutEvents)
{
    FileNotification fresh{observer};
    EXPECT_FALSE(fresh.Active());
    fresh.SetFilter(AllChanges);
    fresh.Create(folder / L"missing");
    EXPECT_FALSE(fresh.Active());
    EXPECT_TRUE(observer.events.empty());
}

TEST_F(FileNotificationTest, FileCreatedInTheFolderRaisesFileChange)
{
    bool activeWhileWatching = false;
    actions.Post([&] {
        activeWhileWatching = watch.Active();
        folder.MakeFile(L"new.txt", "x");
    });
    DestroyOnFileChange();
    EndWatchAfter(5000);
    watch.Create(folder.Path());
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(activeWhileWatching);
    EXPECT_EQ(observer.events, (Events{"FileChange", "Terminate"}));
    EXPECT_FALSE(watch.Active());
}

TEST_F(FileNotificationTest, FolderPast260CharactersIsWatched)
{
    const std::wstring deep =
        folder.MakeFolder(std::wstring(120, L'a') + L"\\" + std::wstring(120, L'b') + L"\\" + std::wstring(40, L'c'));
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    actions.Post([&] { folder.MakeFile(deep.substr(folder.Path().size() + 1) + L"\\new.txt", "x"); });
    DestroyOnFileChange();
    EndWatchAfter(5000);
    watch.Create(deep);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(observer.events, (Events{"FileChange", "Terminate"}));
}

TEST_F(FileNotificationTest, FileCreatedInASubfolderRaisesNothing)
{
    folder.MakeFolder(L"sub");
    actions.Post([&] { folder.MakeFile(L"sub\\new.txt", "x"); });
    EndWatchAfter(500);
    watch.Create(folder.Path());
    EXPECT_TRUE(timedOut);
    EXPECT_EQ(observer.events, Events{"Terminate"});
}

TEST_F(FileNotificationTest, FolderRenamedAwayRaisesFolderChangeThenTerminate)
{
    const std::wstring watched = folder.MakeFolder(L"watched");
    actions.Post([&] { ASSERT_TRUE(::MoveFileW(watched.c_str(), (folder / L"moved").c_str())); });
    EndWatchAfter(5000);
    watch.Create(watched);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(observer.events, (Events{"FolderChange", "Terminate"}));
    EXPECT_FALSE(watch.Active());
}

// Under Wine a folder deleted through Windows calls stays while a handle is
// open on it; removed by another program on the host it is gone at once, and
// only the per-pass folder test can notice.
TEST_F(FileNotificationTest, FolderDeletedByAnotherProgramRaisesFolderChangeThenTerminate)
{
    const std::wstring watched = folder.MakeFolder(L"watched");
    const std::string hostPath = HostPath(watched);
    if (hostPath.empty()) {
        GTEST_SKIP() << "needs Wine to run a host program";
    }
    actions.Post([&] { ASSERT_TRUE(RunOnHost("rm -rf " + ShellQuoted(hostPath))); });
    EndWatchAfter(5000);
    watch.Create(watched);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(TempFolder::Exists(watched));
    EXPECT_EQ(observer.events, (Events{"FolderChange", "Terminate"}));
}

TEST_F(FileNotificationTest, DestroyDuringAQuietPassEndsWithTerminateOnly)
{
    actions.Post([&] {
        watch.Destroy();
        watch.Destroy();
    });
    EndWatchAfter(5000);
    watch.Create(folder.Path());
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(observer.events, Events{"Terminate"});
    watch.Destroy();
    EXPECT_FALSE(watch.Active());
}

// The wait wakes for an arriving message long before its interval is up,
// and that wake-up is no change.
TEST_F(FileNotificationTest, ArrivingMessagesWakeTheWaitAtOnce)
{
    watch.SetInterval(10000);
    actions.Post([&] { watch.Destroy(); });
    EndWatchAfter(20000);
    const auto start = Clock::now();
    watch.Create(folder.Path());
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    EXPECT_LT(elapsed.count(), 2000);
    EXPECT_EQ(observer.events, Events{"Terminate"});
}

TEST_F(FileNotificationTest, SecondCreateWhileWatchingLeavesTheWatchAsItIs)
{
    const std::wstring other = folder.MakeFolder(L"other");
    actions.Post([&] {
        watch.Create(other);
        EXPECT_TRUE(watch.Active());
        folder.MakeFile(L"new.txt", "x");
    });
    DestroyOnFileChange();
    EndWatchAfter(5000);
    watch.Create(folder.Path());
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(observer.events, (Events{"FileChange", "Terminate"}));
}

TEST_F(FileNotificationTest, RefusedRearmReleasesTheWatchBeforeTerminate)
{
    RefusingFileNotification refusing{observer};
    refusing.SetFilter(AllChanges);
    refusing.SetInterval(10);
    bool activeInTerminate = true;
    int terminates = 0;
    observer.onTerminate = [&] {
        if (++terminates == 1) {
            activeInTerminate = refusing.Active();
            actions.Post([&] { refusing.Destroy(); });
            refusing.Create(folder.Path());
        }
    };
    actions.Post([&] { folder.MakeFile(L"new.txt", "x"); });
    actions.After(5000, [&] { refusing.Destroy(); });
    refusing.Create(folder.Path());
    EXPECT_FALSE(activeInTerminate);
    EXPECT_EQ(observer.events, (Events{"FileChange", "Terminate", "Terminate"}));
    EXPECT_FALSE(refusing.Active());
}

// An error in a handler must not leave the folder unwatched: the watch ends
// through Terminate, whose restart runs, and the owner hears of the error.
TEST_F(FileNotificationTest, HandlerErrorsEndTheWatchThroughTerminateAndReachTheOwner)
{
    for (const bool inFolderChange : {false, true}) {
        SCOPED_TRACE(inFolderChange);
        observer.events.clear();
        observer.errors.clear();
        const std::wstring watched = folder.MakeFolder(inFolderChange ? L"weg" : L"blijft");
        const auto fail = [] { throw std::runtime_error("handler failed"); };
        observer.onFileChange = inFolderChange ? std::function<void()>() : fail;
        observer.onFolderChange = inFolderChange ? fail : std::function<void()>();
        actions.Post([&] {
            if (inFolderChange) {
                ASSERT_TRUE(::MoveFileW(watched.c_str(), (folder / L"verhuisd").c_str()));
            } else {
                folder.MakeFile(L"blijft\\new.txt", "x");
            }
        });
        bool restarted = false;
        observer.onTerminate = [&] {
            if (!restarted) {
                restarted = true;
                actions.Post([&] { watch.Destroy(); });
                watch.Create(folder.Path());
            }
        };
        EndWatchAfter(5000);
        watch.Create(watched);
        EXPECT_FALSE(timedOut);
        const char* failed = inFolderChange ? "FolderChange" : "FileChange";
        EXPECT_EQ(observer.events, (Events{failed, "HandlerFailed", "Terminate", "Terminate"}));
        ASSERT_EQ(observer.errors.size(), 1u);
        EXPECT_THROW(std::rethrow_exception(observer.errors[0]), std::runtime_error);
        EXPECT_FALSE(watch.Active());
    }
}

// The main window starts a new watch from every Terminate; a thousand
// restarts must not leave a thousand loops on the stack.
TEST_F(FileNotificationTest, RestartsFromTerminateKeepTheStackDepth)
{
    constexpr int Restarts = 1000;
    std::vector<std::uintptr_t> depths;
    observer.onTerminate = [&] {
        const int marker = 0;
        depths.push_back(reinterpret_cast<std::uintptr_t>(&marker));
        if (depths.size() <= Restarts) {
            actions.Post([&] { watch.Destroy(); });
            watch.Create(folder.Path());
        }
    };
    actions.Post([&] { watch.Destroy(); });
    watch.Create(folder.Path());

    ASSERT_EQ(depths.size(), static_cast<size_t>(Restarts) + 1);
    const auto [lowest, highest] = std::minmax_element(depths.begin(), depths.end());
    EXPECT_EQ(*highest - *lowest, 0u);
    EXPECT_FALSE(watch.Active());
}

TEST_F(FileNotificationTest, RestartFromTerminateWatchesTheNewFolder)
{
    const std::wstring next = folder.MakeFolder(L"next");
    observer.onTerminate = [&] {
        if (observer.events.size() == 1) {
            actions.Post([&] { folder.MakeFile(L"next\\new.txt", "x"); });
            watch.Create(next);
        }
    };
    DestroyOnFileChange();
    actions.Post([&] { watch.Destroy(); });
    EndWatchAfter(5000);
    watch.Create(folder.Path());
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(observer.events, (Events{"Terminate", "FileChange", "Terminate"}));
}

// Closing the program while a watch runs: the watch ends without handling
// the last change, the restart from Terminate is refused, and the quit
// request stays for the main loop.
TEST_F(FileNotificationTest, QuitEndsTheWatchAndStaysInTheQueue)
{
    observer.onTerminate = [&] { watch.Create(folder.Path()); };
    actions.Post([&] {
        folder.MakeFile(L"late.txt", "x");
        ::PostQuitMessage(5);
    });
    EndWatchAfter(5000);
    watch.Create(folder.Path());
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(observer.events, Events{"Terminate"});
    EXPECT_FALSE(watch.Active());

    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 5u);
}

TEST_F(FileNotificationTest, NoNewWatchWhileTheProgramIsEnding)
{
    ::PostQuitMessage(0);
    watch.Create(folder.Path());
    EXPECT_FALSE(watch.Active());
    EXPECT_TRUE(observer.events.empty());
}

} // namespace
