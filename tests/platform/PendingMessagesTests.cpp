#include "platform/PendingMessages.h"

#include "platform/Boundary.h"
#include "platform/Handles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::wstring>;

// A window that writes "name:message" into a shared log for the messages
// the tests send around.
class RecordingWindow {
public:
    RecordingWindow(const wchar_t* name, Log& log, HWND parent = nullptr) : name_(name), log_(log)
    {
        RegisterRecorderClass();
        const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
        window_.Reset(::CreateWindowExW(
            0, ClassName, name, style, 0, 0, 100, 50, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr));
        ::SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    [[nodiscard]] HWND Hwnd() const noexcept { return window_.Get(); }

private:
    static constexpr const wchar_t* ClassName = L"VarnookTestRecorder";

    static void RegisterRecorderClass()
    {
        WNDCLASSEXW windowClass{sizeof(windowClass)};
        windowClass.lpfnWndProc = &RecordingWindow::WindowProcedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = ClassName;
        ::RegisterClassExW(&windowClass);
    }

    static std::wstring MessageName(UINT message)
    {
        switch (message) {
        case WM_KEYDOWN:
            return L"keydown";
        case WM_KEYUP:
            return L"keyup";
        case WM_SYSKEYUP:
            return L"syskeyup";
        case WM_APP:
            return L"app";
        default:
            return {};
        }
    }

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
    {
        return CallGuarded<LRESULT>(0, [&]() -> LRESULT {
            auto* self = reinterpret_cast<RecordingWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            const std::wstring name = MessageName(message);
            if (self != nullptr && !name.empty()) {
                self->log_.push_back(self->name_ + L":" + name);
                return 0;
            }
            return ::DefWindowProcW(window, message, wparam, lparam);
        });
    }

    std::wstring name_;
    Log& log_;
    WindowHandle window_;
};

class PendingMessagesTest : public testing::Test {
protected:
    void TearDown() override
    {
        PendingMessages::RemoveKeyPreview(parent.Hwnd());
        PendingMessages::RemoveNavigation(parent.Hwnd());
        // Dispatched, not dropped: a dropped WM_PAINT comes straight back.
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
    }

    Log log;
    RecordingWindow parent{L"form", log};
    RecordingWindow child{L"control", log, parent.Hwnd()};
};

TEST_F(PendingMessagesTest, HandlesEveryWaitingMessage)
{
    for (int i = 0; i < 5; ++i) {
        ::PostMessageW(child.Hwnd(), WM_APP, 0, 0);
    }
    EXPECT_TRUE(PendingMessages::Process());
    EXPECT_EQ(log.size(), 5u);
    MSG message;
    EXPECT_FALSE(::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(PendingMessagesTest, QuitIsPostedAgainForTheOuterLoops)
{
    ::PostMessageW(child.Hwnd(), WM_APP, 0, 0);
    ::PostQuitMessage(3);
    EXPECT_FALSE(PendingMessages::Process());
    EXPECT_EQ(log, Log{L"control:app"});
    EXPECT_TRUE(PendingMessages::IsQuitPending());
    EXPECT_FALSE(PendingMessages::Process());

    MSG message{};
    ASSERT_TRUE(::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
    EXPECT_FALSE(PendingMessages::IsQuitPending());
    EXPECT_TRUE(PendingMessages::Process());
}

TEST_F(PendingMessagesTest, KeyPreviewWindowSeesKeyReleasesFirst)
{
    PendingMessages::AddKeyPreview(parent.Hwnd());
    ::PostMessageW(child.Hwnd(), WM_KEYUP, VK_F1, 0);
    ::PostMessageW(child.Hwnd(), WM_SYSKEYUP, VK_F3, 0);
    ::PostMessageW(child.Hwnd(), WM_KEYDOWN, VK_F1, 0);
    ::PostMessageW(parent.Hwnd(), WM_KEYUP, VK_F2, 0);
    ASSERT_TRUE(PendingMessages::Process());
    EXPECT_EQ(log,
        (Log{L"form:keyup", L"control:keyup", L"form:syskeyup", L"control:syskeyup", L"control:keydown",
            L"form:keyup"}));
}

TEST_F(PendingMessagesTest, WithoutKeyPreviewOnlyTheControlSeesTheKey)
{
    PendingMessages::AddKeyPreview(parent.Hwnd());
    PendingMessages::RemoveKeyPreview(parent.Hwnd());
    ::PostMessageW(child.Hwnd(), WM_KEYUP, VK_F1, 0);
    ASSERT_TRUE(PendingMessages::Process());
    EXPECT_EQ(log, Log{L"control:keyup"});
}

TEST_F(PendingMessagesTest, NavigationWindowMovesTheFocusWithTab)
{
    const auto makeButton = [this](const wchar_t* text) {
        return WindowHandle(::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 80, 20,
            parent.Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr));
    };
    const WindowHandle first = makeButton(L"Eerste");
    const WindowHandle second = makeButton(L"Tweede");
    ::ShowWindow(parent.Hwnd(), SW_SHOW);
    ::SetForegroundWindow(parent.Hwnd());
    ASSERT_TRUE(PendingMessages::Process());
    ::SetFocus(first.Get());
    ASSERT_TRUE(PendingMessages::Process());
    ASSERT_EQ(::GetFocus(), first.Get());

    ::PostMessageW(first.Get(), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PendingMessages::Process());
    EXPECT_EQ(::GetFocus(), first.Get()) << "no navigation while the window is not registered";

    PendingMessages::AddNavigation(parent.Hwnd());
    ::PostMessageW(first.Get(), WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PendingMessages::Process());
    EXPECT_EQ(::GetFocus(), second.Get());
}

} // namespace
