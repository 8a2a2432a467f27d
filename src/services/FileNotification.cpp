#include "services/FileNotification.h"

#include "platform/PathForm.h"
#include "platform/PendingMessages.h"
#include "services/FileSystem.h"

#include <algorithm>
#include <utility>

namespace {

// Sets a flag for the length of a scope and puts the old value back, also
// when an event handler's error passes through.
class FlagScope {
public:
    explicit FlagScope(bool& flag) noexcept : flag_(flag), previous_(std::exchange(flag, true)) {}
    ~FlagScope() { flag_ = previous_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

FileNotification::FileNotification(FileNotificationObserver& observer) noexcept : observer_(observer)
{
}

void FileNotification::Create(const std::wstring& folder)
{
    active_ = false;
    if (watch_) {
        active_ = true;
        return;
    }
    if (raisingTerminate_) {
        // The loop that is raising Terminate starts this watch once the
        // handler has returned, instead of a new loop inside the handler.
        restartFolder_ = folder;
        return;
    }
    restartFolder_.reset();
    std::optional<std::wstring> next = folder;
    while (next) {
        RunWatch(*next);
        next = std::exchange(restartFolder_, std::nullopt);
    }
}

void FileNotification::Destroy() noexcept
{
    active_ = false;
    watch_.Reset();
}

bool FileNotification::RearmWatch(HANDLE watch)
{
    return ::FindNextChangeNotification(watch) != FALSE;
}

bool FileNotification::StartWatch(const std::wstring& folder)
{
    // Once the program is ending a new watch would keep it alive on a
    // window that is going away.
    if (PendingMessages::IsQuitPending()) {
        return false;
    }
    nextFolderCheck_ = 0;
    watch_.Reset(
        ::FindFirstChangeNotificationW(PathForm::Extended(folder).c_str(), FALSE, static_cast<DWORD>(filter_)));
    active_ = watch_.IsValid();
    return active_;
}

void FileNotification::RunWatch(const std::wstring& folder)
{
    if (!StartWatch(folder)) {
        return;
    }
    std::exception_ptr failure;
    try {
        const FileSystem fileSystem;
        while (RunPass(folder, fileSystem)) {}
    } catch (...) {
        // Whatever a handler does, the watch ends as always, through
        // Terminate: an error let out here would skip the owner's restart
        // and leave the folder unwatched for the rest of the session.
        failure = std::current_exception();
    }
    // A re-arm the platform refused leaves the watch held: release it, so
    // that Terminate's handler can start a new one.
    Destroy();
    if (failure) {
        observer_.HandlerFailed(failure);
    }
    RaiseTerminate();
}

// One pass of the loop; false when the watch has ended.
bool FileNotification::RunPass(const std::wstring& folder, const FileSystem& fileSystem)
{
    Wake wake = Wake::Other;
    if (FolderStillThere(folder, fileSystem)) {
        wake = WaitForChange();
    } else {
        observer_.FolderChange();
        Destroy();
    }
    // A wait that ran out found no message waiting: asking the queue again
    // would only cost time on every idle pass.
    if (wake == Wake::TimedOut) {
        return true;
    }
    if (!PendingMessages::Process()) {
        // The program is closing: no more change handling on its window.
        Destroy();
        return false;
    }
    const bool signalled = wake == Wake::Change;
    if (active_ && !signalled) {
        return true;
    }
    if (signalled) {
        // A change may be the folder's own going: look at once.
        nextFolderCheck_ = 0;
        observer_.FileChange();
    }
    return Rearm();
}

// A vanished folder does not signal its watch, so the loop looks for it; at
// most every FolderCheckInterval, because asking the platform on every idle
// pass would double what an idle watch costs.
bool FileNotification::FolderStillThere(const std::wstring& folder, const FileSystem& fileSystem)
{
    const ULONGLONG now = ::GetTickCount64();
    if (now < nextFolderCheck_) {
        return true;
    }
    nextFolderCheck_ = now + FolderCheckInterval;
    return fileSystem.IsFolder(folder);
}

// Wakes for a change, for arriving window messages, or when the folder is
// due to be looked for again; only a change counts as one. A pass that ends
// before then would find nothing to do: changes and messages wake the wait
// anyway, so a short interval would only cost an idle window its processor.
FileNotification::Wake FileNotification::WaitForChange() const
{
    const HANDLE watch = watch_.Get();
    const ULONGLONG now = ::GetTickCount64();
    const ULONGLONG untilFolderCheck = nextFolderCheck_ > now ? nextFolderCheck_ - now : 0;
    const DWORD timeout = static_cast<DWORD>(std::max<ULONGLONG>(interval_ > 0 ? interval_ : 0, untilFolderCheck));
    switch (::MsgWaitForMultipleObjectsEx(1, &watch, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE)) {
    case WAIT_OBJECT_0:
        return Wake::Change;
    case WAIT_TIMEOUT:
        return Wake::TimedOut;
    default:
        return Wake::Other;
    }
}

bool FileNotification::Rearm()
{
    return watch_.IsValid() && RearmWatch(watch_.Get());
}

void FileNotification::RaiseTerminate()
{
    const FlagScope raising(raisingTerminate_);
    observer_.Terminate();
}
