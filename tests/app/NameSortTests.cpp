#include "app/NameSort.h"
#include "engine/LetterCase.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The neighbour-exchange sort the order is defined by.
void ExchangeSort(std::int32_t first, std::int32_t last, std::vector<std::wstring>& names)
{
    for (std::int32_t i = first; i <= last - 1; ++i) {
        for (std::int32_t j = first; j <= last - i - 1; ++j) {
            if (LetterCase::ToLower(names[j]) > LetterCase::ToLower(names[j + 1])) {
                std::swap(names[j], names[j + 1]);
            }
        }
    }
}

} // namespace

TEST(SortNames, FoldersOfTheListingExample)
{
    std::vector<std::wstring> names{L"C:\\d\\B", L"C:\\d\\a", L"C:\\d\\_x"};
    SortNames(0, 2, names);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"C:\\d\\_x", L"C:\\d\\a", L"C:\\d\\B"}));
}

TEST(SortNames, EqualIgnoringCaseKeepTheirOrder)
{
    std::vector<std::wstring> names{L"b", L"README", L"a", L"readme", L"ReadMe", L"9"};
    SortNames(0, 5, names);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"9", L"a", L"b", L"README", L"readme", L"ReadMe"}));
}

TEST(SortNames, EmptyAndSingleLists)
{
    std::vector<std::wstring> empty;
    SortNames(0, -1, empty);
    EXPECT_TRUE(empty.empty());
    std::vector<std::wstring> one{L"x"};
    SortNames(0, 0, one);
    EXPECT_EQ(one, std::vector<std::wstring>{L"x"});
}

TEST(SortNames, SameOrderAsTheExchangeSortOnRandomNames)
{
    std::mt19937 random(20261208);
    const std::wstring alphabet = L"aAbB_-.0 9\u00e9\u00c9\u03b1\u0391zZ";
    for (int round = 0; round < 20; ++round) {
        std::vector<std::wstring> names(60);
        for (auto& name : names) {
            const int length = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < length; ++i) {
                name += alphabet[random() % alphabet.size()];
            }
        }
        auto expected = names;
        ExchangeSort(0, static_cast<std::int32_t>(names.size()) - 1, expected);
        SortNames(0, static_cast<std::int32_t>(names.size()) - 1, names);
        EXPECT_EQ(names, expected);
    }
}
