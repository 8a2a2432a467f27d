#include "app/FormVarnook.h"

#include "app/ControlIds.h"
#include "app/FormVarnookDesign.h"
#include "app/FormVarnookParts.h"
#include "app/ModuleVarnook.h"
#include "platform/Dpi.h"
#include "platform/PendingMessages.h"
#include "resource.h"

namespace {

namespace Design = FormVarnookDesign;

// Not WS_CLIPCHILDREN: a group box draws only its frame and caption, and
// leaves its inside to the form's background.
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr int WatchFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
    FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
constexpr int WatchInterval = 10;

RECT Place(const Design::Placement& placement, UINT dpi)
{
    return Dpi::FromTwips(placement.Left, placement.Top, placement.Width, placement.Height, dpi);
}

} // namespace

FormVarnook::Parts::Parts(FormVarnook& form)
    : services(form.Hwnd(), form.program_.ApplicationTitle()),
      systemMenu(form.site_, L"SystemMenuVarnook"),
      infoFrame(form.site_, L"InfoFrameVarnook", Place(Design::InfoFrameVarnook, form.site_.Dpi()),
          ControlIds::InfoFrameVarnook),
      frameFolder(L"Folder", Place(Design::FrameFolder, form.site_.Dpi()), form.Hwnd(), ControlIds::FrameFolder),
      browse(L"Browse", Place(Design::CommandFolderBrowse, form.site_.Dpi()), form.Hwnd(),
          ControlIds::CommandFolderBrowse),
      folderLabel(L"", Place(Design::LabelFolderCurrentfolder, form.site_.Dpi()), form.Hwnd(),
          ControlIds::LabelFolderCurrentfolder),
      list(form.site_, L"ListViewFolderItems", Place(Design::ListViewFolderItems, form.site_.Dpi()),
          ControlIds::ListViewFolderItems),
      frameModified(L"Modified", Place(Design::FrameModified, form.site_.Dpi()), form.Hwnd(),
          ControlIds::FrameModified),
      labelDate(L"Date:", Place(Design::LabelModifiedDate, form.site_.Dpi()), form.Hwnd(),
          ControlIds::LabelModifiedDate),
      datePicker(form.site_, L"DateTimePickerModifiedDate", Place(Design::DateTimePickerModifiedDate, form.site_.Dpi()),
          ControlIds::DateTimePickerModifiedDate),
      labelTime(L"Time:", Place(Design::LabelModifiedTime, form.site_.Dpi()), form.Hwnd(),
          ControlIds::LabelModifiedTime),
      timePicker(form.site_, L"DateTimePickerModifiedTime", Place(Design::DateTimePickerModifiedTime, form.site_.Dpi()),
          ControlIds::DateTimePickerModifiedTime),
      process(L"Process", Place(Design::CommandProcess, form.site_.Dpi()), form.Hwnd(), ControlIds::CommandProcess),
      selectAll(L"Select All", Place(Design::CommandSelectall, form.site_.Dpi()), form.Hwnd(),
          ControlIds::CommandSelectall),
      refresh(L"Refresh", Place(Design::CommandRefresh, form.site_.Dpi()), form.Hwnd(), ControlIds::CommandRefresh),
      frameOptions(L"Options", Place(Design::FrameOptions, form.site_.Dpi()), form.Hwnd(), ControlIds::FrameOptions),
      conversion(Design::ConversionEntries(), Place(Design::ComboOptionsConversion, form.site_.Dpi()), form.Hwnd(),
          ControlIds::ComboOptionsConversion),
      log(L"Log", Place(Design::CheckOptionsLog, form.site_.Dpi()), form.Hwnd(), ControlIds::CheckOptionsLog),
      subfolders(L"Subfolders", Place(Design::CheckOptionsSubfolders, form.site_.Dpi()), form.Hwnd(),
          ControlIds::CheckOptionsSubfolders),
      modified(L"Modified", Place(Design::CheckOptionsModified, form.site_.Dpi()), form.Hwnd(),
          ControlIds::CheckOptionsModified),
      ignoreReadonly(L"Ignore Read-only", Place(Design::CheckOptionsIgnorereadonly, form.site_.Dpi()), form.Hwnd(),
          ControlIds::CheckOptionsIgnorereadonly),
      hiddenSystem(L"Hidden/System", Place(Design::CheckOptionsHiddensystem, form.site_.Dpi()), form.Hwnd(),
          ControlIds::CheckOptionsHiddensystem),
      progress(form.site_, L"ProgressBarVarnook", Place(Design::ProgressBarVarnook, form.site_.Dpi()),
          ControlIds::ProgressBarVarnook),
      listing(form, [&form] { return form.dialogs_.FolderName(); }),
      run(form, services, listing, form.watch_, form.log_, [&form] { return form.dialogs_.FolderName(); },
          [&form] { return form.specialFolders_.GetExplorerFolder(); }),
      shortcuts(form, services, form.settings_, [&form] { return form.dialogs_.FolderName(); })
{
}

FormVarnook::FormVarnook() : site_(nullptr), watch_(*this) {}

FormVarnook::FormVarnook(std::wstring registryKey)
    : site_(nullptr), settings_(std::move(registryKey)), watch_(*this)
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
    ::ShowWindow(Hwnd(), showCommand);
    ::UpdateWindow(Hwnd());
    return true;
}

// A fixed window: its client area is the designed size at the screen's DPI.
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
    const UINT dpi = Dpi::OfSystem();
    RECT frame{0, 0, Dpi::FromTwips(Design::ClientWidth, dpi), Dpi::FromTwips(Design::ClientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&frame, FormStyle, FALSE, FormExStyle, dpi);
    const RECT bounds{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + frame.right - frame.left,
        CW_USEDEFAULT + frame.bottom - frame.top};
    if (!CreateOwnWindow(FormExStyle, WindowClassName, program_.ApplicationTitle(), FormStyle, bounds, nullptr)) {
        return false;
    }
    site_.SetHostWindow(Hwnd());
    return true;
}

void FormVarnook::CreateParts()
{
    parts_ = std::make_unique<Parts>(*this);
    font_ = site_.HostFont().Create(site_.Dpi());
    for (StandardControl* control : std::initializer_list<StandardControl*>{&parts_->frameFolder, &parts_->browse,
             &parts_->folderLabel, &parts_->frameModified, &parts_->labelDate, &parts_->labelTime, &parts_->process,
             &parts_->selectAll, &parts_->refresh, &parts_->frameOptions, &parts_->conversion, &parts_->log,
             &parts_->subfolders, &parts_->modified, &parts_->ignoreReadonly, &parts_->hiddenSystem}) {
        control->SetFont(static_cast<HFONT>(font_.Get()));
    }
    parts_->systemMenu.SetEvents(this);
    parts_->list.SetEvents(this);
    parts_->modified.SetClickHandler([this] { ModifiedClicked(); });
    parts_->hiddenSystem.SetClickHandler([this] { HiddenSystemClicked(); });
    PendingMessages::AddKeyPreview(Hwnd());
    PendingMessages::AddNavigation(Hwnd());
}

void FormVarnook::RunLoadSequence()
{
    loading_ = true;
    parts_->systemMenu.ReadProperties(Design::SystemMenuVarnookSettings());
    parts_->infoFrame.ReadProperties(Design::InfoFrameVarnookSettings());
    parts_->infoFrame.Resize();
    parts_->list.ReadProperties(Design::ListViewFolderItemsSettings());
    parts_->datePicker.ReadProperties(Design::DateTimePickerModifiedDateSettings());
    parts_->timePicker.ReadProperties(Design::DateTimePickerModifiedTimeSettings());
    parts_->progress.ReadProperties(Design::ProgressBarVarnookSettings());

    ApplyCaptions(*this);
    parts_->listing.RecordColumnWidths();
    parts_->frameModified.Enable(false);
    ModifiedClicked();
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    parts_->datePicker.SetValue(Variant(OleDate::FromSystemTime(now).value_or(OleDate())));
    parts_->timePicker.SetValue(parts_->datePicker.Value());
    RestoreOptions();
    dialogs_.SetFolderName(settings_.LastFolder());
    dialogs_.SetOwnerHwnd(Hwnd());
    watch_.SetFilter(WatchFilter);
    watch_.SetInterval(WatchInterval);
    log_.SetApplication(program_.ApplicationTitle());
    log_.SetFileName(specialFolders_.GetTempFolder() + program_.ExecutableTitle() + L".log");
    log_.Clear();
    loading_ = false;
    parts_->listing.FillFolderList();
}

// Restoring a check box runs its click handling, as a click would: Modified
// enables the date controls. Hidden/System lists nothing while loading; the
// load's own listing follows.
void FormVarnook::RestoreOptions()
{
    parts_->conversion.SetListIndex(settings_.Conversion());
    parts_->log.SetValue(settings_.Log() ? 1 : 0);
    parts_->subfolders.SetValue(settings_.Subfolders() ? 1 : 0);
    parts_->modified.SetValue(settings_.Modified() ? 1 : 0);
    parts_->ignoreReadonly.SetValue(settings_.IgnoreReadonly() ? 1 : 0);
    parts_->hiddenSystem.SetValue(settings_.HiddenSystem() ? 1 : 0);
}

void FormVarnook::SaveOptions()
{
    settings_.SetLastFolder(dialogs_.FolderName());
    settings_.SetConversion(static_cast<std::uint8_t>(parts_->conversion.ListIndex()));
    settings_.SetLog(parts_->log.Value() != 0);
    settings_.SetSubfolders(parts_->subfolders.Value() != 0);
    settings_.SetModified(parts_->modified.Value() != 0);
    settings_.SetIgnoreReadonly(parts_->ignoreReadonly.Value() != 0);
    settings_.SetHiddenSystem(parts_->hiddenSystem.Value() != 0);
}

void FormVarnook::PostOnce(UINT message)
{
    MSG waiting;
    if (!::PeekMessageW(&waiting, Hwnd(), message, message, PM_NOREMOVE)) {
        ::PostMessageW(Hwnd(), message, 0, 0);
    }
}

LRESULT FormVarnook::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_ACTIVATE:
        OnActivate(wparam);
        break;
    case WM_CLOSE:
        OnClose();
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
    default:
        break;
    }
    return DefaultHandling(message, wparam, lparam);
}

// The watch starts once, from the top of the message loop: run from inside
// the activation it would keep the activation from finishing, and started
// again at every activation it would nest inside a run.
void FormVarnook::OnActivate(WPARAM wparam)
{
    if (LOWORD(wparam) != WA_INACTIVE && !watchStartPosted_) {
        watchStartPosted_ = true;
        PostOnce(StartWatchMessage);
    }
}

void FormVarnook::OnStartWatch()
{
    if (!unloaded_ && !parts_->run.InProgress()) {
        watch_.Create(dialogs_.FolderName());
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

void FormVarnook::OnKeyUp(WPARAM key)
{
    parts_->shortcuts.KeyReleased(key);
}

void FormVarnook::OnTimer()
{
    if (relisting_.IsDue(::GetTickCount64())) {
        ::KillTimer(Hwnd(), RelistTimer);
        ListFolder();
    }
}

ListView& FormVarnook::ListViewFolderItems()
{
    return parts_->list;
}
ComboBox& FormVarnook::ComboOptionsConversion()
{
    return parts_->conversion;
}
CheckBox& FormVarnook::CheckOptionsLog()
{
    return parts_->log;
}
CheckBox& FormVarnook::CheckOptionsSubfolders()
{
    return parts_->subfolders;
}
CheckBox& FormVarnook::CheckOptionsModified()
{
    return parts_->modified;
}
CheckBox& FormVarnook::CheckOptionsIgnorereadonly()
{
    return parts_->ignoreReadonly;
}
CheckBox& FormVarnook::CheckOptionsHiddensystem()
{
    return parts_->hiddenSystem;
}
DateTimePicker& FormVarnook::DateTimePickerModifiedDate()
{
    return parts_->datePicker;
}
DateTimePicker& FormVarnook::DateTimePickerModifiedTime()
{
    return parts_->timePicker;
}
ProgressBar& FormVarnook::ProgressBarVarnook()
{
    return parts_->progress;
}
CommandButton& FormVarnook::CommandProcess()
{
    return parts_->process;
}
Label& FormVarnook::LabelFolderCurrentfolder()
{
    return parts_->folderLabel;
}
SystemMenu& FormVarnook::SystemMenuVarnook()
{
    return parts_->systemMenu;
}
InfoFrame& FormVarnook::InfoFrameVarnook()
{
    return parts_->infoFrame;
}
Frame& FormVarnook::FrameFolder()
{
    return parts_->frameFolder;
}
CommandButton& FormVarnook::CommandFolderBrowse()
{
    return parts_->browse;
}
Frame& FormVarnook::FrameModified()
{
    return parts_->frameModified;
}
Label& FormVarnook::LabelModifiedDate()
{
    return parts_->labelDate;
}
Label& FormVarnook::LabelModifiedTime()
{
    return parts_->labelTime;
}
CommandButton& FormVarnook::CommandSelectall()
{
    return parts_->selectAll;
}
CommandButton& FormVarnook::CommandRefresh()
{
    return parts_->refresh;
}
Frame& FormVarnook::FrameOptions()
{
    return parts_->frameOptions;
}
