#pragma once

#include "platform/Win32.h"

#include <exception>
#include <string>

// Runs the body of a window procedure, callback or COM method so that no
// exception crosses into the platform, which cannot unwind C++ frames. A
// failure is traced for the developer and answered with `failure`.
template <typename Result, typename Body>
Result CallGuarded(Result failure, Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::exception& error) {
        ::OutputDebugStringA(error.what());
    } catch (...) {
        ::OutputDebugStringW(L"Unknown exception stopped at a platform boundary");
    }
    return failure;
}

template <typename Body>
void CallGuarded(Body&& body) noexcept
{
    CallGuarded(0, [&body] {
        body();
        return 0;
    });
}
