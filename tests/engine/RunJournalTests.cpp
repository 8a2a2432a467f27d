#include "engine/RunJournal.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

SYSTEMTIME At(WORD second, WORD millisecond = 0)
{
    return SYSTEMTIME{2026, 12, 0, 9, 14, 3, second, millisecond};
}

RunJournal::Entry EntryFor(const std::wstring& path, const std::wstring& newPath, std::uint32_t written)
{
    RunJournal::Entry entry;
    entry.Path = path;
    entry.NewPath = newPath;
    entry.Before = {FILETIME{1, 2}, FILETIME{3, 4}, FILETIME{written, 6}, FILE_ATTRIBUTE_READONLY};
    return entry;
}

class RunJournalTest : public testing::Test {
protected:
    TempFolder folder;
    RunJournal journal{folder / L"Pellonar\\Varnook"};
};

// Paths hold whatever a name may hold, a tab or a "%" included.
TEST_F(RunJournalTest, AJournalReadsBackWhatTheRunRecorded)
{
    const std::wstring odd = L"C:\\Map\\100% \u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac\ttab";
    ASSERT_TRUE(journal.Begin(At(5), {EntryFor(odd, odd + L".NEW", 7), EntryFor(L"C:\\b", L"C:\\B", 8)}));
    // A run that changed nothing yet leaves nothing to undo.
    EXPECT_FALSE(RunJournal::HasDoneEntries(journal.FileName()));
    ASSERT_TRUE(journal.Done(1, L"C:\\B", FILETIME{9, 10}));
    journal.End();
    EXPECT_TRUE(RunJournal::HasDoneEntries(journal.FileName()));

    const auto run = RunJournal::Read(journal.UndoableJournals().at(0));
    ASSERT_TRUE(run.has_value());
    EXPECT_EQ(run->Started.wSecond, 5);
    ASSERT_EQ(run->Entries.size(), 2U);
    EXPECT_EQ(run->Entries[0].Path, odd);
    EXPECT_EQ(run->Entries[0].NewPath, odd + L".NEW");
    EXPECT_EQ(run->Entries[0].Before.Written.dwLowDateTime, 7U);
    EXPECT_EQ(run->Entries[0].Before.Attributes, static_cast<std::uint32_t>(FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(run->Entries[0].Done);
    EXPECT_TRUE(run->Entries[1].Done);
    EXPECT_EQ(run->Entries[1].CurrentPath, L"C:\\B");
    EXPECT_EQ(run->Entries[1].WrittenAfter.dwHighDateTime, 10U);
}

// A run cut off while it wrote a record leaves that record unfinished.
TEST_F(RunJournalTest, ARecordCutOffByTheEndOfTheFileIsNoRecord)
{
    ASSERT_TRUE(journal.Begin(At(5), {EntryFor(L"C:\\a", L"C:\\A", 1), EntryFor(L"C:\\b", L"C:\\B", 2)}));
    ASSERT_TRUE(journal.Done(0, L"C:\\A", FILETIME{3, 0}));
    journal.End();
    const std::wstring file = journal.UndoableJournals().at(0);
    std::ofstream(std::filesystem::path(file), std::ios::app | std::ios::binary) << "D\t1\tC:\\B\t4";

    const auto run = RunJournal::Read(file);
    ASSERT_TRUE(run.has_value());
    EXPECT_TRUE(run->Entries[0].Done);
    EXPECT_FALSE(run->Entries[1].Done);
}

TEST_F(RunJournalTest, TheLastTenRunsAreKeptAndAnUndoneOneIsOfferedNoMore)
{
    for (WORD run = 0; run < 12; ++run) {
        ASSERT_TRUE(journal.Begin(At(run), {EntryFor(L"C:\\a", L"C:\\A", run)}));
        journal.End();
    }
    std::vector<std::wstring> journals = journal.UndoableJournals();
    ASSERT_EQ(journals.size(), RunJournal::KeptRuns);
    EXPECT_EQ(RunJournal::Read(journals.front())->Started.wSecond, 11);
    EXPECT_EQ(RunJournal::Read(journals.back())->Started.wSecond, 2);

    ASSERT_TRUE(RunJournal::MarkUndone(journals.front()));
    journals = journal.UndoableJournals();
    EXPECT_EQ(journals.size(), RunJournal::KeptRuns - 1);
    EXPECT_EQ(RunJournal::Read(journals.front())->Started.wSecond, 10);
}

TEST_F(RunJournalTest, AJournalThatCannotBeWrittenSaysSoAndLeavesNothing)
{
    const std::wstring blocked = folder.MakeFile(L"geen map");
    RunJournal nowhere(blocked + L"\\Varnook");
    EXPECT_FALSE(nowhere.Begin(At(1), {EntryFor(L"C:\\a", L"C:\\A", 1)}));
    EXPECT_NE(nowhere.FileName().find(blocked), std::wstring::npos);
    EXPECT_TRUE(nowhere.UndoableJournals().empty());
}

} // namespace
