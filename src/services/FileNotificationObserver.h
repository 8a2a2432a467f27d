#pragma once

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

protected:
    ~FileNotificationObserver() = default;
};
