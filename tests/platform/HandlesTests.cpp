#include "platform/Handles.h"

#include <gtest/gtest.h>

namespace {

// An owner whose close fails, as closing a handle that is already gone does.
struct FailingCloseTraits {
    using Handle = int;
    static Handle Invalid() noexcept { return 0; }
    static void Close(Handle) noexcept { ::SetLastError(ERROR_INVALID_HANDLE); }
};

TEST(UniqueHandle, ClosingLeavesTheErrorTheCallerReports)
{
    {
        const UniqueHandle<FailingCloseTraits> handle(1);
        ::SetLastError(ERROR_FILE_NOT_FOUND);
    }
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

// The window's DC cache hands out the DC that came back last, so a paint
// that kept its DC makes the next one a different DC.
TEST(PaintScope, PaintsTheInvalidAreaAndHandsItsDcBack)
{
    const WindowHandle window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
        nullptr, ::GetModuleHandleW(nullptr), nullptr));
    const RECT invalid{5, 6, 7, 8};
    ::ValidateRect(window.Get(), nullptr);
    ::InvalidateRect(window.Get(), &invalid, FALSE);
    HDC painted = nullptr;
    {
        const PaintScope paint(window.Get());
        painted = paint.Dc();
        EXPECT_TRUE(::EqualRect(&paint.Paint().rcPaint, &invalid));
    }
    EXPECT_EQ(WindowDc(window.Get()).Get(), painted);
}

} // namespace
