#include "probe/Await.h"

#include "platform/Win32.h"

#include <algorithm>

bool Await::Until(const std::function<bool()>& condition, Milliseconds timeout)
{
    const ULONGLONG deadline = ::GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
    // Starts fast, for conditions that are nearly met, and backs off so that
    // polling another process does not slow it down while it works.
    DWORD pause = 1;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount64() >= deadline) {
            return condition();
        }
        ::Sleep(pause);
        pause = std::min<DWORD>(pause * 2, 20);
    }
}
