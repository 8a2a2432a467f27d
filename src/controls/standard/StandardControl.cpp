#include "controls/standard/StandardControl.h"

#include "platform/PlatformText.h"

#include <stdexcept>

StandardControl::StandardControl(
    const wchar_t* className, const std::wstring& text, DWORD style, RECT bounds, HWND parent, int id)
    : window_(::CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
          bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr))
{
    if (!window_) {
        throw std::runtime_error("cannot create a control");
    }
}

std::wstring StandardControl::Text() const
{
    const int length = ::GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(Hwnd(), text.data(), length + 1)));
    return text;
}

void StandardControl::SetText(const std::wstring& text)
{
    ::SetWindowTextW(Hwnd(), text.c_str());
}

bool StandardControl::IsEnabled() const
{
    return ::IsWindowEnabled(Hwnd()) != FALSE;
}

void StandardControl::Enable(bool enabled)
{
    ::EnableWindow(Hwnd(), enabled);
}

void StandardControl::SetFont(HFONT font)
{
    ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void StandardControl::Move(RECT bounds)
{
    ::MoveWindow(Hwnd(), bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}
