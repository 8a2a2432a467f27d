#pragma once

#include "platform/Win32.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// A top-level window for dialogs to belong to. A modal dialog tells its
// owner when its loop first runs out of messages: only then has it finished
// setting itself up and waits for the user.
class DialogOwner {
public:
    DialogOwner();
    ~DialogOwner();
    DialogOwner(const DialogOwner&) = delete;
    DialogOwner& operator=(const DialogOwner&) = delete;

    [[nodiscard]] HWND Get() const noexcept { return window_; }
    [[nodiscard]] bool DialogWaits() const noexcept { return dialogWaits_; }
    void Forget() noexcept { dialogWaits_ = false; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_ = nullptr;
    std::atomic<bool> dialogWaits_{false};
};

// Acts on the next dialog that the test's thread shows over the owner, from a
// second thread, as a user would while the test's thread sits in the
// dialog's modal loop. The action starts once the dialog waits for the user.
// Whatever the action leaves open is cancelled, so no test can hang on a
// dialog; the driver stops looking once the test's call has returned.
class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    DialogDriver(DialogOwner& owner, Action action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Call once the dialog's call has returned. True when a dialog came up
    // and the action alone closed it.
    bool Finish();

private:
    void Run(const Action& action);
    [[nodiscard]] HWND WaitForDialog() const;
    void CancelLeftovers() const;

    DialogOwner& owner_;
    DWORD thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    std::atomic<bool> closedByAction_{false};
    std::thread worker_;
};

std::wstring WindowText(HWND window);

// Clicks as the user does; the dialog acts on it once its loop runs again.
void ClickButton(HWND dialog, int id);
void PressOk(HWND dialog);
void PressCancel(HWND dialog);
