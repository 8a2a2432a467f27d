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

} // namespace
