#include "services/StringEx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct EnumerateCase {
    std::wstring buffer;
    std::wstring delimiter;
    std::vector<std::wstring> expected;
};

class StringExEnumerate : public testing::TestWithParam<EnumerateCase> {};

TEST_P(StringExEnumerate, KeepsTheNonEmptyPiecesInOrder)
{
    const auto& param = GetParam();
    std::int32_t numbervalues = 99;
    std::vector<std::wstring> values{L"stale"};

    const bool found = StringEx().Enumerate(param.buffer, param.delimiter, numbervalues, values);

    EXPECT_EQ(values, param.expected);
    EXPECT_EQ(numbervalues, static_cast<std::int32_t>(param.expected.size()));
    EXPECT_EQ(found, !param.expected.empty());
}

INSTANTIATE_TEST_SUITE_P(Pieces, StringExEnumerate,
    testing::Values(EnumerateCase{L"a;;b;c", L";", {L"a", L"b", L"c"}}, EnumerateCase{L"", L";", {}},
        EnumerateCase{L";;;", L";", {}}, EnumerateCase{L";a;", L";", {L"a"}}, EnumerateCase{L"abc", L";", {L"abc"}},
        EnumerateCase{L"a--b----c--", L"--", {L"a", L"b", L"c"}}, EnumerateCase{L"aXbxc", L"x", {L"aXb", L"c"}},
        EnumerateCase{L"a b", L"", {L"a b"}}, EnumerateCase{L"a\0b"s, L"\0"s, {L"a", L"b"}}));

TEST(StringEx, EnumerateCountsPast32767Pieces)
{
    std::wstring buffer;
    for (int i = 0; i < 40000; ++i) {
        buffer += L"x;";
    }
    std::int32_t numbervalues = 0;
    std::vector<std::wstring> values;

    EXPECT_TRUE(StringEx().Enumerate(buffer, L";", numbervalues, values));
    EXPECT_EQ(numbervalues, 40000);
    EXPECT_EQ(values.size(), 40000u);
}

struct ExtractCase {
    std::wstring buffer;
    std::wstring begindelimiter;
    std::wstring enddelimiter;
    std::wstring expected;
};

class StringExExtract : public testing::TestWithParam<ExtractCase> {};

TEST_P(StringExExtract, GivesTheTextBetweenTheDelimiters)
{
    const auto& param = GetParam();
    EXPECT_EQ(StringEx().Extract(param.buffer, param.begindelimiter, param.enddelimiter), param.expected);
}

INSTANTIATE_TEST_SUITE_P(Delimiters, StringExExtract,
    testing::Values(ExtractCase{L"[x]", L"[", L"]", L"x"}, ExtractCase{L"ab]", L"[", L"]", L""},
        ExtractCase{L"[ab", L"[", L"]", L""}, ExtractCase{L"]a[", L"[", L"]", L""},
        ExtractCase{L"a[b]c]", L"[", L"]", L"b"}, ExtractCase{L"[]", L"[", L"]", L""},
        ExtractCase{L"<<x>>y>>", L"<<", L">>", L"x"},
        // The end delimiter is searched only after the begin delimiter,
        // so one that overlaps it is not found there.
        ExtractCase{L"-x-", L"-", L"-", L"x"}, ExtractCase{L"Name=\"a b\";", L"Name=\"", L"\"", L"a b"}));

struct CaseCase {
    std::wstring buffer;
    bool lower;
    bool upper;
};

class StringExCase : public testing::TestWithParam<CaseCase> {};

TEST_P(StringExCase, ComparesWithTheLocaleCaseMapping)
{
    const auto& param = GetParam();
    EXPECT_EQ(StringEx().IsLowerCase(param.buffer), param.lower);
    EXPECT_EQ(StringEx().IsUpperCase(param.buffer), param.upper);
}

INSTANTIATE_TEST_SUITE_P(Letters, StringExCase,
    testing::Values(CaseCase{L"abc", true, false}, CaseCase{L"Abc", false, false}, CaseCase{L"ABC", false, true},
        CaseCase{L"123", true, true}, CaseCase{L"", true, true}, CaseCase{L"report 2026.txt", true, false},
        CaseCase{L"\u00e4\u00eb\u00ef\u00f6\u00fc", true, false},
        CaseCase{L"\u00c4\u00cb\u00cf\u00d6\u00dc", false, true},
        CaseCase{L"\u043f\u0440\u0438\u0432\u0435\u0442", true, false},
        CaseCase{L"\u041f\u0440\u0438\u0432\u0435\u0442", false, false},
        // Text after a NUL counts too.
        CaseCase{L"abc\0D"s, false, false}));

TEST(StringEx, ZTrimCutsAtTheFirstNul)
{
    const struct {
        std::wstring buffer;
        std::wstring expected;
    } cases[] = {
        {L"abc\0def"s, L"abc"},
        {L"abc", L"abc"},
        {L"\0abc"s, L""},
        {L"", L""},
        {L"ab\0\0"s, L"ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StringEx().ZTrim(c.buffer), c.expected);
    }
}

} // namespace
