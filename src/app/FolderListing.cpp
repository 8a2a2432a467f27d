#include "app/FolderListing.h"

#include "app/NameSort.h"
#include "app/PathCompaction.h"
#include "engine/NameRule.h"

FolderListing::FolderListing(FormVarnookState& state, const CurrentFolder& folder, const RunRules& rules)
    : state_(state), folder_(folder), rules_(rules)
{
}

void FolderListing::RecordColumnWidths()
{
    auto& list = state_.ListViewFolderItems();
    columnWidths_.clear();
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        columnWidths_.push_back(list.Column(i)->ActualWidth());
    }
}

void FolderListing::UseColumnWidths(const std::vector<std::int32_t>& widths)
{
    for (size_t i = 0; i < widths.size() && i < columnWidths_.size(); ++i) {
        columnWidths_[i] = widths[i];
    }
}

void FolderListing::ColumnResized(std::int32_t index)
{
    auto& list = state_.ListViewFolderItems();
    ColumnState* column = list.Column(index);
    if (column == nullptr || static_cast<size_t>(index) >= columnWidths_.size()) {
        return;
    }
    const bool last = index == list.Count() - 1;
    columnWidths_[static_cast<size_t>(index)] = column->ActualWidth() + (last ? scrollBarAllowance_ : 0);
}

// Only a text that changes is set: a size change is no listing.
void FolderListing::FitFolderLabel()
{
    auto& label = state_.LabelFolderCurrentfolder();
    const std::wstring folder = folder_.Path();
    const PathCompaction compaction(label.Font());
    if (compaction.Compact(folder, label.Width()) != label.Caption()) {
        ShowFolderLabel(folder);
    }
}

void FolderListing::SortBy(const RowOrder& order)
{
    order_ = order;
    SortLines();
}

// A fill adds each group in name order; any other order is made after.
void FolderListing::SortLines()
{
    auto& items = state_.ListViewFolderItems().ListItems();
    if (items.Count() < 2) {
        return;
    }
    std::vector<const FolderRow*> rows;
    rows.reserve(static_cast<size_t>(items.Count()));
    for (std::int32_t i = 0; i < items.Count(); ++i) {
        rows.push_back(&items.Item(i)->Row());
    }
    const ListUpdate update(state_.ListViewFolderItems());
    items.Reorder(order_.Positions(rows, *this));
}

void FolderListing::FillDeferred()
{
    if (!runInProgress_ && fillDeferred_) {
        fillDeferred_ = false;
        Fill();
    }
}

void FolderListing::FillFolderList()
{
    if (runInProgress_) {
        fillDeferred_ = true;
        return;
    }
    Fill();
}

void FolderListing::Fill()
{
    const std::wstring folder = folder_.Path();
    ShowFolderLabel(folder);
    RestoreColumnWidths();

    std::vector<std::wstring> folders;
    std::vector<std::wstring> files;
    fileSystem_.EnumerateFoldersAndFiles(folder, ExcludedAttributes(state_), folders, files);
    {
        // A list on screen painting every new line would take minutes for a
        // big folder; it paints once, at the end.
        auto& list = state_.ListViewFolderItems();
        const ListUpdate update(list, static_cast<std::int32_t>(folders.size() + files.size()));
        list.ListItems().Clear();
        AddLines(folder, std::move(folders), true);
        AddLines(folder, std::move(files), false);
        if (!order_.IsListingOrder()) {
            SortLines();
        }
    }
    AllowForScrollBar();
    state_.CommandProcess().SetEnabled(false);
}

void FolderListing::ShowFolderLabel(const std::wstring& folder)
{
    auto& label = state_.LabelFolderCurrentfolder();
    const PathCompaction compaction(label.Font());
    label.SetCaption(compaction.Compact(folder, label.Width()));
    label.SetToolTipText(compaction.TextWidth(folder) > label.Width() ? folder : std::wstring());
}

void FolderListing::RestoreColumnWidths()
{
    auto& list = state_.ListViewFolderItems();
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(columnWidths_.size()) && i < list.Count(); ++i) {
        list.Column(i)->SetActualWidth(columnWidths_[static_cast<size_t>(i)]);
    }
}

void FolderListing::AddLines(const std::wstring& folder, std::vector<std::wstring> paths, bool folders)
{
    SortNames(0, static_cast<std::int32_t>(paths.size()) - 1, paths);
    const std::wstring prefix = fileSystem_.AddFolderBackslash(folder);
    auto& items = state_.ListViewFolderItems().ListItems();
    for (const auto& path : paths) {
        std::wstring name = folders ? fileSystem_.ExtractFolderTitle(path) : fileSystem_.ExtractFileTitle(path);
        items.Add(fileSystem_.ReadFolderRow(prefix, std::move(name), folders));
    }
}

void FolderListing::AllowForScrollBar()
{
    auto& list = state_.ListViewFolderItems();
    scrollBarAllowance_ = 0;
    if (list.Count() == 0 || list.GetVisibleCount() >= list.ListItems().Count()) {
        return;
    }
    ColumnState* last = list.Column(list.Count() - 1);
    const std::int32_t allowance = list.ScrollBarWidth();
    if (last->ActualWidth() > allowance) {
        scrollBarAllowance_ = allowance;
        last->SetActualWidth(last->ActualWidth() - allowance);
    }
}

std::int32_t FolderListing::ExcludedAttributes(FormVarnookState& state)
{
    return state.CheckOptionsHiddensystem().Value() == 1 ? 0 : FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
}

// The style is read as the row is drawn, so the column follows the drop-down
// at once and costs nothing while it is not shown.
std::wstring FolderListing::NewName(const FolderRow& row) const
{
    const NameRule rule(state_.ComboOptionsConversion().ListIndex(), rules_);
    if (!rule.Renames()) {
        return {};
    }
    std::wstring converted = rule.NewName(row.Name, row.IsFolder);
    return converted != row.Name ? converted : std::wstring();
}

std::wstring FolderListing::RowText(const FolderRow& row, std::int32_t column) const
{
    switch (column) {
    case NameColumn:
        return row.IsFolder ? row.Name + FolderSuffix : row.Name;
    case ModifiedColumn:
        return row.Modified ? row.Modified->ToText() : std::wstring();
    case NewNameColumn:
        return NewName(row);
    default:
        return {};
    }
}
