#include "app/RowOrder.h"

#include "app/FolderListing.h"
#include "engine/LetterCase.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

// What a line is compared by, worked out once per line rather than at every
// comparison: a sort of 31,000 lines compares some 450,000 times.
struct SortKey {
    bool IsFile = false;
    double Moment = 0;
    std::wstring Text;
    std::wstring Name;
};

double MomentOf(const FolderRow& row)
{
    return row.Modified ? row.Modified->Value() : -std::numeric_limits<double>::infinity();
}

} // namespace

bool RowOrder::IsListingOrder() const noexcept
{
    return column_ == FolderListing::NameColumn && !descending_;
}

std::vector<std::int32_t> RowOrder::Positions(
    const std::vector<const FolderRow*>& rows, const ListRowTexts& texts) const
{
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    for (const FolderRow* row : rows) {
        SortKey key{!row->IsFolder, MomentOf(*row), {}, LetterCase::ToLower(row->Name)};
        if (column_ != FolderListing::NameColumn && column_ != FolderListing::ModifiedColumn) {
            key.Text = LetterCase::ToLower(texts.RowText(*row, column_));
        }
        keys.push_back(std::move(key));
    }
    const auto valueOrder = [this](const SortKey& a, const SortKey& b) {
        if (column_ == FolderListing::ModifiedColumn) {
            return a.Moment < b.Moment ? -1 : (b.Moment < a.Moment ? 1 : 0);
        }
        const std::wstring& left = column_ == FolderListing::NameColumn ? a.Name : a.Text;
        const std::wstring& right = column_ == FolderListing::NameColumn ? b.Name : b.Text;
        return left.compare(right);
    };
    std::vector<std::int32_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t first, std::int32_t second) {
        const SortKey& a = keys[static_cast<size_t>(first)];
        const SortKey& b = keys[static_cast<size_t>(second)];
        if (a.IsFile != b.IsFile) {
            return b.IsFile;
        }
        const int byValue = valueOrder(a, b);
        if (byValue != 0) {
            return descending_ ? byValue > 0 : byValue < 0;
        }
        return a.Name < b.Name;
    });
    return order;
}
