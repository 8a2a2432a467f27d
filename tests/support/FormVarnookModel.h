#pragma once

#include "app/FormVarnookState.h"
#include "support/CheckBoxModel.h"
#include "support/ComboBoxModel.h"
#include "support/CommandButtonModel.h"
#include "support/DateTimePickerModel.h"
#include "support/LabelModel.h"
#include "support/ListViewModel.h"
#include "support/ProgressBarModel.h"

// The main window's state without a window, set up as the window is
// designed: two list columns 178 and 131 pixels wide, five letter-case
// styles, a folder label 313 pixels wide (4,695 twips at 96 dpi). The
// processing run and the folder listing run and are tested against it.
class FormVarnookModel final : public FormVarnookState {
public:
    FormVarnookModel();
    FormVarnookModel(const FormVarnookModel&) = delete;
    FormVarnookModel& operator=(const FormVarnookModel&) = delete;

    [[nodiscard]] ListViewModel& ListViewFolderItems() override { return listViewFolderItems_; }

    [[nodiscard]] ComboBoxModel& ComboOptionsConversion() override { return comboOptionsConversion_; }
    [[nodiscard]] CheckBoxModel& CheckOptionsLog() override { return checkOptionsLog_; }
    [[nodiscard]] CheckBoxModel& CheckOptionsSubfolders() override { return checkOptionsSubfolders_; }
    [[nodiscard]] CheckBoxModel& CheckOptionsModified() override { return checkOptionsModified_; }
    [[nodiscard]] CheckBoxModel& CheckOptionsIgnorereadonly() override { return checkOptionsIgnorereadonly_; }
    [[nodiscard]] CheckBoxModel& CheckOptionsHiddensystem() override { return checkOptionsHiddensystem_; }

    [[nodiscard]] DateTimePickerModel& DateTimePickerModifiedDate() override { return dateTimePickerModifiedDate_; }
    [[nodiscard]] DateTimePickerModel& DateTimePickerModifiedTime() override { return dateTimePickerModifiedTime_; }

    [[nodiscard]] ProgressBarModel& ProgressBarVarnook() override { return progressBarVarnook_; }
    [[nodiscard]] CommandButtonModel& CommandProcess() override { return commandProcess_; }
    [[nodiscard]] LabelModel& LabelFolderCurrentfolder() override { return labelFolderCurrentfolder_; }
    [[nodiscard]] LabelModel& LabelStatus() override { return labelStatus_; }

private:
    ListViewModel listViewFolderItems_;
    ComboBoxModel comboOptionsConversion_;
    CheckBoxModel checkOptionsLog_;
    CheckBoxModel checkOptionsSubfolders_;
    CheckBoxModel checkOptionsModified_;
    CheckBoxModel checkOptionsIgnorereadonly_;
    CheckBoxModel checkOptionsHiddensystem_;
    DateTimePickerModel dateTimePickerModifiedDate_;
    DateTimePickerModel dateTimePickerModifiedTime_;
    ProgressBarModel progressBarVarnook_;
    CommandButtonModel commandProcess_;
    LabelModel labelFolderCurrentfolder_;
    LabelModel labelStatus_{105};
};
