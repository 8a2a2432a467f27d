#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace {

std::optional<CommandLine::Request> Read(const std::vector<std::wstring>& arguments, std::wstring* error = nullptr)
{
    std::wstring message;
    auto request = CommandLine::Read(arguments, message);
    if (error != nullptr) {
        *error = message;
    }
    return request;
}

} // namespace

TEST(CommandLine, ARequestCarriesEveryRule)
{
    const auto request = Read({L"--case", L"words", L"--extension", L"lower", L"--word-breaks", L" -", L"--set-time",
        L"2024-07-15 13:45:00", L"--times", L"modified,accessed", L"--shift", L"-1d", L"--subfolders", L"--hidden",
        L"--readonly", L"--dry-run", L"--log", L"C:\\log.txt", L"C:\\a", L"--", L"--odd name"});
    ASSERT_TRUE(request);
    const RunEngine::Job& job = request->Job;
    EXPECT_EQ(job.Style, 4);
    EXPECT_EQ(job.Rules.NameExtension, RunRules::Extension::Lower);
    EXPECT_EQ(job.Rules.WordBreaks, L" -");
    ASSERT_TRUE(job.Moment);
    EXPECT_EQ(job.Moment->ToText(), OleDate::FromParts(2024, 7, 15, 13, 45, 0)->ToText());
    EXPECT_EQ(job.Rules.Source, RunRules::TimeSource::Chosen);
    EXPECT_EQ(job.Rules.Times, unsigned{RunRules::Written | RunRules::Accessed});
    EXPECT_EQ(job.Rules.ShiftSeconds, -86400);
    EXPECT_TRUE(job.Modified && job.Subfolders && job.IgnoreReadonly && request->DryRun);
    EXPECT_EQ(job.ExcludedAttributes, 0);
    EXPECT_EQ(request->LogFile, L"C:\\log.txt");
    EXPECT_EQ(request->Paths, (std::vector<std::wstring>{L"C:\\a", L"--odd name"}));

    const auto plain = Read({L"--shift", L"+2h", L"C:\\a"});
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Job.Rules.Source, RunRules::TimeSource::Own);
    EXPECT_EQ(plain->Job.ExcludedAttributes, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(plain->Job.Style, 0);
}

TEST(CommandLine, AUsageErrorNamesWhatIsWrong)
{
    const std::vector<std::pair<std::vector<std::wstring>, std::wstring>> wrong = {
        {{L"--bogus", L"C:\\a"}, L"--bogus"},
        {{L"--case", L"title", L"C:\\a"}, L"--case"},
        {{L"--case"}, L"--case"},
        {{L"--set-time", L"2024-02-30 10:00:00", L"C:\\a"}, L"--set-time"},
        {{L"--set-time", L"2024-07-15 10:00:00", L"--time-from", L"exif", L"C:\\a"}, L"--time-from"},
        {{L"--times", L"modified", L"C:\\a"}, L"--times"},
        {{L"--times", L"written", L"--shift", L"1h", L"C:\\a"}, L"--times"},
        {{L"--undo", L"--case", L"upper"}, L"--undo"},
        {{L"--case", L"upper"}, L"PAD"},
    };
    for (const auto& [arguments, named] : wrong) {
        std::wstring error;
        EXPECT_FALSE(Read(arguments, &error)) << testing::PrintToString(arguments);
        EXPECT_NE(error.find(named), std::wstring::npos) << testing::PrintToString(error);
    }
}

TEST(CommandLine, ShiftsAndTimesAreReadStrictly)
{
    EXPECT_EQ(CommandLine::ReadShift(L"+1d2h3m4s"), 93784);
    EXPECT_EQ(CommandLine::ReadShift(L"-90m"), -5400);
    EXPECT_EQ(CommandLine::ReadShift(L"36h"), 129600);
    for (const wchar_t* bad : {L"", L"+", L"5", L"1h1d", L"1h1h", L"1x", L"h", L"99999999999d", L"1d 2h"}) {
        EXPECT_FALSE(CommandLine::ReadShift(bad)) << testing::PrintToString(std::wstring(bad));
    }
    EXPECT_EQ(CommandLine::ReadTimes(L"created"), unsigned{RunRules::Created});
    EXPECT_FALSE(CommandLine::ReadTimes(L""));
    EXPECT_FALSE(CommandLine::ReadTimes(L"modified,"));
    EXPECT_TRUE(CommandLine::ReadMoment(L"2024-07-15 13:45"));
    EXPECT_TRUE(CommandLine::ReadMoment(L"2024-07-15T13:45:00"));
    EXPECT_FALSE(CommandLine::ReadMoment(L"2024-07-15 24:00:00"));
    EXPECT_FALSE(CommandLine::ReadMoment(L"15-07-2024 13:45:00"));
}
