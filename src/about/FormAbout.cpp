#include "about/FormAbout.h"

#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "platform/ModalShowing.h"

#include <algorithm>

namespace {

constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF LinkColor = RGB(0, 0, 0xFF);
constexpr COLORREF Grey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);

void RemoveAll(std::wstring& text, const std::wstring& part)
{
    for (size_t found = text.find(part); found != std::wstring::npos; found = text.find(part, found)) {
        text.erase(found, part.size());
    }
}

void OpenWithShell(HWND window, const std::wstring& address)
{
    ::ShellExecuteW(window, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void FillLine(HDC dc, const RECT& line, COLORREF color)
{
    ::SetDCBrushColor(dc, color);
    ::FillRect(dc, &line, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

} // namespace

std::wstring FormAbout::ApplicationLine(const ProgramInfo& program)
{
    return program.ProductName() + L" " + std::to_wstring(program.MajorVersion()) + L"." +
        std::to_wstring(program.MinorVersion());
}

std::wstring FormAbout::CaptionFor(const std::wstring& menuText)
{
    std::wstring caption = menuText;
    RemoveAll(caption, L"&");
    RemoveAll(caption, L"...");
    return caption;
}

FormAbout::Layout FormAbout::LayoutFor(UINT dpi)
{
    const auto scale = [dpi](int pixels) { return Dpi::Scale(pixels, dpi); };
    const auto rect = [&scale](int left, int top, int width, int height) {
        return RECT{scale(left), scale(top), scale(left + width), scale(top + height)};
    };
    return {{scale(337), scale(117)}, rect(16, 16, 32, 32), rect(64, 16, 257, 17), rect(64, 32, 257, 17),
        {scale(64), scale(54)}, scale(17), {scale(8), scale(8), scale(328), scale(76)}, rect(128, 85, 81, 25)};
}

FormAbout::FormAbout() : opener_(&OpenWithShell)
{
}

FormAbout::~FormAbout()
{
    // The window goes before the fonts it holds.
    DestroyOwnWindow();
}

void FormAbout::ShowModal(HWND owner)
{
    if (Hwnd() != nullptr || !Create(owner)) {
        return;
    }
    Load();
    const HWND window = Hwnd();
    ModalShowing::Run(window, owner, ::GetDlgItem(window, IDOK), [this] { return !closing_ && Hwnd() != nullptr; });
    DestroyOwnWindow();
}

bool FormAbout::Create(HWND owner)
{
    RegisterWindowClass(WindowClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    shownDpi_ = dpi_ != 0 ? dpi_ : Dpi::OfWindow(owner);
    closing_ = false;
    const SIZE client = LayoutFor(shownDpi_).Client;
    if (!CreateOwnWindow(ExStyle, WindowClassName, caption_, Style, {0, 0, client.cx, client.cy}, owner)) {
        return false;
    }
    ModalShowing::PlaceCentred(Hwnd(), client, owner);
    return true;
}

void FormAbout::Load()
{
    const Layout layout = LayoutFor(shownDpi_);
    const DWORD label = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS;
    AddChild(WC_STATICW, application_, label, layout.Application, IdApplication);
    AddChild(WC_STATICW, copyright_, label, layout.Copyright, IdCopyright);
    link_ = AddChild(WC_STATICW, website_, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY,
        {layout.Website.x, layout.Website.y, layout.Application.right, layout.Website.y + layout.TextHeight},
        IdWebsite);
    FontDesc underlined = FontDesc::MessageFont();
    underlined.Underline = true;
    if (link_ != nullptr) {
        ::SendMessageW(link_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get(underlined, shownDpi_)), FALSE);
        // Only the address itself is clickable: the link is as wide as its
        // text in its own font, and no wider than the column.
        const int width = std::min(LinkWidth(link_), static_cast<int>(layout.Application.right - layout.Website.x));
        ::MoveWindow(link_, layout.Website.x, layout.Website.y, width, layout.TextHeight, FALSE);
    }
    AddChild(WC_BUTTONW, L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, layout.Ok, IDOK);
}

HWND FormAbout::AddChild(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& bounds, int id)
{
    const HWND child = ::CreateWindowExW(0, className, text.c_str(), style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, Hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (child != nullptr) {
        ::SendMessageW(
            child, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get(FontDesc::MessageFont(), shownDpi_)), FALSE);
    }
    return child;
}

int FormAbout::LinkWidth(HWND link) const
{
    const WindowDc dc(link);
    if (!dc.IsValid()) {
        return 0;
    }
    const SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(link, WM_GETFONT, 0, 0)));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc.Get(), website_.c_str(), static_cast<int>(website_.size()), &extent);
    return extent.cx;
}

LRESULT FormAbout::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CLOSE:
        // The modal loop takes the window down once the owner is back.
        closing_ = true;
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_SETCURSOR:
        if (link_ != nullptr && reinterpret_cast<HWND>(wparam) == link_) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_CTLCOLORSTATIC:
        if (link_ != nullptr && reinterpret_cast<HWND>(lparam) == link_) {
            const auto dc = reinterpret_cast<HDC>(wparam);
            ::SetTextColor(dc, LinkColor);
            ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wparam, lparam);
}

void FormAbout::OnCommand(int id, int code)
{
    if (id == IDOK || id == IDCANCEL) {
        closing_ = true;
    } else if (id == IdWebsite && code == STN_CLICKED) {
        OpenWebsite();
    }
}

// A failure to open the address is silent: the window stays as it is.
void FormAbout::OpenWebsite()
{
    const CursorScope busy(::LoadCursorW(nullptr, IDC_WAIT));
    if (opener_) {
        opener_(Hwnd(), website_);
    }
}

void FormAbout::OnPaint()
{
    const PaintScope paint(Hwnd());
    if (!paint.IsValid()) {
        return;
    }
    const HDC dc = paint.Dc();
    const Layout layout = LayoutFor(shownDpi_);
    if (icon_.ResourceId != 0) {
        const int size = layout.Icon.right - layout.Icon.left;
        // A shared icon belongs to the system's cache, not to this window.
        const auto icon = static_cast<HICON>(::LoadImageW(
            ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon_.ResourceId), IMAGE_ICON, size, size, LR_SHARED));
        if (icon != nullptr) {
            ::DrawIconEx(dc, layout.Icon.left, layout.Icon.top, icon, size, size, 0, nullptr, DI_NORMAL);
        }
    }
    // A sunken frame: grey along the top and left, white along the right and bottom.
    const RECT& frame = layout.Frame;
    FillLine(dc, {frame.left, frame.top, frame.right, frame.top + 1}, Grey);
    FillLine(dc, {frame.left, frame.top + 1, frame.left + 1, frame.bottom}, Grey);
    FillLine(dc, {frame.right, frame.top, frame.right + 1, frame.bottom}, White);
    FillLine(dc, {frame.left, frame.bottom, frame.right + 1, frame.bottom + 1}, White);
}
