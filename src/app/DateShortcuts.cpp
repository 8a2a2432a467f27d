#include "app/DateShortcuts.h"

#include "runtime/RuntimeError.h"

DateShortcuts::DateShortcuts(
    FormVarnookState& state, WindowServices& window, Settings& settings, const CurrentFolder& folder)
    : state_(state), window_(window), settings_(settings), folder_(folder)
{
}

void DateShortcuts::KeyReleased(WPARAM key)
{
    if ((key != VK_F1 && key != VK_F2 && key != VK_F3) || state_.CheckOptionsModified().Value() != 1) {
        return;
    }
    try {
        if (key == VK_F1) {
            TakeFromSelectedLine();
        } else if (key == VK_F2) {
            Recall();
        } else {
            Store();
        }
    } catch (...) {
        window_.ShowWarning(Failure, MessageBoxButtons::Ok);
    }
}

// The item's own moment on disk; the moment the line was listed with only
// when the item can no longer be reached.
void DateShortcuts::TakeFromSelectedLine()
{
    auto& list = state_.ListViewFolderItems();
    if (list.ListItems().SelectedCount() == 0) {
        return;
    }
    const ListItemState* line = list.SelectedItem();
    if (line == nullptr) {
        throw TypeMismatchError();
    }
    const std::optional<OleDate> onDisk = fileSystem_.GetModifiedMoment(folder_.PathOf(line->Row()));
    const std::optional<OleDate> moment = onDisk ? onDisk : line->Row().Modified;
    if (!moment) {
        throw TypeMismatchError();
    }
    ShowMoment(*moment);
}

void DateShortcuts::Recall()
{
    ShowMoment(settings_.ShortcutDate().ToDate());
}

// Stored as regional text, as it always was, so a stored moment reads back
// in any version of the program.
void DateShortcuts::Store()
{
    const OleDate date = state_.DateTimePickerModifiedDate().Value().ToDate();
    const OleDate time = state_.DateTimePickerModifiedTime().Value().ToDate();
    settings_.SetShortcutDate(Variant(date.DateText() + L" " + time.TimeText()));
}

void DateShortcuts::ShowMoment(OleDate moment)
{
    auto& date = state_.DateTimePickerModifiedDate();
    date.SetValue(Variant(moment));
    state_.DateTimePickerModifiedTime().SetValue(date.Value());
}
