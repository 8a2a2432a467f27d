#pragma once

#include "services/FolderRow.h"

#include <string>

// The folder the main window shows: its one home, owned by the window and
// lent to whatever works on the folder's items, so that all of them always
// mean the same folder.
class CurrentFolder {
public:
    [[nodiscard]] const std::wstring& Path() const noexcept { return path_; }
    void SetPath(std::wstring path) { path_ = std::move(path); }

    // Where an item of the folder lives: the folder, one backslash, its name.
    [[nodiscard]] std::wstring PathOf(const FolderRow& row) const;

private:
    std::wstring path_;
};
