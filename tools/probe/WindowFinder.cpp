#include "probe/WindowFinder.h"

#include "platform/Boundary.h"

#include <iterator>

namespace {

struct TopLevelSearch {
    DWORD processId;
    const WindowFinder::Pattern* pattern;
    std::vector<HWND> found;
};

struct DescendantSearch {
    const std::wstring* className;
    HWND found;
};

// The title a window has for the window manager; reading it this way sends
// no message, so a busy program cannot hold the search up.
std::wstring TitleOf(HWND window)
{
    std::wstring title(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    title.resize(static_cast<size_t>(::GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM parameter)
{
    return CallGuarded(TRUE, [&] {
        auto& search = *reinterpret_cast<TopLevelSearch*>(parameter);
        const WindowFinder::Pattern& pattern = *search.pattern;
        if ((search.processId == 0 || WindowFinder::ProcessOf(window) == search.processId) &&
            (!pattern.visibleOnly || ::IsWindowVisible(window)) &&
            (pattern.className.empty() || WindowFinder::ClassName(window) == pattern.className) &&
            (pattern.title.empty() || TitleOf(window) == pattern.title)) {
            search.found.push_back(window);
        }
        return TRUE;
    });
}

BOOL CALLBACK FindDescendant(HWND window, LPARAM parameter)
{
    return CallGuarded(FALSE, [&] {
        auto& search = *reinterpret_cast<DescendantSearch*>(parameter);
        if (WindowFinder::ClassName(window) == *search.className) {
            search.found = window;
            return FALSE;
        }
        return TRUE;
    });
}

} // namespace

std::vector<HWND> WindowFinder::TopLevel(DWORD processId, const Pattern& pattern)
{
    TopLevelSearch search{processId, &pattern, {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WindowFinder::FirstTopLevel(DWORD processId, const Pattern& pattern)
{
    const std::vector<HWND> windows = TopLevel(processId, pattern);
    return windows.empty() ? nullptr : windows.front();
}

HWND WindowFinder::ByTitle(const std::wstring& title)
{
    const HWND window = ::FindWindowW(nullptr, title.c_str());
    return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

DWORD WindowFinder::ProcessOf(HWND window)
{
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    return processId;
}

HWND WindowFinder::Child(HWND parent, int id)
{
    return ::GetDlgItem(parent, id);
}

HWND WindowFinder::Descendant(HWND parent, const std::wstring& className)
{
    DescendantSearch search{&className, nullptr};
    ::EnumChildWindows(parent, &FindDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowFinder::ClassName(HWND window)
{
    wchar_t name[256];
    const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}
