#include "controls/plumbing/Subclassing.h"

#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using plumbing::Subclassing;

constexpr UINT Probe = WM_APP + 7;
std::vector<std::wstring> heard;

LRESULT CALLBACK First(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == Probe) {
        heard.push_back(L"first");
    }
    return Subclassing::CallPrevious(window, L"FirstProc", message, wparam, lparam);
}

LRESULT CALLBACK Second(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == Probe) {
        heard.push_back(L"second");
    }
    return Subclassing::CallPrevious(window, L"SecondProc", message, wparam, lparam);
}

LRESULT CALLBACK Original(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == Probe) {
        heard.push_back(L"window");
        return 42;
    }
    return ::DefWindowProcW(window, message, wparam, lparam);
}

class SubclassingTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = &Original;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VarnookSubclassProbe";
        ::RegisterClassExW(&windowClass);
        window.Reset(::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
            windowClass.hInstance, nullptr));
        heard.clear();
    }

    std::vector<std::wstring> Send()
    {
        heard.clear();
        EXPECT_EQ(::SendMessageW(window.Get(), Probe, 0, 0), 42);
        return heard;
    }

    void Configure(Subclassing& subclass, const wchar_t* windowProc)
    {
        subclass.SetOwnerHwnd(window.Get());
        subclass.SetWindowProc(windowProc);
    }

    WindowHandle window;
};

TEST_F(SubclassingTest, EverySubclassKeepsWorkingWhicheverIsRemovedFirst)
{
    Subclassing first;
    Subclassing second;
    Configure(first, L"FirstProc");
    Configure(second, L"SecondProc");
    ASSERT_TRUE(first.Create(&First));
    ASSERT_TRUE(second.Create(&Second));
    EXPECT_EQ(Send(), (std::vector<std::wstring>{L"second", L"first", L"window"}));

    first.Destroy();
    EXPECT_EQ(Send(), (std::vector<std::wstring>{L"second", L"window"}));
    second.Destroy();
    EXPECT_EQ(Send(), (std::vector<std::wstring>{L"window"}));
}

TEST_F(SubclassingTest, NamedValuesLiveOnTheWindowWhileInstalled)
{
    int control = 0;
    Subclassing subclass;
    Configure(subclass, L"FirstProc");
    for (int i = 0; i < 3; ++i) {
        subclass.Add(L"ListView", &control);
    }
    ASSERT_TRUE(subclass.Create(&First));
    EXPECT_EQ(::GetPropW(window.Get(), L"ListView"), &control);

    // A second Create neither fails the subclass nor installs it twice.
    EXPECT_FALSE(subclass.Create(&First));
    EXPECT_TRUE(subclass.Active());
    EXPECT_EQ(Send(), (std::vector<std::wstring>{L"first", L"window"}));

    subclass.Destroy();
    EXPECT_FALSE(subclass.Active());
    EXPECT_EQ(::GetPropW(window.Get(), L"ListView"), nullptr);
    EXPECT_EQ(::GetPropW(window.Get(), L"FirstProc"), nullptr);

    ASSERT_TRUE(subclass.Create(&First));
    EXPECT_EQ(::GetPropW(window.Get(), L"ListView"), &control);
}

TEST_F(SubclassingTest, NoWindowNoSubclassAndAGoneWindowTakesItsSubclassAlong)
{
    Subclassing nowhere;
    nowhere.SetOwnerHwnd(reinterpret_cast<HWND>(0x1234));
    nowhere.SetWindowProc(L"FirstProc");
    EXPECT_FALSE(nowhere.Create(&First));
    EXPECT_FALSE(nowhere.Active());

    Subclassing subclass;
    Configure(subclass, L"FirstProc");
    ASSERT_TRUE(subclass.Create(&First));
    window.Reset();
    subclass.Destroy();
    EXPECT_FALSE(subclass.Active());
}

} // namespace
