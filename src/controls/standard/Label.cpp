#include "controls/standard/Label.h"

// SS_NOTIFY: a plain static lets the mouse through, so its tooltip would
// never see the pointer.
Label::Label(const std::wstring& caption, RECT bounds, HWND parent, int id)
    : StandardControl(WC_STATICW, caption, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, bounds, parent, id)
{
}

TTTOOLINFOW Label::ToolInfo()
{
    TTTOOLINFOW tool{sizeof(tool)};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(Hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    tool.lpszText = toolTipText_.data();
    return tool;
}

void Label::SetToolTipText(const std::wstring& text)
{
    const bool hadTip = !toolTipText_.empty();
    toolTipText_ = text;
    if (!toolTip_) {
        // Owned by the form, so that it stays with it and goes with it.
        toolTip_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, ::GetParent(Hwnd()), nullptr,
            ::GetModuleHandleW(nullptr), nullptr));
    }
    TTTOOLINFOW tool = ToolInfo();
    if (toolTipText_.empty()) {
        ::SendMessageW(toolTip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (hadTip) {
        ::SendMessageW(toolTip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        ::SendMessageW(toolTip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::int32_t Label::Width() const
{
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    return client.right;
}

HFONT Label::Font() const
{
    return reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
}

void Label::ShowAccessKey()
{
    const LONG_PTR style = ::GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    ::SetWindowLongPtrW(Hwnd(), GWL_STYLE, style & ~static_cast<LONG_PTR>(SS_NOPREFIX));
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}
