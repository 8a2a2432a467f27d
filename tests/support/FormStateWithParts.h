#pragma once

#include "support/FormVarnookModel.h"

// The main window's state held in memory, with some of its parts the
// caller's own: a real list, so that the listing and the run can work on it
// before the main window exists, or a part that fails on purpose.
class FormStateWithParts final : public FormVarnookState {
public:
    explicit FormStateWithParts(FormVarnookModel& model) : model_(model) {}

    void Use(ListViewState& list) noexcept { list_ = &list; }
    void Use(DateTimePickerState& datePicker) noexcept { datePicker_ = &datePicker; }
    void Use(LabelState& label) noexcept { label_ = &label; }

    [[nodiscard]] ListViewState& ListViewFolderItems() override { return Either(list_, model_.ListViewFolderItems()); }
    [[nodiscard]] ComboBoxState& ComboOptionsConversion() override { return model_.ComboOptionsConversion(); }
    [[nodiscard]] CheckBoxState& CheckOptionsLog() override { return model_.CheckOptionsLog(); }
    [[nodiscard]] CheckBoxState& CheckOptionsSubfolders() override { return model_.CheckOptionsSubfolders(); }
    [[nodiscard]] CheckBoxState& CheckOptionsModified() override { return model_.CheckOptionsModified(); }
    [[nodiscard]] CheckBoxState& CheckOptionsIgnorereadonly() override { return model_.CheckOptionsIgnorereadonly(); }
    [[nodiscard]] CheckBoxState& CheckOptionsHiddensystem() override { return model_.CheckOptionsHiddensystem(); }
    [[nodiscard]] DateTimePickerState& DateTimePickerModifiedDate() override
    {
        return Either(datePicker_, model_.DateTimePickerModifiedDate());
    }
    [[nodiscard]] DateTimePickerState& DateTimePickerModifiedTime() override
    {
        return model_.DateTimePickerModifiedTime();
    }
    [[nodiscard]] ProgressBarState& ProgressBarVarnook() override { return model_.ProgressBarVarnook(); }
    [[nodiscard]] CommandButtonState& CommandProcess() override { return model_.CommandProcess(); }
    [[nodiscard]] LabelState& LabelFolderCurrentfolder() override
    {
        return Either(label_, model_.LabelFolderCurrentfolder());
    }
    [[nodiscard]] LabelState& LabelStatus() override { return model_.LabelStatus(); }

private:
    template <typename Part, typename Own>
    static Part& Either(Part* theirs, Own& own) noexcept
    {
        return theirs != nullptr ? *theirs : own;
    }

    FormVarnookModel& model_;
    ListViewState* list_ = nullptr;
    DateTimePickerState* datePicker_ = nullptr;
    LabelState* label_ = nullptr;
};
