#include "runtime/AnsiText.h"

#include <gtest/gtest.h>

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

TEST(AnsiText, EmptyText)
{
    EXPECT_EQ(AnsiText::Encode(L""), "");
    EXPECT_EQ(AnsiText::Decode(""), L"");
}
