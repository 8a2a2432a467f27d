#include "app/ControlIds.h"
#include "app/FormVarnook.h"
#include "app/FormVarnookParts.h"
#include "about/FormAbout.h"
#include "resource.h"

namespace {

constexpr WORD EnterKey = VK_RETURN;

// The hourglass for the length of a handler, also when it fails.
class BusyPointer {
public:
    explicit BusyPointer(WindowServices& window) : window_(window)
    {
        window_.SetMousePointer(MousePointer::Hourglass);
    }
    ~BusyPointer() { window_.SetMousePointer(MousePointer::Default); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    WindowServices& window_;
};

} // namespace

// Enter and Esc reach the window as IDOK and IDCANCEL through dialog
// navigation: they are no commands of any control and are ignored.
void FormVarnook::OnCommand(int id, int code)
{
    if (code != BN_CLICKED || parts_ == nullptr) {
        return;
    }
    switch (id) {
    case ControlIds::CommandFolderBrowse:
        Browse();
        break;
    case ControlIds::CommandProcess:
        parts_->run.Run();
        break;
    case ControlIds::CommandSelectall:
        SelectAll();
        break;
    case ControlIds::CommandRefresh:
        Refresh();
        break;
    case ControlIds::CheckOptionsLog:
        parts_->log.OnClicked();
        break;
    case ControlIds::CheckOptionsSubfolders:
        parts_->subfolders.OnClicked();
        break;
    case ControlIds::CheckOptionsModified:
        parts_->modified.OnClicked();
        break;
    case ControlIds::CheckOptionsIgnorereadonly:
        parts_->ignoreReadonly.OnClicked();
        break;
    case ControlIds::CheckOptionsHiddensystem:
        parts_->hiddenSystem.OnClicked();
        break;
    default:
        break;
    }
}

// A run works on the lines as they are; another folder under its feet
// would make it rename the wrong items.
void FormVarnook::Browse()
{
    if (parts_->run.InProgress()) {
        return;
    }
    dialogs_.SetTitle(dialogs_.FolderName());
    const std::int16_t result = dialogs_.ShowBrowse();
    if (result == CommonDialogs::FolderChosen) {
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
    } else if (result == CommonDialogs::DriveUnreadable) {
        parts_->services.Repaint();
        parts_->services.ShowWarning(DriveError, MessageBoxButtons::Ok);
    }
}

void FormVarnook::SelectAll()
{
    const BusyPointer busy(parts_->services);
    LVITEMW item{LVIF_STATE};
    item.state = LVIS_SELECTED;
    item.stateMask = LVIS_SELECTED;
    ::SendMessageW(parts_->list.ControlHwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
        reinterpret_cast<LPARAM>(&item));
    parts_->process.SetEnabled(parts_->list.ListItems().SelectedCount() != 0);
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
    const bool enabled = parts_->modified.Value() != 0;
    parts_->frameModified.Enable(enabled);
    parts_->labelDate.Enable(enabled);
    parts_->datePicker.SetEnabled(enabled);
    parts_->labelTime.Enable(enabled);
    parts_->timePicker.SetEnabled(enabled);
}

void FormVarnook::HiddenSystemClicked()
{
    if (!loading_) {
        ListFolder();
    }
}

std::wstring FormVarnook::LinePath(const ListItemState& line) const
{
    return fileSystem_.AddFolderBackslash(dialogs_.FolderName()) +
        FolderListing::LineName(line.Text(0), line.Tag() == L"1");
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
    dialogs_.SetFolderName(program_.ExecutableFolder());
    ListFolder();
}

// A new watch on the folder that is current now; none once the window is closing.
// A re-listing that failed ends the watch; the user hears which folder could
// not be read, and Terminate watches again.
void FormVarnook::HandlerFailed(std::exception_ptr)
{
    parts_->services.ShowWarning(std::wstring(ProcessingRun::AccessError) + dialogs_.FolderName(),
        MessageBoxButtons::Ok);
}

void FormVarnook::Terminate()
{
    if (!unloaded_) {
        watch_.Create(dialogs_.FolderName());
    }
}

// A right click's selection change is no left click: only button 1 decides
// about Process.
void FormVarnook::ItemClick(ListItem& item, std::int16_t button)
{
    if (button == 1) {
        parts_->process.SetEnabled(parts_->list.ListItems().SelectedCount() != 0);
    } else if (button == 2) {
        pendingProperties_ = LinePath(item);
        PostOnce(ShowPropertiesMessage);
    }
}

void FormVarnook::ItemDblClick(ListItem& item, std::int16_t)
{
    pendingOpen_ = LinePath(item);
    PostOnce(OpenItemMessage);
}

void FormVarnook::KeyDown(std::int16_t keycode)
{
    if (keycode == EnterKey && parts_->list.ListItems().SelectedCount() > 0) {
        PostOnce(ProcessFromListMessage);
    }
}

void FormVarnook::OnProcessFromList()
{
    parts_->run.Run();
}

// The full path, with the folder as working folder: a folder named like a
// program opens the folder, not the program.
void FormVarnook::OnOpenItem()
{
    const std::wstring path = std::exchange(pendingOpen_, std::wstring());
    const BusyPointer busy(parts_->services);
    if (!parts_->services.OpenDocument(path, dialogs_.FolderName())) {
        parts_->services.ShowWarning(OpenError + path, MessageBoxButtons::Ok);
    }
}

void FormVarnook::OnShowProperties()
{
    const std::wstring path = std::exchange(pendingProperties_, std::wstring());
    const BusyPointer busy(parts_->services);
    if (!parts_->services.ShowProperties(path)) {
        parts_->services.ShowWarning(PropertiesError + path, MessageBoxButtons::Ok);
    }
}

// Every entry of the system menu leads to About. The system menu's command
// arrives inside the frame's own menu handling; About's modal loop starts
// from the top of the main loop instead.
void FormVarnook::ItemClick(SystemMenuItem& item)
{
    pendingAboutCaption_ = FormAbout::CaptionFor(item.Text());
    PostOnce(ShowAboutMessage);
}

void FormVarnook::OnShowAbout()
{
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
