#include "app/SingleInstance.h"

#include <gtest/gtest.h>

namespace {

constexpr const wchar_t* FirstCopyClass = L"VarnookSingleInstanceTestWindow";

WindowHandle FirstCopyWindow()
{
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = FirstCopyClass;
    ::RegisterClassExW(&windowClass);
    return WindowHandle(::CreateWindowExW(0, FirstCopyClass, L"first copy", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
        nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

TEST(SingleInstanceTest, ASecondCopyRestoresTheMinimisedFirstWindowAndActivatesIt)
{
    const SingleInstance first(L"Local\\Varnook.SingleInstanceTest");
    const SingleInstance second(L"Local\\Varnook.SingleInstanceTest");
    EXPECT_TRUE(first.IsOnly());
    EXPECT_FALSE(second.IsOnly());

    const WindowHandle window = FirstCopyWindow();
    ASSERT_TRUE(window.IsValid());
    ::ShowWindow(window.Get(), SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(window.Get()));

    SingleInstance::BringFirstForward(FirstCopyClass);
    EXPECT_FALSE(::IsIconic(window.Get()));
    EXPECT_TRUE(::IsWindowVisible(window.Get()));
    EXPECT_EQ(::GetForegroundWindow(), window.Get());
}

} // namespace
