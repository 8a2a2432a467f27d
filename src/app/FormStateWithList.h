#pragma once

#include "app/FormVarnookModel.h"

// The main window's state held in memory around a folder list that is a
// real one, so that the listing and the run can work on the real list (for
// tests and measurements) before the main window exists.
class FormStateWithList final : public FormVarnookState {
public:
    explicit FormStateWithList(ListViewState& list) : list_(list) {}

    [[nodiscard]] FormVarnookModel& Model() noexcept { return model_; }

    [[nodiscard]] ListViewState& ListViewFolderItems() override { return list_; }

    [[nodiscard]] ComboBoxState& ComboOptionsConversion() override { return model_.ComboOptionsConversion(); }
    [[nodiscard]] CheckBoxState& CheckOptionsLog() override { return model_.CheckOptionsLog(); }
    [[nodiscard]] CheckBoxState& CheckOptionsSubfolders() override { return model_.CheckOptionsSubfolders(); }
    [[nodiscard]] CheckBoxState& CheckOptionsModified() override { return model_.CheckOptionsModified(); }
    [[nodiscard]] CheckBoxState& CheckOptionsIgnorereadonly() override { return model_.CheckOptionsIgnorereadonly(); }
    [[nodiscard]] CheckBoxState& CheckOptionsHiddensystem() override { return model_.CheckOptionsHiddensystem(); }

    [[nodiscard]] DateTimePickerState& DateTimePickerModifiedDate() override
    {
        return model_.DateTimePickerModifiedDate();
    }
    [[nodiscard]] DateTimePickerState& DateTimePickerModifiedTime() override
    {
        return model_.DateTimePickerModifiedTime();
    }

    [[nodiscard]] ProgressBarState& ProgressBarVarnook() override { return model_.ProgressBarVarnook(); }
    [[nodiscard]] CommandButtonState& CommandProcess() override { return model_.CommandProcess(); }
    [[nodiscard]] LabelState& LabelFolderCurrentfolder() override { return model_.LabelFolderCurrentfolder(); }

private:
    ListViewState& list_;
    FormVarnookModel model_;
};
