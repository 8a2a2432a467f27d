#pragma once

#include <exception>

// The owner of a folder watch hears of it through these, synchronously, from
// inside FileNotification::Create. A handler may call Destroy or Create.
class FileNotificationObserver {
public:
    // Something in the watched folder changed.
    virtual void FileChange() = 0;
    // The watched folder is gone; the watch ends right after.
    virtual void FolderChange() = 0;
    // The watch has ended.
    virtual void Terminate() = 0;
    // A FileChange or FolderChange handler raised `error`. The watch has
    // ended by then, and Terminate follows, so that its restart still runs;
    // this is where the owner's own error handling gets to see the error.
    virtual void HandlerFailed(std::exception_ptr error) = 0;

protected:
    ~FileNotificationObserver() = default;
};
