#include "controls/listview/ModuleListView.h"

#include <algorithm>
#include <numeric>

LRESULT CALLBACK ListViewHeaderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    const auto* relay = reinterpret_cast<const ListViewHeaderRelay*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (relay == nullptr || relay->Previous == nullptr) {
        return ::DefWindowProcW(window, message, wparam, lparam);
    }
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && relay->Tips != nullptr) {
        MSG mouse{window, message, wparam, lparam, static_cast<DWORD>(::GetMessageTime())};
        ::SendMessageW(relay->Tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&mouse));
    }
    return ::CallWindowProcW(relay->Previous, window, message, wparam, lparam);
}

std::vector<std::int32_t> SortedPositions(const std::vector<std::wstring>& texts, bool descending)
{
    std::vector<std::int32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    const auto compare = [&texts](std::int32_t first, std::int32_t second) {
        const std::wstring& a = texts[static_cast<size_t>(first)];
        const std::wstring& b = texts[static_cast<size_t>(second)];
        return ::CompareStringEx(LOCALE_NAME_USER_DEFAULT, 0, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                   static_cast<int>(b.size()), nullptr, nullptr, 0) == CSTR_LESS_THAN;
    };
    if (descending) {
        std::stable_sort(order.begin(), order.end(), [&compare](auto a, auto b) { return compare(b, a); });
    } else {
        std::stable_sort(order.begin(), order.end(), compare);
    }
    return order;
}
