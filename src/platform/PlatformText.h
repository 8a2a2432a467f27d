#pragma once

#include "platform/Win32.h"

#include <algorithm>
#include <string>

// Reads text from a Win32 call that fills a caller's buffer: `call(buffer,
// capacity)` returns the length written, the size it needs (NUL included)
// when the buffer is too small, or 0 on failure. The buffer grows until the
// whole answer fits, so no path is ever cut at 260 characters.
template <typename Call>
std::wstring ReadPlatformText(Call&& call)
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD result = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (result == 0) {
            return {};
        }
        if (result < buffer.size()) {
            buffer.resize(result);
            return buffer;
        }
        // Calls that truncate report exactly the capacity: double it then.
        buffer.assign(std::max<size_t>(result, buffer.size() * 2), L'\0');
    }
}
