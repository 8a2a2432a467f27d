#include "engine/RunEngine.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t TicksPerHour = 36'000'000'000;

std::uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

class RunEngineTest : public testing::Test {
protected:
    // A file whose last-access and last-write times are known.
    std::wstring Stamped(const std::wstring& name)
    {
        const std::wstring path = temp.MakeFile(name, "x");
        FileSystem::ItemStamp stamp = *fileSystem.GetItemStamp(path);
        stamp.Accessed = *fileSystem.UniversalTime({2019, 1, 0, 1, 0, 0, 0, 0});
        stamp.Written = *fileSystem.UniversalTime({2021, 3, 0, 4, 5, 6, 7, 0});
        EXPECT_TRUE(fileSystem.SetItemTimes(path, stamp));
        return path;
    }

    static RunEngine::Job Dating(RunRules::TimeSource source, unsigned times, std::int64_t shift)
    {
        RunEngine::Job job;
        job.Modified = true;
        job.Rules.Source = source;
        job.Rules.Times = times;
        job.Rules.ShiftSeconds = shift;
        return job;
    }

    TempFolder temp;
    FileSystem fileSystem;
};

} // namespace

TEST_F(RunEngineTest, AShiftMovesOnlyTheChosenTimesOfTheItemItself)
{
    const std::wstring path = Stamped(L"a.txt");
    const FileSystem::ItemStamp before = *fileSystem.GetItemStamp(path);
    RunEngine engine(Dating(RunRules::TimeSource::Own, RunRules::Written, 3600));
    RunEngine::WorkItem item{path, -1, false};
    ASSERT_TRUE(engine.Process(item));
    const FileSystem::ItemStamp after = *fileSystem.GetItemStamp(path);
    EXPECT_EQ(Ticks(after.Written), Ticks(before.Written) + TicksPerHour);
    EXPECT_EQ(Ticks(after.Accessed), Ticks(before.Accessed));
    EXPECT_TRUE(item.Changed);
    ASSERT_TRUE(item.NewMoment);
    EXPECT_EQ(Ticks(*item.NewMoment), Ticks(after.Written));

    // Past the first moment a file can have, the entry fails and keeps its times.
    RunEngine back(Dating(RunRules::TimeSource::Own, RunRules::AllTimes, -500LL * 365 * 86400));
    RunEngine::WorkItem early{path, -1, false};
    EXPECT_FALSE(back.Process(early));
    EXPECT_EQ(Ticks(fileSystem.GetItemStamp(path)->Written), Ticks(after.Written));
    EXPECT_EQ(RunEngine::FailureText(early), RunEngine::AccessError + path);
}

TEST_F(RunEngineTest, AMomentFromTheNameOrItsOwnFailure)
{
    const std::wstring dated = Stamped(L"IMG_20240715_134500.jpg");
    const std::wstring undated = Stamped(L"notes.txt");
    RunEngine engine(Dating(RunRules::TimeSource::Name, RunRules::AllTimes, 60));
    RunEngine::WorkItem item{dated, -1, false};
    ASSERT_TRUE(engine.Process(item));
    EXPECT_EQ(Ticks(fileSystem.GetItemStamp(dated)->Written),
        Ticks(*fileSystem.UniversalTime({2024, 7, 0, 15, 13, 46, 0, 0})));

    RunEngine::WorkItem none{undated, -1, false};
    const FileSystem::ItemStamp before = *fileSystem.GetItemStamp(undated);
    EXPECT_FALSE(engine.Process(none));
    EXPECT_FALSE(none.Changed);
    EXPECT_EQ(Ticks(fileSystem.GetItemStamp(undated)->Written), Ticks(before.Written));
    EXPECT_EQ(RunEngine::FailureText(none), RunEngine::NoNameDateError + undated);
}

TEST_F(RunEngineTest, APreviewTellsWhatWouldFailAndChangesNothing)
{
    const std::wstring locked = Stamped(L"IMG_20240715_134500.jpg");
    fileSystem.SetFileAttributes(locked, FILE_ATTRIBUTE_READONLY);
    RunEngine::Job job = Dating(RunRules::TimeSource::Name, RunRules::AllTimes, 0);
    job.Style = 1;
    RunEngine engine(job);
    RunEngine::WorkItem item{locked, -1, false};
    const FileSystem::ItemStamp before = *fileSystem.GetItemStamp(locked);
    EXPECT_FALSE(engine.Preview(item));
    EXPECT_EQ(engine.NewPath(locked, false), temp / L"IMG_20240715_134500.JPG");
    EXPECT_EQ(TempFolder::NamesIn(temp.Path()), (std::set<std::wstring>{L"IMG_20240715_134500.jpg"}));
    EXPECT_EQ(Ticks(fileSystem.GetItemStamp(locked)->Written), Ticks(before.Written));

    job.IgnoreReadonly = true;
    RunEngine allowed(job);
    RunEngine::WorkItem again{locked, -1, false};
    EXPECT_TRUE(allowed.Preview(again));
    ASSERT_TRUE(again.NewMoment);
    EXPECT_EQ(Ticks(*again.NewMoment), Ticks(*fileSystem.UniversalTime({2024, 7, 0, 15, 13, 45, 0, 0})));
    fileSystem.SetFileAttributes(locked, 0);
}

// Renaming inside a folder moves the folder's last-write time; the shift
// must start from the time it had when the run began.
TEST_F(RunEngineTest, AShiftOfAFolderStartsFromItsTimeBeforeTheRun)
{
    Stamped(L"map\\inner.txt");
    const std::wstring folder = temp / L"map";
    FileSystem::ItemStamp stamp = *fileSystem.GetItemStamp(folder);
    stamp.Written = *fileSystem.UniversalTime({2020, 5, 0, 6, 7, 8, 9, 0});
    ASSERT_TRUE(fileSystem.SetItemTimes(folder, stamp));
    RunEngine::Job job = Dating(RunRules::TimeSource::Own, RunRules::Written, 3600);
    job.Style = 1;
    job.Subfolders = true;
    RunEngine engine(job);
    std::vector<RunEngine::WorkItem> work;
    engine.Append(folder, true, -1, work);
    ASSERT_EQ(engine.JournalEntries(work).size(), 2u);
    for (RunEngine::WorkItem& item : work) {
        ASSERT_TRUE(engine.Process(item)) << testing::PrintToString(item.Path);
    }
    EXPECT_EQ(Ticks(fileSystem.GetItemStamp(temp / L"MAP")->Written), Ticks(stamp.Written) + TicksPerHour);
}
