#include "platform/ModalShowing.h"

#include "platform/PendingMessages.h"

#include <algorithm>

void ModalShowing::PlaceCentred(HWND window, SIZE client, HWND owner)
{
    RECT outer{};
    RECT inner{};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &inner);
    const SIZE frame{
        client.cx + (outer.right - outer.left) - inner.right, client.cy + (outer.bottom - outer.top) - inner.bottom};
    RECT around{};
    if (owner == nullptr || !::GetWindowRect(owner, &around)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    const POINT origin{std::max(0L, around.left + (around.right - around.left - frame.cx) / 2),
        std::max(0L, around.top + (around.bottom - around.top - frame.cy) / 2)};
    ::SetWindowPos(window, nullptr, origin.x, origin.y, frame.cx, frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every nested loop goes through the one message pump, so that a request to
// end the program ends this loop too and reaches the outer ones. The window
// may be gone by the end of the loop (its owner went), so the handle it was
// registered under is the one taken off again.
void ModalShowing::Run(HWND window, HWND owner, HWND focus, const std::function<bool()>& open)
{
    PendingMessages::AddNavigation(window);
    // An owner that someone else had disabled stays disabled afterwards.
    const bool disabledOwner = owner != nullptr && !::EnableWindow(owner, FALSE);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::SetFocus(focus);
    while (open()) {
        if (!PendingMessages::Process()) {
            break;
        }
        if (open()) {
            ::MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
    PendingMessages::RemoveNavigation(window);
    if (disabledOwner) {
        ::EnableWindow(owner, TRUE);
    }
}
