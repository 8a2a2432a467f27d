#include "engine/NameRule.h"

#include "engine/LetterCase.h"

#include <gtest/gtest.h>

namespace {

RunRules WithExtension(RunRules::Extension extension, std::wstring breaks = {})
{
    RunRules rules;
    rules.NameExtension = extension;
    rules.WordBreaks = std::move(breaks);
    return rules;
}

} // namespace

TEST(NameRule, TheExtensionFollowsItsOwnRuleOnFilesOnly)
{
    using Extension = RunRules::Extension;
    const NameRule lower(LetterCase::Upper, WithExtension(Extension::Lower));
    EXPECT_EQ(lower.NewName(L"holiday photo.JPG", false), L"HOLIDAY PHOTO.jpg");
    EXPECT_EQ(lower.NewName(L"archive.tar.GZ", false), L"ARCHIVE.TAR.gz");
    // A space after the last dot ends the extension, as does a dot at the start.
    EXPECT_EQ(lower.NewName(L"a.b c", false), L"A.B C");
    EXPECT_EQ(lower.NewName(L".Profile", false), L".profile");
    EXPECT_EQ(lower.NewName(L"Version 2.0", true), L"VERSION 2.0");
    EXPECT_EQ(lower.NewName(L"map.D", true), L"MAP.D");

    EXPECT_EQ(NameRule(LetterCase::Lower, WithExtension(Extension::Keep)).NewName(L"A.JPG", false), L"a.JPG");
    EXPECT_EQ(
        NameRule(LetterCase::Proper, WithExtension(Extension::Upper)).NewName(L"MY photo.jpg", false), L"My photo.JPG");
    EXPECT_EQ(NameRule(LetterCase::Proper, RunRules{}).NewName(L"MY photo.jpg", false), L"My photo.jpg");
}

TEST(NameRule, AnExtensionInOneCaseRenamesWhileTheNameStaysAsItIs)
{
    using Extension = RunRules::Extension;
    const NameRule extensionOnly(LetterCase::Current, WithExtension(Extension::Lower));
    EXPECT_TRUE(extensionOnly.Renames());
    EXPECT_EQ(extensionOnly.NewName(L"IMG 0001.JPG", false), L"IMG 0001.jpg");
    EXPECT_FALSE(NameRule(LetterCase::Current, WithExtension(Extension::Keep)).Renames());
    EXPECT_FALSE(NameRule(LetterCase::Current, RunRules{}).Renames());
}

TEST(NameRule, WordsBeginAfterTheChosenCharacters)
{
    const NameRule words(LetterCase::Word, WithExtension(RunRules::Extension::Lower, L" -"));
    EXPECT_EQ(words.NewName(L"Report-final.DOC", false), L"Report-Final.doc");
    EXPECT_EQ(words.NewName(L"my_file-name (draft)", false), L"My_file-Name (draft)");
    const NameRule punctuation(
        LetterCase::Word, WithExtension(RunRules::Extension::LikeName, RunRules::PunctuationBreaks));
    EXPECT_EQ(punctuation.NewName(L"my_file-name (draft)[v2].txt", false), L"My_File-Name (Draft)[V2].Txt");
}
