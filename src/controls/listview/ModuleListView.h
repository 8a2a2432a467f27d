#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

// The window properties through which the list window's subclass procedure
// finds its control and the procedure it stands in front of.
inline constexpr const wchar_t* ListViewProcProperty = L"ListViewWindowProc";
inline constexpr const wchar_t* ListViewControlProperty = L"ListView";

// Put in front of the list header's own procedure: shows the header's
// tooltips the mouse over the header. It finds the procedure it stands in
// front of, and the tooltips, in the header's user data.
struct ListViewHeaderRelay {
    WNDPROC Previous = nullptr;
    HWND Tips = nullptr;
};
LRESULT CALLBACK ListViewHeaderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The positions of `texts` in the order of the user's locale (word sort,
// case-sensitive), equal texts keeping their order.
[[nodiscard]] std::vector<std::int32_t> SortedPositions(const std::vector<std::wstring>& texts, bool descending);
