#pragma once

#include "platform/Handles.h"

#include <string>

// Tells whether this is the only running copy of the program for the user:
// the first copy holds a named mutex for its whole life.
class SingleInstance {
public:
    explicit SingleInstance(const std::wstring& name);

    [[nodiscard]] bool IsOnly() const noexcept { return isOnly_; }

private:
    MutexHandle mutex_;
    bool isOnly_ = false;
};
