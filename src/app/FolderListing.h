#pragma once

#include "app/CurrentFolder.h"
#include "app/FormVarnookState.h"
#include "app/RowOrder.h"
#include "controls/listview/ListRowTexts.h"
#include "engine/RunRules.h"
#include "services/FileSystem.h"

#include <cstdint>
#include <string>
#include <vector>

// Shows the current folder: its path in the folder label and one line per
// subfolder and per file in the folder list, folders first, each group
// sorted by name (or by the column the user chose), each line with its
// modification moment. It also words the
// lines as they are drawn: a folder's name followed by " <DIR>", the moment
// in the user's regional format. While a processing run works on the lines,
// a fill is put off until the run has ended, so the run never works on lines
// a re-listing replaced.
class FolderListing final : public ListRowTexts {
public:
    static constexpr const wchar_t* FolderSuffix = L" <DIR>";
    // The list's columns.
    static constexpr std::int32_t NameColumn = 0;
    static constexpr std::int32_t ModifiedColumn = 1;
    // The name the chosen style would give, empty when it keeps the name.
    static constexpr std::int32_t NewNameColumn = 2;

    FolderListing(FormVarnookState& state, const CurrentFolder& folder, const RunRules& rules);

    // The exclusion mask the Hidden/System option gives: 6 (hidden and
    // system) while it is unchecked, 0 while it is checked.
    [[nodiscard]] static std::int32_t ExcludedAttributes(FormVarnookState& state);

    // Takes the columns' widths as designed; every fill starts from them.
    void RecordColumnWidths();
    // Widths from an earlier session, in pixels at 96 dpi, in place of the
    // designed ones as far as they go.
    void UseColumnWidths(const std::vector<std::int32_t>& widths);
    // The widths every fill starts from: as designed or restored, and as
    // the user dragged them since.
    [[nodiscard]] const std::vector<std::int32_t>& ColumnWidths() const noexcept { return columnWidths_; }
    // The user gave column `index` the width it shows now.
    void ColumnResized(std::int32_t index);
    void FillFolderList();
    // Shortens the folder's path anew for the label's width.
    void FitFolderLabel();

    // The lines in `order` from now on, the lines there are as well as
    // every fill's.
    void SortBy(const RowOrder& order);
    [[nodiscard]] const RowOrder& Order() const noexcept { return order_; }

    [[nodiscard]] bool RunInProgress() const noexcept { return runInProgress_; }
    void SetRunInProgress(bool inProgress) noexcept { runInProgress_ = inProgress; }
    // Carries out a fill that was asked for during a run, once it has ended.
    void FillDeferred();

    [[nodiscard]] std::wstring RowText(const FolderRow& row, std::int32_t column) const override;

private:
    void Fill();
    void ShowFolderLabel(const std::wstring& folder);
    void RestoreColumnWidths();
    void AddLines(const std::wstring& folder, std::vector<std::wstring> paths, bool folders);
    void AllowForScrollBar();
    void SortLines();
    [[nodiscard]] std::wstring NewName(const FolderRow& row) const;

    FormVarnookState& state_;
    const CurrentFolder& folder_;
    const RunRules& rules_;
    FileSystem fileSystem_;
    std::vector<std::int32_t> columnWidths_;
    // How much the last column gave up for the scroll bar at the last fill.
    std::int32_t scrollBarAllowance_ = 0;
    RowOrder order_{NameColumn, false};
    bool runInProgress_ = false;
    bool fillDeferred_ = false;
};
