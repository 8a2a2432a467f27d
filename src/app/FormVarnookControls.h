#pragma once

#include "app/FormVarnookState.h"
#include "controls/DateTimePicker.h"
#include "controls/InfoFrame.h"
#include "controls/ProgressBar.h"
#include "controls/host/FormSite.h"
#include "controls/listview/ListView.h"
#include "controls/standard/CheckBox.h"
#include "controls/standard/ComboBox.h"
#include "controls/standard/CommandButton.h"
#include "controls/standard/Frame.h"
#include "controls/standard/Label.h"
#include "controls/sysmenu/SystemMenu.h"
#include "platform/Handles.h"
#include "platform/ProgramInfo.h"

#include <vector>

// The main window's controls, made as the window is designed, in the order
// of the layout (which is also the order of the Tab key), on the window the
// site hosts. They are the state the window's procedures work on.
class FormVarnookControls final : public FormVarnookState {
public:
    explicit FormVarnookControls(FormSite& site);
    FormVarnookControls(const FormVarnookControls&) = delete;
    FormVarnookControls& operator=(const FormVarnookControls&) = delete;

    // The components read their designed settings.
    void ReadDesign();
    // Puts the Dutch captions on the window and its controls.
    void ApplyCaptions(const ProgramInfo& program);
    // Places the controls for a client area of `client` pixels: as designed,
    // with the anchored edges moved by as much as it is beyond the design.
    void Layout(SIZE client);
    // The site's DPI changed: new fonts, and every control placed anew at
    // the next Layout.
    void Rescale();

    // How the controls a run holds were before it held them.
    struct HeldInputs {
        std::vector<bool> Enabled;
        HWND Focus = nullptr;
    };
    // Disables every control through which the user could change a run's
    // inputs or start other work. The focus, when one of them had it, waits
    // on the list, so that the keys still reach the window.
    [[nodiscard]] HeldInputs HoldInputs();
    // Puts those controls and the focus back exactly as they were.
    void ReleaseInputs(const HeldInputs& held);

    [[nodiscard]] ListView& ListViewFolderItems() override { return list_; }
    [[nodiscard]] ComboBox& ComboOptionsConversion() override { return conversion_; }
    [[nodiscard]] CheckBox& CheckOptionsLog() override { return log_; }
    [[nodiscard]] CheckBox& CheckOptionsSubfolders() override { return subfolders_; }
    [[nodiscard]] CheckBox& CheckOptionsModified() override { return modified_; }
    [[nodiscard]] CheckBox& CheckOptionsIgnorereadonly() override { return ignoreReadonly_; }
    [[nodiscard]] CheckBox& CheckOptionsHiddensystem() override { return hiddenSystem_; }
    [[nodiscard]] DateTimePicker& DateTimePickerModifiedDate() override { return datePicker_; }
    [[nodiscard]] DateTimePicker& DateTimePickerModifiedTime() override { return timePicker_; }
    [[nodiscard]] ProgressBar& ProgressBarVarnook() override { return progress_; }
    [[nodiscard]] CommandButton& CommandProcess() override { return process_; }
    [[nodiscard]] Label& LabelFolderCurrentfolder() override { return folderLabel_; }
    [[nodiscard]] Label& LabelStatus() override { return status_; }

    [[nodiscard]] SystemMenu& SystemMenuVarnook() noexcept { return systemMenu_; }
    [[nodiscard]] InfoFrame& InfoFrameVarnook() noexcept { return infoFrame_; }
    [[nodiscard]] Frame& FrameFolder() noexcept { return frameFolder_; }
    [[nodiscard]] CommandButton& CommandFolderBrowse() noexcept { return browse_; }
    [[nodiscard]] Frame& FrameModified() noexcept { return frameModified_; }
    [[nodiscard]] Label& LabelModifiedDate() noexcept { return labelDate_; }
    [[nodiscard]] Label& LabelModifiedTime() noexcept { return labelTime_; }
    [[nodiscard]] CommandButton& CommandSelectall() noexcept { return selectAll_; }
    [[nodiscard]] CommandButton& CommandRefresh() noexcept { return refresh_; }
    [[nodiscard]] CommandButton& CommandMoreOptions() noexcept { return moreOptions_; }
    [[nodiscard]] Frame& FrameOptions() noexcept { return frameOptions_; }

private:
    void UseFormFont();
    void MarkGroups();
    void NameForScreenReaders(int id, const std::wstring& name);
    [[nodiscard]] std::vector<StandardControl*> HeldStandardControls();

    FormSite& site_;
    // The client size the controls are placed for.
    SIZE laidOutFor_{};
    // The standard controls show it, so it goes after them.
    GdiObject font_;
    SystemMenu systemMenu_;
    InfoFrame infoFrame_;
    Frame frameFolder_;
    CommandButton browse_;
    Label folderLabel_;
    ListView list_;
    Frame frameModified_;
    Label labelDate_;
    DateTimePicker datePicker_;
    Label labelTime_;
    DateTimePicker timePicker_;
    CommandButton process_;
    CommandButton selectAll_;
    CommandButton refresh_;
    Label status_;
    CommandButton moreOptions_;
    Frame frameOptions_;
    ComboBox conversion_;
    CheckBox log_;
    CheckBox subfolders_;
    CheckBox modified_;
    CheckBox ignoreReadonly_;
    CheckBox hiddenSystem_;
    ProgressBar progress_;
};
