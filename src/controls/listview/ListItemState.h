#pragma once

#include "services/FolderRow.h"

// One line of a list of a folder's items as a window's procedures see it:
// the item it stands for, and whether it is selected.
class ListItemState {
public:
    virtual ~ListItemState() = default;

    [[nodiscard]] virtual const FolderRow& Row() const = 0;
    // The line shows the item anew.
    virtual void SetRow(FolderRow row) = 0;

    // Selecting a line also gives it the keyboard focus, deselecting the
    // focused line takes the focus away, as the list control does.
    [[nodiscard]] virtual bool Selected() const = 0;
    virtual void SetSelected(bool selected) = 0;
};
