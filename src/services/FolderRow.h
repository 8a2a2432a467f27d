#pragma once

#include "runtime/OleDate.h"

#include <cstdint>
#include <optional>
#include <string>

// One item of a folder as the program lists it: its name within the folder,
// whether it is a folder, its last-write moment as a local date (none when it
// could not be read) and its attributes (-1 when they could not be read).
// What the user sees of it is worded from these when it is shown.
struct FolderRow {
    std::wstring Name;
    bool IsFolder = false;
    std::optional<OleDate> Modified;
    std::int32_t Attributes = -1;

    friend bool operator==(const FolderRow&, const FolderRow&) = default;
};
