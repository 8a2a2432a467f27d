#include "controls/plumbing/TranslateMessage.h"

namespace plumbing {

namespace {

bool IsSpecialKey(WPARAM key)
{
    switch (key) {
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

bool IsForWindow(HWND control, HWND target)
{
    return control != nullptr && (target == control || ::IsChild(control, target));
}

} // namespace

HRESULT FilterTranslateAccelerator(const KeyFilterObject& filter, const MSG& message)
{
    if (filter.TranslateSpecialKeys || (message.message != WM_KEYDOWN && message.message != WM_KEYUP)) {
        return S_FALSE;
    }
    // Tab, and every key but the special ones, keeps the form's handling:
    // Tab moves the focus on.
    if (!IsSpecialKey(message.wParam) || filter.Control == nullptr) {
        return S_FALSE;
    }
    ::SendMessageW(filter.Control->ControlHwnd(), message.message, message.wParam, message.lParam);
    return filter.HandleSpecialKeys ? S_OK : S_FALSE;
}

bool TranslateMessage::Create(FilterProcedure procedure)
{
    active_ = false;
    if (procedure_ != nullptr) {
        active_ = true;
        return false;
    }
    if (procedure == nullptr) {
        return false;
    }
    procedure_ = procedure;
    filter_ = {control_, handleSpecialKeys_, translateSpecialKeys_};
    active_ = true;
    return true;
}

void TranslateMessage::Destroy() noexcept
{
    active_ = false;
    procedure_ = nullptr;
    filter_ = {};
    PendingMessages::RemoveKeyFilter(this);
}

void TranslateMessage::Translate()
{
    if (procedure_ != nullptr && filter_.Control != nullptr) {
        PendingMessages::SetKeyFilter(this);
    }
}

// Only keys meant for the component's own window are its business; once the
// focus is elsewhere the filter stays registered but lets everything pass.
bool TranslateMessage::TranslateKey(const MSG& message)
{
    return procedure_ != nullptr && filter_.Control != nullptr &&
        IsForWindow(filter_.Control->ControlHwnd(), message.hwnd) && procedure_(filter_, message) == S_OK;
}

} // namespace plumbing
