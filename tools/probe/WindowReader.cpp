#include "probe/WindowReader.h"

#include "probe/ProbeError.h"

namespace {

constexpr UINT AnswerTimeoutMs = 5000;

} // namespace

LRESULT WindowReader::Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result) == 0) {
        const DWORD error = ::GetLastError();
        throw ProbeError(
            L"window message " + std::to_wstring(message) + L" got no answer (error " + std::to_wstring(error) + L")");
    }
    return static_cast<LRESULT>(result);
}

std::wstring WindowReader::Text(HWND window)
{
    const auto length = static_cast<size_t>(Send(window, WM_GETTEXTLENGTH));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<size_t>(
        Send(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

bool WindowReader::IsEnabled(HWND window)
{
    return ::IsWindowEnabled(window) != FALSE;
}

bool WindowReader::IsVisible(HWND window)
{
    return ::IsWindowVisible(window) != FALSE;
}

int WindowReader::CheckState(HWND button)
{
    return static_cast<int>(Send(button, BM_GETCHECK));
}

SIZE WindowReader::ClientSize(HWND window)
{
    RECT client{};
    if (!::GetClientRect(window, &client)) {
        throw ProbeError(L"cannot read a window's client area");
    }
    return SIZE{client.right - client.left, client.bottom - client.top};
}

int WindowReader::ComboSelection(HWND combo)
{
    return static_cast<int>(Send(combo, CB_GETCURSEL));
}

std::vector<std::wstring> WindowReader::ComboEntries(HWND combo)
{
    const auto count = static_cast<int>(Send(combo, CB_GETCOUNT));
    std::vector<std::wstring> entries;
    for (int index = 0; index < count; ++index) {
        const auto length = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        std::wstring entry(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const auto copied =
            Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(copied > 0 ? copied : 0));
        entries.push_back(entry);
    }
    return entries;
}

int WindowReader::ProgressPosition(HWND progress)
{
    return static_cast<int>(Send(progress, PBM_GETPOS));
}

std::pair<int, int> WindowReader::ProgressRange(HWND progress)
{
    return {
        static_cast<int>(Send(progress, PBM_GETRANGE, TRUE)), static_cast<int>(Send(progress, PBM_GETRANGE, FALSE))};
}
