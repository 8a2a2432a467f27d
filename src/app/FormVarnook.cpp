#include "app/FormVarnook.h"

#include "about/FormAbout.h"
#include "dialogs/FormMoreOptions.h"
#include "app/ControlIds.h"
#include "app/FormVarnookDesign.h"
#include "platform/Dpi.h"
#include "platform/PendingMessages.h"
#include "platform/WindowPlacing.h"
#include "resource.h"
#include "runtime/AnsiText.h"

#include <windowsx.h>

#include <utility>

namespace {

namespace Design = FormVarnookDesign;

// Not WS_CLIPCHILDREN: a group box draws only its frame and caption, and
// leaves its inside to the form's background.
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int WatchFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_ATTRIBUTES |
    FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
constexpr int WatchInterval = 10;
constexpr WORD EnterKey = VK_RETURN;

} // namespace

FormVarnook::Parts::Parts(FormVarnook& form)
    : controls(form.site_), services(form.Hwnd(), form.program_.ApplicationTitle()),
      listing(controls, form.folder_, form.rules_),
      run(controls, services, listing, form.watch_, form.log_, form.journal_, form.folder_, form.rules_,
          [&form] { return form.specialFolders_.GetExplorerFolder(); }),
      undo(controls, services, listing, form.watch_, form.log_, form.journal_),
      shortcuts(controls, services, form.settings_, form.folder_)
{
}

FormVarnook::FormVarnook() : site_(nullptr), journal_(RunJournal::UserFolder()), watch_(*this)
{
}

FormVarnook::FormVarnook(std::wstring registryKey, std::wstring journalFolder)
    : site_(nullptr), settings_(std::move(registryKey)), journal_(std::move(journalFolder)), watch_(*this)
{
}

FormVarnook::~FormVarnook()
{
    PendingMessages::RemoveKeyPreview(Hwnd());
    PendingMessages::RemoveNavigation(Hwnd());
}

bool FormVarnook::Load(int showCommand)
{
    if (!CreateFormWindow()) {
        return false;
    }
    CreateParts();
    RunLoadSequence();
    // Access keys and focus rectangles show as the user's setting and last
    // input have it.
    ::SendMessageW(Hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
    ::ShowWindow(Hwnd(), RestorePlace(showCommand));
    ::UpdateWindow(Hwnd());
    return true;
}

// The window opens with its client area at the designed size at the
// screen's DPI, the smallest it can be made.
bool FormVarnook::CreateFormWindow()
{
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const auto icon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_VARNOOK), IMAGE_ICON,
        ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), LR_SHARED));
    const auto smallIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_VARNOOK), IMAGE_ICON,
        ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!RegisterWindowClass(WindowClassName, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon, smallIcon)) {
        return false;
    }
    const SIZE frame = DesignFrameSize(Dpi::OfSystem());
    const RECT bounds{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + frame.cx, CW_USEDEFAULT + frame.cy};
    if (!CreateOwnWindow(FormExStyle, WindowClassName, program_.ApplicationTitle(), FormStyle, bounds, nullptr)) {
        return false;
    }
    site_.SetHostWindow(Hwnd());
    return true;
}

SIZE FormVarnook::DesignFrameSize(UINT dpi)
{
    RECT frame{0, 0, Dpi::FromTwips(Design::ClientWidth, dpi), Dpi::FromTwips(Design::ClientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&frame, FormStyle, FALSE, FormExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The stored place, on the monitor nearest to it, and maximised again when
// the window was left so and is shown the usual way.
int FormVarnook::RestorePlace(int showCommand)
{
    const std::optional<Settings::WindowPlace> stored = settings_.Window();
    if (!stored) {
        return showCommand;
    }
    WINDOWPLACEMENT placement{sizeof(placement)};
    ::GetWindowPlacement(Hwnd(), &placement);
    placement.rcNormalPosition = WindowPlacing::OnNearestMonitor(stored->Normal, DesignFrameSize(site_.Dpi()));
    placement.showCmd = SW_HIDE;
    ::SetWindowPlacement(Hwnd(), &placement);
    const bool usual = showCommand == SW_SHOWNORMAL || showCommand == SW_SHOW || showCommand == SW_SHOWDEFAULT;
    return stored->Maximized && usual ? SW_SHOWMAXIMIZED : showCommand;
}

void FormVarnook::SavePlace()
{
    WINDOWPLACEMENT placement{sizeof(placement)};
    if (!::GetWindowPlacement(Hwnd(), &placement)) {
        return;
    }
    const bool maximized = placement.showCmd == SW_SHOWMAXIMIZED ||
        (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
    settings_.SetWindow({placement.rcNormalPosition, maximized});
}

void FormVarnook::CreateParts()
{
    parts_ = std::make_unique<Parts>(*this);
    FormVarnookControls& controls = parts_->controls;
    controls.SystemMenuVarnook().SetEvents(this);
    controls.ListViewFolderItems().SetEvents(this);
    controls.ListViewFolderItems().SetRowTexts(&parts_->listing);
    controls.CheckOptionsModified().SetClickHandler([this] { ModifiedClicked(); });
    controls.CheckOptionsHiddensystem().SetClickHandler([this] { HiddenSystemClicked(); });
    PendingMessages::AddKeyPreview(Hwnd());
    PendingMessages::AddNavigation(Hwnd());
}

void FormVarnook::RunLoadSequence()
{
    loading_ = true;
    FormVarnookControls& controls = parts_->controls;
    controls.ReadDesign();
    controls.ApplyCaptions(program_);
    parts_->listing.RecordColumnWidths();
    parts_->listing.UseColumnWidths(settings_.ColumnWidths());
    const Settings::ListSort sort = settings_.Sort();
    SortList(RowOrder(sort.Column, sort.Descending));
    controls.FrameModified().Enable(false);
    ModifiedClicked();
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    controls.DateTimePickerModifiedDate().SetValue(Variant(OleDate::FromSystemTime(now).value_or(OleDate())));
    controls.DateTimePickerModifiedTime().SetValue(controls.DateTimePickerModifiedDate().Value());
    RestoreOptions();
    folder_.SetPath(settings_.LastFolder());
    dialogs_.SetOwnerHwnd(Hwnd());
    watch_.SetFilter(WatchFilter);
    watch_.SetInterval(WatchInterval);
    log_.SetApplication(program_.ApplicationTitle());
    log_.SetFileName(specialFolders_.GetTempFolder() + program_.ExecutableTitle() + L".log");
    log_.Clear();
    loading_ = false;
    parts_->listing.FillFolderList();
    ShowUndoAvailability();
}

// Restoring a check box runs its click handling, as a click would: Modified
// enables the date controls. Hidden/System lists nothing while loading; the
// load's own listing follows.
void FormVarnook::RestoreOptions()
{
    FormVarnookControls& controls = parts_->controls;
    controls.ComboOptionsConversion().SetListIndex(settings_.Conversion());
    controls.CheckOptionsLog().SetValue(settings_.Log() ? 1 : 0);
    controls.CheckOptionsSubfolders().SetValue(settings_.Subfolders() ? 1 : 0);
    controls.CheckOptionsModified().SetValue(settings_.Modified() ? 1 : 0);
    controls.CheckOptionsIgnorereadonly().SetValue(settings_.IgnoreReadonly() ? 1 : 0);
    controls.CheckOptionsHiddensystem().SetValue(settings_.HiddenSystem() ? 1 : 0);
    rules_ = settings_.Rules();
}

void FormVarnook::SaveOptions()
{
    FormVarnookControls& controls = parts_->controls;
    SavePlace();
    settings_.SetColumnWidths(parts_->listing.ColumnWidths());
    const RowOrder& order = parts_->listing.Order();
    settings_.SetSort({order.Column(), order.Descending()});
    settings_.SetLastFolder(folder_.Path());
    settings_.SetConversion(static_cast<std::uint8_t>(controls.ComboOptionsConversion().ListIndex()));
    settings_.SetLog(controls.CheckOptionsLog().Value() != 0);
    settings_.SetSubfolders(controls.CheckOptionsSubfolders().Value() != 0);
    settings_.SetModified(controls.CheckOptionsModified().Value() != 0);
    settings_.SetIgnoreReadonly(controls.CheckOptionsIgnorereadonly().Value() != 0);
    settings_.SetHiddenSystem(controls.CheckOptionsHiddensystem().Value() != 0);
    settings_.SetRules(rules_);
}

void FormVarnook::PostOnce(UINT message)
{
    MSG waiting;
    if (!::PeekMessageW(&waiting, Hwnd(), message, message, PM_NOREMOVE)) {
        ::PostMessageW(Hwnd(), message, 0, 0);
    }
}

// Whatever fails in a handler (a listing, a run, a dialog) is told to the
// user, and the window stays usable.
LRESULT FormVarnook::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    try {
        return Dispatch(message, wparam, lparam);
    } catch (...) {
        ReportFailure(std::current_exception());
        return 0;
    }
}

void FormVarnook::ReportFailure(const std::exception_ptr& failure)
{
    std::wstring what = L"onbekend";
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        what = AnsiText::Decode(error.what());
    } catch (...) {
    }
    if (parts_ != nullptr) {
        parts_->services.ShowWarning(UnexpectedError + what, MessageBoxButtons::Ok);
    }
}

// A run or an undo holds the window's inputs; nothing else may start
// meanwhile, from whatever nested message handling.
bool FormVarnook::Busy() const
{
    return parts_ != nullptr && (parts_->run.InProgress() || parts_->undo.InProgress());
}

LRESULT FormVarnook::Dispatch(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (OnActivate(wparam)) {
            return 0;
        }
        break;
    case WM_CONTEXTMENU:
        if (OnContextMenu(reinterpret_cast<HWND>(wparam), lparam)) {
            return 0;
        }
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SIZE:
        OnSize(wparam, LOWORD(lparam), HIWORD(lparam));
        return 0;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return 0;
    case WM_NEXTDLGCTL:
        OnNextControl(wparam, LOWORD(lparam) != 0);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(reinterpret_cast<HDC>(wparam));
    case WM_SETCURSOR:
        if (OnSetCursor()) {
            return TRUE;
        }
        break;
    case WM_KEYUP:
        OnKeyUp(wparam);
        return 0;
    case ListMenuMessage:
        OnListMenu();
        return 0;
    case WM_TIMER:
        if (wparam == RelistTimer) {
            OnTimer();
            return 0;
        }
        break;
    case StartWatchMessage:
        OnStartWatch();
        return 0;
    case ProcessFromListMessage:
        OnProcessFromList();
        return 0;
    case OpenItemMessage:
        OnOpenItem();
        return 0;
    case ShowPropertiesMessage:
        OnShowProperties();
        return 0;
    case ShowAboutMessage:
        OnShowAbout();
        return 0;
    case UndoMessage:
        OnUndo();
        return 0;
    case WM_QUERYENDSESSION:
        // The session may end the process: the run stops after the entry in hand.
        if (parts_ != nullptr) {
            parts_->run.Stop(true);
        }
        return TRUE;
    case WM_ENDSESSION:
        OnEndSession(wparam != FALSE);
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wparam, lparam);
}

// The watch starts once, from the top of the message loop: run from inside
// the activation it would keep the activation from finishing, and started
// again at every activation it would nest inside a run.
//
// The focus comes back to the control that had it when the window lost the
// activation (to a message box, a dialog, another program); true when it
// did, so the platform does not put it on the window itself.
bool FormVarnook::OnActivate(WPARAM wparam)
{
    if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(Hwnd(), focus)) {
            focusBeforeLeaving_ = focus;
        }
        return false;
    }
    if (!watchStartPosted_) {
        watchStartPosted_ = true;
        PostOnce(StartWatchMessage);
    }
    const HWND focus = std::exchange(focusBeforeLeaving_, nullptr);
    if (HIWORD(wparam) != 0 || focus == nullptr || !::IsChild(Hwnd(), focus) || !::IsWindowVisible(focus) ||
        !::IsWindowEnabled(focus)) {
        return false;
    }
    ::SetFocus(focus);
    return true;
}

void FormVarnook::OnStartWatch()
{
    if (!unloaded_ && !Busy()) {
        watch_.Create(folder_.Path());
    }
}

void FormVarnook::OnClose()
{
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    SaveOptions();
    ::KillTimer(Hwnd(), RelistTimer);
    watch_.Destroy();
    ::PostQuitMessage(0);
}

void FormVarnook::OnSize(WPARAM kind, int width, int height)
{
    if (parts_ != nullptr && kind != SIZE_MINIMIZED) {
        LayOut({width, height});
    }
}

void FormVarnook::LayOut(SIZE client)
{
    parts_->controls.Layout(client);
    parts_->listing.FitFolderLabel();
}

void FormVarnook::OnGetMinMaxInfo(MINMAXINFO& limits)
{
    const SIZE smallest = DesignFrameSize(site_.Dpi());
    limits.ptMinTrackSize = {smallest.cx, smallest.cy};
}

// The window went to a monitor of another scale: it takes the size the
// platform suggests, and every part is drawn and placed for the new DPI.
void FormVarnook::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    if (parts_ == nullptr || dpi == 0) {
        return;
    }
    site_.SetDpi(dpi);
    parts_->controls.Rescale();
    ::SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
        suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    LayOut({client.right, client.bottom});
}

// Dialog navigation asks for this when a label's or a frame's access key
// is pressed: the focus goes to the label, then on to the control after it.
void FormVarnook::OnNextControl(WPARAM which, bool isWindow)
{
    const HWND target =
        isWindow ? reinterpret_cast<HWND>(which) : ::GetNextDlgTabItem(Hwnd(), ::GetFocus(), which != 0);
    if (target != nullptr && ::IsChild(Hwnd(), target)) {
        ::SetFocus(target);
    }
}

// The window is no dialog, so no button is the default one that Enter
// presses: Enter presses the button that has the focus.
void FormVarnook::PressFocusedButton()
{
    const HWND focus = ::GetFocus();
    if (focus == nullptr || ::GetParent(focus) != Hwnd()) {
        return;
    }
    const LRESULT kind = ::SendMessageW(focus, WM_GETDLGCODE, 0, 0);
    if ((kind & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON)) != 0) {
        ::SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

// Labels, check boxes and frames lie on the form's own face.
LRESULT FormVarnook::OnControlColour(HDC dc)
{
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

// The hourglass stays while a handler works, also when the pointer moves.
bool FormVarnook::OnSetCursor()
{
    if (parts_ == nullptr || parts_->services.GetMousePointer() != MousePointer::Hourglass) {
        return false;
    }
    ::SetCursor(PlatformWindowServices::CursorOf(MousePointer::Hourglass));
    return true;
}

// While a run holds the window, Esc stops it and every other key waits.
// The window has no text to edit, so Ctrl+A and F5 act wherever the focus is.
void FormVarnook::OnKeyUp(WPARAM key)
{
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (Busy()) {
        if (key == VK_ESCAPE) {
            parts_->run.Stop(false);
        }
    } else if (key == 'Z' && control) {
        PostOnce(UndoMessage);
    } else if (key == 'A' && control) {
        SelectAll();
    } else if (key == VK_F5) {
        Refresh();

    } else {
        parts_->shortcuts.KeyReleased(key);
    }
}

// The session is ending, and the process may be ended without WM_CLOSE.
void FormVarnook::OnEndSession(bool ending)
{
    if (ending && !unloaded_) {
        SaveOptions();
    }
}

void FormVarnook::OnTimer()
{
    if (relisting_.IsDue(::GetTickCount64())) {
        ::KillTimer(Hwnd(), RelistTimer);
        ListFolder();
    }
}

// Enter and Esc reach the window as IDOK and IDCANCEL through dialog
// navigation: they are no commands of any control.
void FormVarnook::OnCommand(int id, int code)
{
    if (parts_ == nullptr) {
        return;
    }
    // The new names the list shows follow the style at once.
    if (id == ControlIds::ComboOptionsConversion && code == CBN_SELCHANGE) {
        parts_->controls.ListViewFolderItems().Refresh();
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    // While a run holds the window its controls are disabled, and their
    // commands, however they come, are refused; Esc stops the run.
    if (Busy()) {
        if (id == IDCANCEL) {
            parts_->run.Stop(false);
        }
        return;
    }
    FormVarnookControls& controls = parts_->controls;
    switch (id) {
    case IDOK:
        PressFocusedButton();
        break;
    case ControlIds::CommandFolderBrowse:
        Browse();
        break;
    case ControlIds::CommandProcess:
        RunProcess();
        break;
    case ControlIds::CommandSelectall:
        SelectAll();
        break;
    case ControlIds::CommandRefresh:
        Refresh();
        break;
    case ControlIds::CommandMoreOptions:
        ShowMoreOptions();
        break;
    case ControlIds::CheckOptionsLog:
        controls.CheckOptionsLog().OnClicked();
        break;
    case ControlIds::CheckOptionsSubfolders:
        controls.CheckOptionsSubfolders().OnClicked();
        break;
    case ControlIds::CheckOptionsModified:
        controls.CheckOptionsModified().OnClicked();
        break;
    case ControlIds::CheckOptionsIgnorereadonly:
        controls.CheckOptionsIgnorereadonly().OnClicked();
        break;
    case ControlIds::CheckOptionsHiddensystem:
        controls.CheckOptionsHiddensystem().OnClicked();
        break;
    default:
        break;
    }
}

// A run works on the lines as they are; another folder under its feet
// would make it rename the wrong items. The dialog opens on the current
// folder and only tells which folder was chosen.
void FormVarnook::Browse()
{
    dialogs_.SetFolderName(folder_.Path());
    dialogs_.SetTitle(folder_.Path());
    const std::int16_t result = dialogs_.ShowBrowse();
    if (result == CommonDialogs::FolderChosen) {
        folder_.SetPath(dialogs_.FolderName());
        ShowChosenFolder();
    } else if (result == CommonDialogs::DriveUnreadable) {
        parts_->services.Repaint();
        parts_->services.ShowWarning(DriveError, MessageBoxButtons::Ok);
    }
}

void FormVarnook::ShowChosenFolder()
{
    const BusyPointer busy(parts_->services);
    parts_->services.Repaint();
    parts_->listing.FillFolderList();
    // The running watch ends when this handler returns and restarts on
    // the new folder; without one a new watch is started.
    const bool watching = watch_.Active();
    watch_.Destroy();
    if (!watching) {
        watchStartPosted_ = true;
        PostOnce(StartWatchMessage);
    }
}

void FormVarnook::SelectAll()
{
    const BusyPointer busy(parts_->services);
    ListView& list = parts_->controls.ListViewFolderItems();
    LVITEMW item{LVIF_STATE};
    item.state = LVIS_SELECTED;
    item.stateMask = LVIS_SELECTED;
    ::SendMessageW(list.ControlHwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    parts_->controls.CommandProcess().SetEnabled(list.ListItems().SelectedCount() != 0);
}

void FormVarnook::Refresh()
{
    ListFolder();
}

void FormVarnook::ListFolder()
{
    const BusyPointer busy(parts_->services);
    parts_->listing.FillFolderList();
}

void FormVarnook::ModifiedClicked()
{
    FormVarnookControls& controls = parts_->controls;
    const bool enabled = controls.CheckOptionsModified().Value() != 0;
    controls.FrameModified().Enable(enabled);
    controls.LabelModifiedDate().Enable(enabled);
    controls.DateTimePickerModifiedDate().SetEnabled(enabled);
    controls.LabelModifiedTime().Enable(enabled);
    controls.DateTimePickerModifiedTime().SetEnabled(enabled);
}

void FormVarnook::HiddenSystemClicked()
{
    if (!loading_) {
        ListFolder();
    }
}

void FormVarnook::FileChange()
{
    if (relisting_.Change(::GetTickCount64())) {
        ::KillTimer(Hwnd(), RelistTimer);
        ListFolder();
    } else {
        ::SetTimer(Hwnd(), RelistTimer, static_cast<UINT>(RelistSchedule::QuietPeriod), nullptr);
    }
}

void FormVarnook::FolderChange()
{
    parts_->services.ShowWarning(FolderChanged, MessageBoxButtons::Ok);
    folder_.SetPath(program_.ExecutableFolder());
    ListFolder();
}

// A re-listing that failed ends the watch; the user hears which folder could
// not be read, and Terminate watches again.
void FormVarnook::HandlerFailed(std::exception_ptr)
{
    parts_->services.ShowWarning(std::wstring(RunEngine::AccessError) + folder_.Path(), MessageBoxButtons::Ok);
}

// A new watch on the folder that is current now; none once the window is closing.
void FormVarnook::Terminate()
{
    if (!unloaded_) {
        watch_.Create(folder_.Path());
    }
}

// A right click's selection change is no left click: only button 1 decides
// about Process.
void FormVarnook::ItemClick(ListItem& item, std::int16_t button)
{
    if (button == ListViewEvents::LeftButton) {
        parts_->controls.CommandProcess().SetEnabled(
            parts_->controls.ListViewFolderItems().ListItems().SelectedCount() != 0);
    } else if (button == ListViewEvents::RightButton && !Busy()) {
        pendingProperties_ = folder_.PathOf(item.Row());
        PostOnce(ShowPropertiesMessage);
    }
}

// Only a left double click opens: a right one is two requests for the
// properties, never a request to run the item.
void FormVarnook::ItemDblClick(ListItem& item, std::int16_t button)
{
    if (button == ListViewEvents::LeftButton && !Busy()) {
        pendingOpen_ = folder_.PathOf(item.Row());
        PostOnce(OpenItemMessage);
    }
}

// A right click keeps showing the properties; the menu key and Shift+F10
// open the list's menu, at the focused row. The request comes from the list
// or, passed on, from the component around it.
bool FormVarnook::OnContextMenu(HWND from, LPARAM where)
{
    const bool fromKeyboard = GET_X_LPARAM(where) == -1 && GET_Y_LPARAM(where) == -1;
    if (parts_ == nullptr || !fromKeyboard) {
        return false;
    }
    const ListView& list = parts_->controls.ListViewFolderItems();
    if (from != list.ControlHwnd() && from != list.Hwnd()) {
        return false;
    }
    PostOnce(ListMenuMessage);
    return true;
}

void FormVarnook::OnListMenu()
{
    if (!Busy() && ::GetFocus() == parts_->controls.ListViewFolderItems().ControlHwnd()) {
        ShowListMenu();
    }
}

namespace {

enum ListMenuEntry : UINT { OpenEntry = 1, PropertiesEntry, SelectAllEntry, RefreshEntry };

POINT ListMenuPlace(HWND list, std::int32_t row)
{
    RECT place{LVIR_LABEL};
    if (row < 0 ||
        ::SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&place)) == 0) {
        place = {};
    }
    POINT point{place.left, place.bottom};
    ::ClientToScreen(list, &point);
    return point;
}

} // namespace

void FormVarnook::ShowListMenu()
{
    ListView& list = parts_->controls.ListViewFolderItems();
    const HWND window = list.ControlHwnd();
    const auto focusedRow = [window] {
        return static_cast<std::int32_t>(
            ::SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), static_cast<LPARAM>(LVNI_FOCUSED)));
    };
    const std::int32_t focused = focusedRow();
    const MenuHandle menu(::CreatePopupMenu());
    if (!menu) {
        return;
    }
    const UINT onRow = list.ListItems().Item(focused) != nullptr ? MF_ENABLED : MF_GRAYED;
    const UINT flags[] = {onRow, onRow, MF_ENABLED, MF_ENABLED};
    UINT entry = OpenEntry;
    for (const wchar_t* text : Design::DutchListMenu) {
        ::AppendMenuW(menu.Get(), MF_STRING | flags[entry - OpenEntry], entry, text);
        ++entry;
    }
    const POINT place = ListMenuPlace(window, focused);
    const auto chosen = static_cast<UINT>(::TrackPopupMenuEx(
        menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, place.x, place.y, Hwnd(), nullptr));
    // The menu's own loop may have listed the folder again: the row is
    // looked up now, not before.
    const ListItem* row = list.ListItems().Item(focusedRow());
    switch (chosen) {
    case OpenEntry:
        if (row != nullptr) {
            pendingOpen_ = folder_.PathOf(row->Row());
            PostOnce(OpenItemMessage);
        }
        break;
    case PropertiesEntry:
        if (row != nullptr) {
            pendingProperties_ = folder_.PathOf(row->Row());
            PostOnce(ShowPropertiesMessage);
        }
        break;
    case SelectAllEntry:
        SelectAll();
        break;
    case RefreshEntry:
        Refresh();
        break;
    default:
        break;
    }
}

// A second click on the same header turns the order round.
void FormVarnook::ColumnClick(Column& column)
{
    if (Busy()) {
        return;
    }
    const RowOrder& now = parts_->listing.Order();
    const bool again = column.Index() == now.Column();
    SortList(RowOrder(column.Index(), again && !now.Descending()));
}

void FormVarnook::ColumnResized(Column& column)
{
    parts_->listing.ColumnResized(column.Index());
}

void FormVarnook::SortList(const RowOrder& order)
{
    const BusyPointer busy(parts_->services);
    parts_->listing.SortBy(order);
    ListView& list = parts_->controls.ListViewFolderItems();
    for (std::int32_t index = 0; index < list.Count(); ++index) {
        const Column::Arrow arrow = index != order.Column()
            ? Column::Arrow::None
            : (order.Descending() ? Column::Arrow::Down : Column::Arrow::Up);
        list.Column(index)->SetSortArrow(arrow);
    }
}

void FormVarnook::KeyDown(std::int16_t keycode)
{
    if (keycode == EnterKey && parts_->controls.ListViewFolderItems().ListItems().SelectedCount() > 0) {
        PostOnce(ProcessFromListMessage);
    }
}

void FormVarnook::OnProcessFromList()
{
    RunProcess();
}

namespace {

// The window's inputs, held for as long as the object lives.
class InputsHeld {
public:
    explicit InputsHeld(FormVarnookControls& controls) : controls_(controls), held_(controls.HoldInputs()) {}
    ~InputsHeld() { controls_.ReleaseInputs(held_); }
    InputsHeld(const InputsHeld&) = delete;
    InputsHeld& operator=(const InputsHeld&) = delete;

private:
    FormVarnookControls& controls_;
    FormVarnookControls::HeldInputs held_;
};

} // namespace

void FormVarnook::RunProcess()
{
    if (Busy()) {
        return;
    }
    {
        const InputsHeld held(parts_->controls);
        parts_->run.Run();
    }
    ShowUndoAvailability();
}

void FormVarnook::OnUndo()
{
    if (Busy() || unloaded_) {
        return;
    }
    {
        const InputsHeld held(parts_->controls);
        parts_->undo.Run();
    }
    ShowUndoAvailability();
}

void FormVarnook::ShowUndoAvailability()
{
    if (SystemMenuItem* undo = parts_->controls.SystemMenuVarnook().Item(Design::UndoEntry)) {
        undo->SetEnabled(parts_->undo.Available());
    }
}

// The full path, with the folder as working folder: a folder named like a
// program opens the folder, not the program.
void FormVarnook::OnOpenItem()
{
    const std::wstring path = std::exchange(pendingOpen_, std::wstring());
    if (Busy()) {
        return;
    }
    const BusyPointer busy(parts_->services);
    if (!parts_->services.OpenDocument(path, folder_.Path())) {
        ShowShellFailure(OpenError, path);
    }
}

// A path too long for the shell is told as such, not as a failure of the item.
void FormVarnook::ShowShellFailure(const wchar_t* failure, const std::wstring& path)
{
    const bool tooLong = !PlatformWindowServices::ShellPath(path).has_value();
    parts_->services.ShowWarning((tooLong ? PathTooLongToOpen : failure) + path, MessageBoxButtons::Ok);
}

void FormVarnook::OnShowProperties()
{
    const std::wstring path = std::exchange(pendingProperties_, std::wstring());
    if (Busy()) {
        return;
    }
    const BusyPointer busy(parts_->services);
    if (!parts_->services.ShowProperties(path)) {
        ShowShellFailure(PropertiesError, path);
    }
}

// The undo entry undoes; every other entry, the separator's command
// included, leads to About. The system menu's command arrives inside the
// frame's own menu handling; the modal loops start from the top of the main
// loop instead.
void FormVarnook::ItemClick(SystemMenuItem& item)
{
    if (item.Index() == Design::UndoEntry) {
        PostOnce(UndoMessage);
        return;
    }
    if (const SystemMenuItem* entry = parts_->controls.SystemMenuVarnook().Item(Design::AboutEntry)) {
        pendingAboutCaption_ = FormAbout::CaptionFor(entry->Text());
        PostOnce(ShowAboutMessage);
    }
}

// The rules are the user's as soon as they are chosen, and the list's new
// names follow them at once.
void FormVarnook::ShowMoreOptions()
{
    RunRules chosen = rules_;
    FormMoreOptions options;
    if (!options.ShowModal(Hwnd(), chosen)) {
        return;
    }
    rules_ = chosen;
    settings_.SetRules(rules_);
    parts_->controls.ListViewFolderItems().Refresh();
}

void FormVarnook::OnShowAbout()
{
    if (Busy()) {
        return;
    }
    FormAbout about;
    about.SetCaption(std::exchange(pendingAboutCaption_, std::wstring()));
    about.SetApplication(FormAbout::ApplicationLine(program_));
    about.SetCopyright(program_.LegalCopyright());
    about.SetWebsite(FormAbout::MakerWebsite);
    about.SetIcon2(IconRef{IDI_VARNOOK});
    {
        const BusyPointer busy(parts_->services);
        about.ShowModal(Hwnd());
    }
    parts_->services.Repaint();
}
