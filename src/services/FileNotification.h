#pragma once

#include "platform/Handles.h"
#include "platform/Win32.h"
#include "services/FileNotificationObserver.h"

#include <cstdint>
#include <optional>
#include <string>

class FileSystem;

// Watches one folder (not its subfolders) on the user-interface thread.
// Create runs the watch loop itself: it waits at least Interval milliseconds
// at a time and until the folder is due to be looked for again, waking early
// for a change or for arriving window messages, and lets every pending
// message be handled between waits, so the window keeps
// working while Create runs and the observer's events come from inside it.
class FileNotification {
public:
    // The longest time in milliseconds before a vanished folder is noticed.
    static constexpr ULONGLONG FolderCheckInterval = 100;

    explicit FileNotification(FileNotificationObserver& observer) noexcept;
    virtual ~FileNotification() = default;
    FileNotification(const FileNotification&) = delete;
    FileNotification& operator=(const FileNotification&) = delete;

    [[nodiscard]] bool Active() const noexcept { return active_; }
    // The platform's change-notification filter bits; used by the next Create.
    [[nodiscard]] std::int32_t Filter() const noexcept { return filter_; }
    void SetFilter(std::int32_t filter) noexcept { filter_ = filter; }
    // How long a wait that no change and no message ends lasts at least, in
    // milliseconds; every wait reads it anew.
    [[nodiscard]] std::int32_t Interval() const noexcept { return interval_; }
    void SetInterval(std::int32_t interval) noexcept { interval_ = interval; }

    // Watches the folder until the watch ends. While a watch runs it only
    // sets the active flag. Called from Terminate, the new watch starts when
    // that handler has returned, so endless restarts do not deepen the stack.
    // A folder that cannot be watched, or a program that is ending, makes it
    // return at once without an event. An error raised by a FileChange or
    // FolderChange handler ends the watch: the observer gets it through
    // HandlerFailed, then Terminate.
    void Create(const std::wstring& folder);
    // Ends the watch; the running loop finishes with Terminate. Safe any time.
    void Destroy() noexcept;

protected:
    // Asks the platform for the next change; false when it refuses.
    virtual bool RearmWatch(HANDLE watch);

private:
    enum class Wake { Change, TimedOut, Other };

    bool StartWatch(const std::wstring& folder);
    void RunWatch(const std::wstring& folder);
    bool RunPass(const std::wstring& folder, const FileSystem& fileSystem);
    bool FolderStillThere(const std::wstring& folder, const FileSystem& fileSystem);
    Wake WaitForChange() const;
    bool Rearm();
    void RaiseTerminate();

    FileNotificationObserver& observer_;
    bool active_ = false;
    std::int32_t filter_ = 0;
    std::int32_t interval_ = 0;
    ChangeNotificationHandle watch_;
    bool raisingTerminate_ = false;
    ULONGLONG nextFolderCheck_ = 0;
    std::optional<std::wstring> restartFolder_;
};
