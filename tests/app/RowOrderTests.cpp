#include "app/FolderListing.h"
#include "app/RowOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Words moments as the Dutch regional format does ("9-1-2020"), so that an
// order by the text would differ from the order by time.
class DutchTexts final : public ListRowTexts {
public:
    [[nodiscard]] std::wstring RowText(const FolderRow& row, std::int32_t column) const override
    {
        if (column == FolderListing::ModifiedColumn) {
            SYSTEMTIME time{};
            ::VariantTimeToSystemTime(row.Modified ? row.Modified->Value() : 0, &time);
            return std::to_wstring(time.wDay) + L"-" + std::to_wstring(time.wMonth) + L"-" +
                std::to_wstring(time.wYear);
        }
        return column == FolderListing::NewNameColumn ? L"new " + row.Name : row.Name;
    }
};

FolderRow Row(const wchar_t* name, bool folder, int day)
{
    FolderRow row{name, folder};
    if (day > 0) {
        row.Modified = OleDate::FromParts(2020, 1, day, 12, 0, 0);
    }
    return row;
}

std::vector<std::wstring> Ordered(const std::vector<FolderRow>& rows, std::int32_t column, bool descending)
{
    std::vector<const FolderRow*> pointers;
    for (const FolderRow& row : rows) {
        pointers.push_back(&row);
    }
    std::vector<std::wstring> names;
    for (const std::int32_t position : RowOrder(column, descending).Positions(pointers, DutchTexts())) {
        names.push_back(rows[static_cast<size_t>(position)].Name);
    }
    return names;
}

} // namespace

TEST(RowOrder, MomentsSortByTimeBothWaysWithFoldersAboveFilesAndTiesByName)
{
    const std::vector<FolderRow> rows{Row(L"tien", false, 10), Row(L"negen", false, 9), Row(L"map", true, 20),
        Row(L"ook tien", false, 10), Row(L"onleesbaar", false, 0), Row(L"archief", true, 2)};
    EXPECT_EQ(Ordered(rows, FolderListing::ModifiedColumn, false),
        (std::vector<std::wstring>{L"archief", L"map", L"onleesbaar", L"negen", L"ook tien", L"tien"}));
    EXPECT_EQ(Ordered(rows, FolderListing::ModifiedColumn, true),
        (std::vector<std::wstring>{L"map", L"archief", L"ook tien", L"tien", L"negen", L"onleesbaar"}));
}

TEST(RowOrder, NamesAndNewNamesSortByTheirLowerCasedText)
{
    const std::vector<FolderRow> rows{Row(L"Beta", false, 1), Row(L"alpha", false, 1), Row(L"Zmap", true, 1)};
    EXPECT_TRUE(RowOrder(FolderListing::NameColumn, false).IsListingOrder());
    EXPECT_EQ(Ordered(rows, FolderListing::NameColumn, false), (std::vector<std::wstring>{L"Zmap", L"alpha", L"Beta"}));
    EXPECT_EQ(Ordered(rows, FolderListing::NameColumn, true), (std::vector<std::wstring>{L"Zmap", L"Beta", L"alpha"}));
    EXPECT_EQ(
        Ordered(rows, FolderListing::NewNameColumn, true), (std::vector<std::wstring>{L"Zmap", L"Beta", L"alpha"}));
}
