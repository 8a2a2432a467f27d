#pragma once

#include "app/FormVarnookState.h"
#include "services/FileSystem.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Shows the current folder: its path in the folder label and one line per
// subfolder (" <DIR>", tag "1") and per file (tag "0") in the folder list,
// folders first, each group sorted by name, each line with its modification
// moment. While a processing run works on the lines, a fill is put off until
// the run has ended, so the run never works on lines a re-listing replaced.
class FolderListing {
public:
    static constexpr const wchar_t* FolderSuffix = L" <DIR>";
    static constexpr std::int32_t ScrollBarAllowance = 16;

    // A folder line's name is its text less the trailing " <DIR>"; a file
    // line's text is its name as it stands.
    [[nodiscard]] static std::wstring LineName(const std::wstring& text, bool isFolder);

    FolderListing(FormVarnookState& state, std::function<std::wstring()> currentFolder);

    // The exclusion mask the Hidden/System option gives: 6 (hidden and
    // system) while it is unchecked, 0 while it is checked.
    [[nodiscard]] static std::int32_t ExcludedAttributes(FormVarnookState& state);

    // Takes the columns' widths as designed; every fill starts from them.
    void RecordColumnWidths();
    void FillFolderList();

    [[nodiscard]] bool RunInProgress() const noexcept { return runInProgress_; }
    void SetRunInProgress(bool inProgress) noexcept { runInProgress_ = inProgress; }
    // Carries out a fill that was asked for during a run, once it has ended.
    void FillDeferred();

private:
    void Fill();
    void ShowFolderLabel(const std::wstring& folder);
    void RestoreColumnWidths();
    void AddLines(const std::wstring& folder, std::vector<std::wstring> paths, bool folders);
    void AllowForScrollBar();

    FormVarnookState& state_;
    std::function<std::wstring()> currentFolder_;
    FileSystem fileSystem_;
    std::vector<std::int32_t> columnWidths_;
    bool runInProgress_ = false;
    bool fillDeferred_ = false;
};
