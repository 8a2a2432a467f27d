#include "runtime/AnsiText.h"

#include "platform/Win32.h"

#include <gtest/gtest.h>

#include <utility>

TEST(AnsiText, PlainTextRoundTrips)
{
    const std::wstring text = L"C:\\Data\\Verslag 2026.doc";
    EXPECT_EQ(AnsiText::Encode(text), "C:\\Data\\Verslag 2026.doc");
    EXPECT_EQ(AnsiText::Decode(AnsiText::Encode(text)), text);
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeItsDefaultCharacter)
{
    // One byte per character, whatever the text: a CJK name still gives a
    // complete line, and no look-alike replaces a letter the page lacks.
    const std::string encoded = AnsiText::Encode(L"map\\\u65E5\u672C.txt");
    EXPECT_EQ(encoded, "map\\??.txt");
    EXPECT_EQ(AnsiText::Encode(L"\u0142\u00E9"), "?\xE9");
}

// Windows refuses WC_NO_BEST_FIT_CHARS for UTF-8 and GB18030 and so would
// write every log line as nothing; Wine takes it for UTF-8 but knows no
// GB18030 at all. Either way each line keeps its text.
TEST(AnsiText, EveryCodePageGetsFlagsItTakesAndAWholeLine)
{
    const std::pair<std::uint32_t, std::uint32_t> flags[] = {
        {1252, WC_NO_BEST_FIT_CHARS}, {932, WC_NO_BEST_FIT_CHARS}, {65001, 0}, {54936, 0}, {42, 0}};
    const std::wstring line = L"07-12-2026 14:05:33  Fout bij het verkrijgen van toegang tot C:\\\u65e5\u00e9.txt";
    const std::string ascii = "07-12-2026 14:05:33  Fout bij het verkrijgen van toegang tot C:\\";
    for (const auto& [codepage, expected] : flags) {
        SCOPED_TRACE(codepage);
        EXPECT_EQ(AnsiText::EncodeFlags(codepage), expected);
        const std::string encoded = AnsiText::Encode(line, codepage);
        EXPECT_EQ(encoded.substr(0, ascii.size()), ascii);
        EXPECT_GT(encoded.size(), ascii.size());
    }
    EXPECT_EQ(AnsiText::Encode(line, CP_UTF8), ascii + "\xE6\x97\xA5\xC3\xA9.txt");
}

TEST(AnsiText, EmptyText)
{
    EXPECT_EQ(AnsiText::Encode(L""), "");
    EXPECT_EQ(AnsiText::Decode(""), L"");
}
