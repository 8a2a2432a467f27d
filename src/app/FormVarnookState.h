#pragma once

#include "controls/DateTimePickerState.h"
#include "controls/ProgressBarState.h"
#include "controls/listview/ListViewState.h"
#include "controls/standard/CheckBoxState.h"
#include "controls/standard/ComboBoxState.h"
#include "controls/standard/CommandButtonState.h"
#include "controls/standard/LabelState.h"

// The state that the main window's procedures (the processing run, the
// folder listing, the handlers) read and write, under the controls' names.
// The window's controls provide it; FormVarnookModel provides it without a
// window. Controls are re-read after every pending-message processing,
// because other handlers run there and may change them.
class FormVarnookState {
public:
    virtual ~FormVarnookState() = default;

    [[nodiscard]] virtual ListViewState& ListViewFolderItems() = 0;

    [[nodiscard]] virtual ComboBoxState& ComboOptionsConversion() = 0;
    [[nodiscard]] virtual CheckBoxState& CheckOptionsLog() = 0;
    [[nodiscard]] virtual CheckBoxState& CheckOptionsSubfolders() = 0;
    [[nodiscard]] virtual CheckBoxState& CheckOptionsModified() = 0;
    [[nodiscard]] virtual CheckBoxState& CheckOptionsIgnorereadonly() = 0;
    [[nodiscard]] virtual CheckBoxState& CheckOptionsHiddensystem() = 0;

    [[nodiscard]] virtual DateTimePickerState& DateTimePickerModifiedDate() = 0;
    [[nodiscard]] virtual DateTimePickerState& DateTimePickerModifiedTime() = 0;

    [[nodiscard]] virtual ProgressBarState& ProgressBarVarnook() = 0;
    [[nodiscard]] virtual CommandButtonState& CommandProcess() = 0;
    [[nodiscard]] virtual LabelState& LabelFolderCurrentfolder() = 0;
    // How far a run is, and how it ended.
    [[nodiscard]] virtual LabelState& LabelStatus() = 0;
};
