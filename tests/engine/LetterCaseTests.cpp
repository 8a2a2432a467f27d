#include "engine/LetterCase.h"

#include <gtest/gtest.h>

namespace {

struct StyleCase {
    std::wstring name;
    int style;
    std::wstring expected;
};

void ExpectStyles(std::initializer_list<StyleCase> cases)
{
    for (const auto& c : cases) {
        EXPECT_EQ(LetterCase::Convert(c.name, c.style), c.expected)
            << testing::PrintToString(c.name) << " style " << c.style;
    }
}

} // namespace

TEST(LetterCase, StylesOnLatinNames)
{
    ExpectStyles({
        {L"my report.TXT", 0, L"my report.TXT"},
        {L"my report.TXT", 1, L"MY REPORT.TXT"},
        {L"my report.TXT", 2, L"my report.txt"},
        {L"my report.TXT", 3, L"My report.txt"},
        {L"my report.TXT", 4, L"My Report.txt"},
        {L"report-final.doc", 4, L"Report-final.doc"},
        {L"a_b.c(d)e 1f", 4, L"A_b.c(d)e 1f"},
        {L"two  spaces\ttab", 4, L"Two  Spaces\tTab"},
        {L"x", 5, L"x"},
        {L"x", -1, L"x"},
        {L"", 4, L""},
        {L"", 3, L""},
    });
}

TEST(LetterCase, LocaleAwareMappingOfOtherScripts)
{
    ExpectStyles({
        {L"\u00e9t\u00e9 \u00e0 \u00f6rebro.txt", 1, L"\u00c9T\u00c9 \u00c0 \u00d6REBRO.TXT"},
        {L"\u00c9T\u00c9 \u00c0 \u00d6REBRO.TXT", 4, L"\u00c9t\u00e9 \u00c0 \u00d6rebro.txt"},
        {L"\u03b1\u03b8\u03ae\u03bd\u03b1 \u03ba\u03b1\u03b9", 4, L"\u0391\u03b8\u03ae\u03bd\u03b1 \u039a\u03b1\u03b9"},
        {L"\u041c\u041e\u0421\u041a\u0412\u0410.DOC", 2, L"\u043c\u043e\u0441\u043a\u0432\u0430.doc"},
        {L"\u043c\u043e\u0441\u043a\u0432\u0430 \u0440\u0435\u043a\u0430", 3,
            L"\u041c\u043e\u0441\u043a\u0432\u0430 \u0440\u0435\u043a\u0430"},
        {L"\u65e5\u672c.txt", 1, L"\u65e5\u672c.TXT"},
    });
}

TEST(LetterCase, OnlyStylesOneToFourRename)
{
    EXPECT_FALSE(LetterCase::Renames(-1));
    EXPECT_FALSE(LetterCase::Renames(0));
    EXPECT_TRUE(LetterCase::Renames(1));
    EXPECT_TRUE(LetterCase::Renames(4));
    EXPECT_FALSE(LetterCase::Renames(5));
}
