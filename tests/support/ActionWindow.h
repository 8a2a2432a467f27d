#pragma once

#include "platform/Win32.h"

#include <deque>
#include <functional>
#include <map>

// A hidden message-only window that runs test code from inside whatever
// message loop is running at the time: Post runs an action at the next
// message processing, After runs one once a timer has elapsed. Tests use it
// to act while a nested loop (a folder watch, a message box) has control.
class ActionWindow {
public:
    using Action = std::function<void()>;

    ActionWindow();
    ~ActionWindow();
    ActionWindow(const ActionWindow&) = delete;
    ActionWindow& operator=(const ActionWindow&) = delete;

    void Post(Action action);
    void After(UINT milliseconds, Action action);
    [[nodiscard]] HWND Hwnd() const noexcept { return window_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void RunPosted();
    void RunTimed(UINT_PTR timer);

    HWND window_ = nullptr;
    std::deque<Action> posted_;
    std::map<UINT_PTR, Action> timed_;
    UINT_PTR nextTimer_ = 1;
};
