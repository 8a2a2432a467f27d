#pragma once

#include "platform/Handles.h"

#include <string>

// Tells whether this is the only running copy of the program for the user:
// the first copy holds a named mutex for its whole life.
class SingleInstance {
public:
    explicit SingleInstance(const std::wstring& name);

    [[nodiscard]] bool IsOnly() const noexcept { return isOnly_; }

    // Shows the first copy's top-level window of `windowClass` to the user:
    // restored when it was minimised, and made the active window. Only a
    // process that has the foreground (a copy the user just started) may
    // hand it on.
    static void BringFirstForward(const wchar_t* windowClass);

private:
    MutexHandle mutex_;
    bool isOnly_ = false;
};
