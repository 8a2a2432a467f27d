#include "app/RunUndo.h"

#include "ProcessingTestBed.h"
#include "services/FileStepSeam.h"

#include <gtest/gtest.h>

namespace {

class RunUndoTest : public ProcessingTestBed {
protected:
    RunUndo undo{state, window, listing, watch, log, journal};

    // The run of `style` (and the moment, when given) over the selected
    // lines, with everything below them.
    void RunOver(const std::vector<std::wstring>& lines, int style, bool dated)
    {
        List();
        for (const std::wstring& line : lines) {
            Select(line);
        }
        Choose(style, dated);
        SetMoment(2026, 7, 15, 9, 30, 15);
        state.CheckOptionsSubfolders().SetValue(1);
        run.Run();
    }

    void Undo()
    {
        window.warningAnswers.push_back(MessageBoxChoice::Yes);
        undo.Run();
    }

    // The tree the tests start from, every item with a moment of its own.
    void MakeTree()
    {
        const FileSystem fileSystem;
        fileSystem.SetFileDateTime(
            temp.MakeFile(L"Map\\Sub\\diep.txt"), Variant(*OleDate::FromParts(2001, 1, 1, 1, 1, 1)));
        fileSystem.SetFileDateTime(temp.MakeFile(L"Map\\boven.txt"), Variant(*OleDate::FromParts(2002, 2, 2, 2, 2, 2)));
        fileSystem.SetFileDateTime(temp.MakeFile(L"los.txt"), Variant(*OleDate::FromParts(2003, 3, 3, 3, 3, 3)));
        fileSystem.SetFolderDateTime(temp / L"Map\\Sub", Variant(*OleDate::FromParts(2004, 4, 4, 4, 4, 4)));
        fileSystem.SetFolderDateTime(temp / L"Map", Variant(*OleDate::FromParts(2005, 5, 5, 5, 5, 5)));
    }

    [[nodiscard]] std::vector<std::wstring> TreeMoments()
    {
        std::vector<std::wstring> moments;
        for (const wchar_t* path : {L"Map\\Sub\\diep.txt", L"Map\\boven.txt", L"los.txt", L"Map\\Sub", L"Map"}) {
            moments.push_back(std::wstring(path) + L" " + Moment(temp / path));
        }
        return moments;
    }
};

// Names first, last entry first; then the times, every folder after what is
// inside it, so that renaming inside a folder cannot spoil its moment.
TEST_F(RunUndoTest, UndoPutsBackEveryNameAndMomentFoldersIncluded)
{
    MakeTree();
    const std::vector<std::wstring> before = TreeMoments();
    RunOver({L"Map <DIR>", L"los.txt"}, 1, true);
    ASSERT_EQ(NamesIn(temp / L"MAP"), (std::set<std::wstring>{L"SUB", L"BOVEN.TXT"}));

    EXPECT_TRUE(undo.Available());
    const auto offer = undo.Latest();
    ASSERT_TRUE(offer.has_value());
    EXPECT_EQ(offer->Count, 5);
    Undo();

    EXPECT_EQ(WarningTexts().front(), RunUndo::Question(*offer));
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"Map", L"los.txt"}));
    EXPECT_EQ(NamesIn(temp / L"Map\\Sub"), std::set<std::wstring>{L"diep.txt"});
    EXPECT_EQ(TreeMoments(), before);
    EXPECT_EQ(ShownNames(), (std::vector<std::wstring>{L"Map <DIR>", L"los.txt"}));
    EXPECT_FALSE(undo.Latest().has_value());
    EXPECT_FALSE(undo.Available());
}

TEST_F(RunUndoTest, AnEntryChangedSinceTheRunIsLeftAloneAndCounted)
{
    temp.MakeFile(L"a.txt");
    temp.MakeFile(L"b.txt");
    RunOver({L"a.txt", L"b.txt"}, 1, true);
    FileSystem().SetFileDateTime(temp / L"B.TXT", Variant(*OleDate::FromParts(2020, 1, 1, 0, 0, 0)));
    Undo();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"a.txt", L"B.TXT"}));
    EXPECT_EQ(WarningTexts(),
        (std::vector<std::wstring>{
            WarningTexts().front(), RunUndo::RestoreError + (temp / L"B.TXT"), L"1 objecten niet hersteld"}));
}

// A journal outlives the program; each undo takes the newest run still on
// record, and a stopped run puts back what it did.
TEST_F(RunUndoTest, EachUndoPutsBackTheRunBeforeTheLastOne)
{
    temp.MakeFile(L"een.txt");
    temp.MakeFile(L"twee.txt");
    RunOver({L"een.txt", L"twee.txt"}, 1, false);
    const FileStepSeam stopping([&](FileStep, const std::wstring&) {
        run.Stop(true);
        return true;
    });
    RunOver({L"EEN.TXT", L"TWEE.TXT"}, 4, false);
    ASSERT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"Een.txt", L"TWEE.TXT"}));

    RunUndo afterRestart{state, window, listing, watch, log, journal};
    ASSERT_EQ(afterRestart.Latest()->Count, 1);
    window.warningAnswers = {MessageBoxChoice::Yes, MessageBoxChoice::Yes};
    afterRestart.Run();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"EEN.TXT", L"TWEE.TXT"}));
    afterRestart.Run();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"een.txt", L"twee.txt"}));
}

} // namespace
