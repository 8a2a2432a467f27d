// probe-target: a window of standard and common controls with known
// contents, for the harness's own tests (see ProbeTargetIds.h).
//   probe-target           shows the window until it is closed
//   probe-target box TEXT  shows a Yes/No box; the exit code is the answer

#include "probe/target/ProbeTargetIds.h"

#include "platform/Boundary.h"
#include "platform/Win32.h"

#include <string>

namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const wchar_t* const HolderClass = L"VarnookProbeHolder";

int clicks = 0;

HWND Add(
    HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, RECT bounds, int id, DWORD exStyle = 0)
{
    return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
        bounds.right, bounds.bottom, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        ::GetModuleHandleW(nullptr), nullptr);
}

// A holder: a plain window with the identifier, holding a control that fills it.
HWND AddHeld(HWND parent, const wchar_t* className, DWORD style, RECT bounds, int id)
{
    const HWND holder = Add(parent, HolderClass, L"", WS_CLIPCHILDREN, bounds, id, WS_EX_CONTROLPARENT);
    return Add(holder, className, L"", style, RECT{0, 0, bounds.right, bounds.bottom}, 1);
}

void FillList(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW header{LVCF_TEXT | LVCF_WIDTH};
        header.cx = column == 0 ? 200 : 150;
        header.pszText = const_cast<wchar_t*>(ProbeTarget::Headers[column]);
        ListView_InsertColumn(list, column, &header);
    }
    for (int line = 0; line < ProbeTarget::ListLines; ++line) {
        std::wstring name = ProbeTarget::ListName(line);
        std::wstring modified = ProbeTarget::ListModified(line);
        LVITEMW item{LVIF_TEXT};
        item.iItem = line;
        item.pszText = name.data();
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, line, 1, modified.data());
    }
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list, ProbeTarget::InitiallySelected, state, state);
}

void AddControls(HWND window)
{
    using namespace ProbeTarget;
    const HWND edit =
        Add(window, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, RECT{10, 10, 200, 24}, Edit, WS_EX_CLIENTEDGE);
    Add(window, L"BUTTON", L"Vink", WS_TABSTOP | BS_AUTOCHECKBOX, RECT{10, 44, 200, 20}, Check);
    Add(window, L"BUTTON", L"Tellen", WS_TABSTOP | BS_PUSHBUTTON, RECT{10, 72, 100, 26}, CountButton);
    Add(window, L"STATIC", L"0", 0, RECT{120, 76, 60, 20}, Counter);
    const HWND disabled =
        Add(window, L"BUTTON", L"Uit", WS_TABSTOP | BS_PUSHBUTTON, RECT{190, 72, 100, 26}, DisabledButton);
    ::EnableWindow(disabled, FALSE);

    const HWND combo = Add(window, L"COMBOBOX", L"", WS_TABSTOP | CBS_DROPDOWNLIST, RECT{320, 10, 200, 200}, Combo);
    for (const wchar_t* entry : ComboEntries) {
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    ::SendMessageW(combo, CB_SETCURSEL, ComboSelection, 0);

    const HWND label = Add(window, L"STATIC", PathText, SS_NOTIFY, RECT{320, 44, 260, 20}, PathLabel);
    const HWND tooltip =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{sizeof(tool)};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(PathTip);
    ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

    FillList(AddHeld(window, WC_LISTVIEWW, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
        RECT{10, 110, 380, 250}, ListHolder));
    const HWND picker = AddHeld(window, DATETIMEPICK_CLASSW, WS_TABSTOP, RECT{400, 110, 180, 26}, PickerHolder);
    ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&PickerMoment));

    const HWND progress = Add(window, PROGRESS_CLASSW, L"", 0, RECT{10, 380, 580, 20}, Progress);
    ::SendMessageW(progress, PBM_SETRANGE32, ProgressLow, ProgressHigh);
    ::SendMessageW(progress, PBM_SETPOS, ProgressPosition, 0);

    ::SetFocus(edit);
}

LRESULT CALLBACK TargetProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallGuarded<LRESULT>(0, [&]() -> LRESULT {
        switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == ProbeTarget::CountButton && HIWORD(wparam) == BN_CLICKED) {
                ::SetDlgItemTextW(window, ProbeTarget::Counter, std::to_wstring(++clicks).c_str());
            }
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wparam, lparam);
        }
    });
}

bool Register(const wchar_t* className, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{sizeof(windowClass)};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return ::RegisterClassExW(&windowClass) != 0;
}

int ShowWindowUntilClosed()
{
    if (!Register(ProbeTarget::WindowClass, &TargetProcedure) || !Register(HolderClass, &::DefWindowProcW)) {
        return 2;
    }
    RECT frame{0, 0, ProbeTarget::ClientWidth, ProbeTarget::ClientHeight};
    ::AdjustWindowRectEx(&frame, WindowStyle, FALSE, WS_EX_CONTROLPARENT);
    const HWND window =
        ::CreateWindowExW(WS_EX_CONTROLPARENT, ProbeTarget::WindowClass, ProbeTarget::Title, WindowStyle, 40, 40,
            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        return 2;
    }
    AddControls(window);
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(window, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    if (argc == 3 && std::wstring(argv[1]) == ProbeTarget::BoxArgument) {
        return ::MessageBoxW(nullptr, argv[2], ProbeTarget::Title, MB_YESNO | MB_ICONWARNING);
    }
    return ShowWindowUntilClosed();
}
