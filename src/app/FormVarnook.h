#pragma once

#include "app/CurrentFolder.h"
#include "app/DateShortcuts.h"
#include "app/FolderListing.h"
#include "app/FormVarnookControls.h"
#include "app/PlatformWindowServices.h"
#include "app/ProcessingRun.h"
#include "app/RelistSchedule.h"
#include "app/RunUndo.h"
#include "controls/host/FormSite.h"
#include "controls/listview/ListViewEvents.h"
#include "controls/sysmenu/SystemMenuEvents.h"
#include "dialogs/CommonDialogs.h"
#include "engine/RunJournal.h"
#include "platform/BaseWindow.h"
#include "platform/ProgramInfo.h"
#include "services/FileNotification.h"
#include "services/SpecialFolders.h"
#include "settings/Logging.h"
#include "settings/Settings.h"

#include <memory>
#include <string>

// The program's single main window: it lists the current folder, watches
// it, and renames and re-dates the selected items on Process.
//
// Lifetime: closing the window only ends the watch and asks the program to
// end; every nested loop (the watch, a run, a message box) then unwinds, and
// the window with its controls and services goes when this object does,
// after the main loop has returned. Nothing is freed under a running loop.
class FormVarnook final : public BaseWindow<FormVarnook>,
                          private FileNotificationObserver,
                          private ListViewEvents,
                          private SystemMenuEvents {
public:
    static constexpr const wchar_t* WindowClassName = L"PellonarVarnookMainWindow";
    static constexpr const wchar_t* FolderChanged = L"Een andere toepassing veranderde de huidige map";
    static constexpr const wchar_t* DriveError = L"Fout bij het verkrijgen van toegang tot het station";
    static constexpr const wchar_t* PropertiesError = L"Fout bij het tonen van de eigenschappen van ";
    static constexpr const wchar_t* OpenError = L"Fout bij het openen van ";
    // The shell opens no path of 260 characters or more, unless it has a short form.
    static constexpr const wchar_t* PathTooLongToOpen =
        L"Windows kan geen pad van 260 tekens of meer openen, en dit pad heeft geen korte vorm: ";
    static constexpr const wchar_t* UnexpectedError = L"Onverwachte fout: ";

    FormVarnook();
    // Keeps its options below HKEY_CURRENT_USER\`registryKey` and the journals
    // of its runs in `journalFolder` instead of the program's own places.
    FormVarnook(std::wstring registryKey, std::wstring journalFolder);
    ~FormVarnook();

    // Creates the window, runs the load sequence and shows the window;
    // false when the platform refuses the window.
    bool Load(int showCommand);

    [[nodiscard]] const ProgramInfo& Program() const noexcept { return program_; }
    // Only once the window is loaded.
    [[nodiscard]] FormVarnookControls& Controls() { return parts_->controls; }

private:
    // What the window holds once its own window exists: its controls and
    // the procedures that work on them.
    struct Parts {
        explicit Parts(FormVarnook& form);

        FormVarnookControls controls;
        PlatformWindowServices services;
        FolderListing listing;
        ProcessingRun run;
        RunUndo undo;
        DateShortcuts shortcuts;
    };

    // Messages the window posts to itself, so that long or modal work starts
    // from the top of the message loop instead of inside a control's
    // notification or the activation.
    static constexpr UINT StartWatchMessage = WM_APP + 1;
    static constexpr UINT ProcessFromListMessage = WM_APP + 2;
    static constexpr UINT OpenItemMessage = WM_APP + 3;
    static constexpr UINT ShowPropertiesMessage = WM_APP + 4;
    static constexpr UINT ShowAboutMessage = WM_APP + 5;
    static constexpr UINT UndoMessage = WM_APP + 6;
    static constexpr UINT ListMenuMessage = WM_APP + 7;
    static constexpr UINT_PTR RelistTimer = 1;

    friend class BaseWindow<FormVarnook>;

    bool CreateFormWindow();
    // The frame around the designed client area at `dpi`.
    [[nodiscard]] static SIZE DesignFrameSize(UINT dpi);
    // Puts the window where it was left; the show command to show it with.
    [[nodiscard]] int RestorePlace(int showCommand);
    void SavePlace();
    void CreateParts();
    void RunLoadSequence();
    void RestoreOptions();
    void SaveOptions();
    void PostOnce(UINT message);
    void ReportFailure(const std::exception_ptr& failure);
    [[nodiscard]] bool Busy() const;
    void RunProcess();
    void ShowUndoAvailability();

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    bool OnActivate(WPARAM wparam);
    bool OnContextMenu(HWND from, LPARAM where);
    void OnListMenu();
    void ShowListMenu();
    void OnClose();
    void OnSize(WPARAM kind, int width, int height);
    void LayOut(SIZE client);
    void OnGetMinMaxInfo(MINMAXINFO& limits);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnNextControl(WPARAM which, bool isWindow);
    void PressFocusedButton();
    void OnCommand(int id, int code);
    bool OnSetCursor();
    LRESULT OnControlColour(HDC dc);
    void OnKeyUp(WPARAM key);
    void OnTimer();
    void OnStartWatch();
    void OnProcessFromList();
    void OnOpenItem();
    void OnShowProperties();
    void OnShowAbout();
    void ShowShellFailure(const wchar_t* failure, const std::wstring& path);
    void OnUndo();
    void OnEndSession(bool ending);

    void Browse();
    void ShowChosenFolder();
    void SelectAll();
    void Refresh();
    void ShowMoreOptions();
    void ModifiedClicked();
    void HiddenSystemClicked();
    void ListFolder();

    void FileChange() override;
    void FolderChange() override;
    void Terminate() override;
    void HandlerFailed(std::exception_ptr error) override;

    void ItemClick(ListItem& item, std::int16_t button) override;
    void ItemDblClick(ListItem& item, std::int16_t button) override;
    void ColumnClick(Column& column) override;
    void ColumnResized(Column& column) override;
    void SortList(const RowOrder& order);
    void KeyDown(std::int16_t keycode) override;

    void ItemClick(SystemMenuItem& item) override;

    ProgramInfo program_;
    FormSite site_;
    CurrentFolder folder_;
    // The rules of the Meer opties window, for the next run and the preview.
    RunRules rules_;
    CommonDialogs dialogs_;
    SpecialFolders specialFolders_;
    Logging log_;
    Settings settings_;
    RunJournal journal_;
    FileNotification watch_;
    RelistSchedule relisting_;
    std::unique_ptr<Parts> parts_;

    bool loading_ = false;
    bool unloaded_ = false;
    bool watchStartPosted_ = false;
    HWND focusBeforeLeaving_ = nullptr;
    std::wstring pendingOpen_;
    std::wstring pendingProperties_;
    std::wstring pendingAboutCaption_;
};
