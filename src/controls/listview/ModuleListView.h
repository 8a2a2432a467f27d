#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

class ListView;

// The window properties the list window's subclass procedure reads.
inline constexpr const wchar_t* ListViewProcProperty = L"ListViewWindowProc";
inline constexpr const wchar_t* ListViewControlProperty = L"ListView";

// The list window's subclass procedure; it finds its control and the
// previous procedure in the window properties above.
LRESULT CALLBACK ListViewWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Put in front of the list header's own procedure: shows the header's
// tooltips the mouse over the header. It finds the procedure it stands in
// front of, and the tooltips, in the header's user data.
struct ListViewHeaderRelay {
    WNDPROC Previous = nullptr;
    HWND Tips = nullptr;
};
LRESULT CALLBACK ListViewHeaderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// What the control's own window, the list window's parent, does with a
// notification. Only the list's own notifications are its business.
LRESULT ListViewNotification(ListView& control, NMHDR& header);

// The positions of `texts` in the order of the user's locale (word sort,
// case-sensitive), equal texts keeping their order.
[[nodiscard]] std::vector<std::int32_t> SortedPositions(const std::vector<std::wstring>& texts, bool descending);
