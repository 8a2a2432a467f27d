// Runs of the real program on real files: names and times read back from
// disk, every box answered as a user would, and the window left ready for
// the next run.

#include "e2e/Driving.h"
#include "e2e/ProgramKey.h"
#include "e2e/VarnookTest.h"

#include "probe/ProbeError.h"
#include "probe/UnixShell.h"
#include "probe/WindowFinder.h"
#include "probe/WindowReader.h"

#include <cwchar>
#include <regex>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

using namespace ControlIds;
using Names = std::set<std::wstring>;

namespace {

constexpr const wchar_t* AccessError = L"Fout bij het verkrijgen van toegang tot ";

std::wstring Text(const SYSTEMTIME& local)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%04u-%02u-%02u %02u:%02u:%02u", local.wYear, local.wMonth, local.wDay, local.wHour,
        local.wMinute, local.wSecond);
    return text;
}

std::wstring LocalText(const FILETIME& utc)
{
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    ::FileTimeToSystemTime(&utc, &universal);
    ::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local);
    return Text(local);
}

// Last write and last access, which the program sets alike: creation time
// cannot be set under Wine.
std::wstring WriteAndAccess(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return L"missing";
    }
    return LocalText(data.ftLastWriteTime) + L" / " + LocalText(data.ftLastAccessTime);
}

// The date picker's day at the time picker's time of day.
std::wstring ChosenMoment(const ProgramUnderTest& program)
{
    SYSTEMTIME moment = program.PickerMoment(DateTimePickerModifiedDate).value();
    const SYSTEMTIME time = program.PickerMoment(DateTimePickerModifiedTime).value();
    moment.wHour = time.wHour;
    moment.wMinute = time.wMinute;
    moment.wSecond = time.wSecond;
    return Text(moment) + L" / " + Text(moment);
}

bool IsReadOnly(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Lines of the log that hold a time stamp and the message, and nothing else.
int StampedLines(const std::string& log, const std::wstring& message)
{
    const std::string text = "  " + ToUtf8(message);
    const std::regex stamp(R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d)");
    std::istringstream lines(log);
    int found = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.ends_with("\r")) {
            line.pop_back();
        }
        const size_t stampSize = 19;
        found += line.size() == stampSize + text.size() && line.ends_with(text) &&
                std::regex_match(line.substr(0, stampSize), stamp)
            ? 1
            : 0;
    }
    return found;
}

// Names and attributes as the file system holds them.
std::vector<std::pair<std::wstring, DWORD>> Entries(const std::wstring& folder)
{
    std::vector<std::pair<std::wstring, DWORD>> entries;
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        if (std::wcscmp(found.cFileName, L".") != 0 && std::wcscmp(found.cFileName, L"..") != 0) {
            entries.emplace_back(found.cFileName, found.dwFileAttributes);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

} // namespace

class ProcessingTest : public VarnookTest {};

// Every run after the first is a case-only rename, which Wine reports as
// done without doing it.
TEST_F(ProcessingTest, EachStyleRenamesSelectedItemsOnDiskAndSubfoldersReachesTheirContents)
{
    Folder().MakeFile(L"my report.TXT");
    Folder().MakeFile(L"oude MAP\\Binnen.TXT");
    Folder().MakeFile(L"oude MAP\\Diep Dal\\x Y.Txt");
    const ProgramUnderTest& program = Start(true);

    const struct {
        int style;
        std::wstring file, folder;
    } steps[] = {{0, L"my report.TXT", L"oude MAP"}, {1, L"MY REPORT.TXT", L"OUDE MAP"},
        {2, L"my report.txt", L"oude map"}, {3, L"My report.txt", L"Oude map"}, {4, L"My Report.txt", L"Oude Map"}};
    for (const auto& step : steps) {
        Driving::ChooseStyle(program, step.style);
        Driving::ProcessAll(program);
        ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); })) << "style " << step.style;
        EXPECT_EQ(TempFolder::NamesIn(Folder().Path()), (Names{step.file, step.folder})) << "style " << step.style;
        EXPECT_EQ(Driving::Names(program), (std::vector<std::wstring>{step.folder + L" <DIR>", step.file}));
    }
    EXPECT_EQ(TempFolder::NamesIn(Folder() / L"Oude Map"), (Names{L"Binnen.TXT", L"Diep Dal"}));

    Driving::SetOption(program, CheckOptionsSubfolders, true);
    Driving::ChooseStyle(program, 2);
    Driving::ProcessAll(program);
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); }));
    EXPECT_EQ(TempFolder::NamesIn(Folder() / L"oude map"), (Names{L"binnen.txt", L"diep dal"}));
    EXPECT_EQ(TempFolder::NamesIn(Folder() / L"oude map\\diep dal"), Names{L"x y.txt"});
}

// Failures are reported one box each without the log, in the log with it;
// after any of these answers the run still ends cleanly, "Ja" opens the log,
// and the watch is back on the folder.
TEST_F(ProcessingTest, ReadOnlyItemsFailUnlessIgnoredAndEveryFailureIsReported)
{
    const std::wstring plain = Folder().MakeFile(L"a.txt");
    const std::wstring locked[] = {Folder().MakeFile(L"b.txt"), Folder().MakeFile(L"c.txt")};
    UnixShell::Check("cd " + UnixShell::Quote(UnixShell::UnixPath(Folder().Path())) +
        " && touch -d '2001-02-03 04:05:06' a.txt b.txt c.txt && chmod a-w b.txt c.txt");
    // Windows opens a .log file in Notepad; a new Wine prefix knows no such type.
    ASSERT_EQ(::RegSetKeyValueW(
                  HKEY_CLASSES_ROOT, L".log", nullptr, REG_SZ, L"txtfile", static_cast<DWORD>(sizeof(L"txtfile"))),
        ERROR_SUCCESS);
    const ProgramUnderTest& program = Start(true);
    Driving::SetOption(program, CheckOptionsModified, true);
    const std::wstring moment = ChosenMoment(program);
    const std::wstring old = L"2001-02-03 04:05:06";

    Driving::ProcessAll(program);
    Driving::ExpectBox(program, AccessError + locked[0], IDOK);
    Driving::ExpectBox(program, AccessError + locked[1], IDOK);
    Driving::ExpectBox(program, L"2 ontoegankelijke objecten gevonden", IDOK);
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); }));
    EXPECT_EQ(WriteAndAccess(plain), moment);
    EXPECT_EQ(WriteAndAccess(locked[0]).substr(0, old.size()), old);

    Driving::SetOption(program, CheckOptionsLog, true);
    Driving::ProcessAll(program);
    Driving::ExpectBox(program, L"2 ontoegankelijke objecten gevonden, logboek bekijken?", IDYES);
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); }));
    HWND notepad = nullptr;
    EXPECT_TRUE(Await::Until([&] {
        notepad = WindowFinder::FirstTopLevel(0, {L"Notepad", L"", true});
        return notepad != nullptr;
    }));
    if (notepad != nullptr) {
        ::PostMessageW(notepad, WM_CLOSE, 0, 0);
    }
    const std::string log = TempFolder::ReadAll(LogPath());
    for (const std::wstring& path : locked) {
        EXPECT_EQ(StampedLines(log, AccessError + path), 1) << log;
    }
    Driving::Touch(Folder() / L"nieuw.txt");
    EXPECT_TRUE(Await::Until([&] { return Driving::Names(program).size() == 4; }));

    Driving::SetOption(program, CheckOptionsIgnorereadonly, true);
    Driving::ProcessAll(program);
    ASSERT_TRUE(Await::Until([&] { return Driving::RunEnded(program); }));
    for (const std::wstring& path : locked) {
        EXPECT_EQ(WriteAndAccess(path), moment);
        EXPECT_TRUE(IsReadOnly(path));
    }
    EXPECT_TRUE(Await::Until([&] { return !::IsWindow(notepad); }));
}

// The run stops after the entry it is on: each file keeps its read-only
// attribute, whether it was renamed or not, and the options are saved.
TEST_F(ProcessingTest, CloseDuringARunEndsItBetweenEntriesAndSavesTheOptions)
{
    constexpr int count = 2000;
    Driving::MakeManyFiles(Folder() / L"veel", count);
    UnixShell::Check("chmod a-w " + UnixShell::Quote(UnixShell::UnixPath(Folder() / L"veel")) + "/*");
    const ProgramUnderTest& program = Start(true);
    Driving::SetOption(program, CheckOptionsSubfolders, true);
    Driving::SetOption(program, CheckOptionsModified, true);
    Driving::SetOption(program, CheckOptionsIgnorereadonly, true);
    Driving::ChooseStyle(program, 1);
    const HWND progress = program.PlatformControl(ProgressBarVarnook, PROGRESS_CLASSW);

    Driving::ProcessAll(program);
    ASSERT_TRUE(Await::Until([&] { return WindowReader::ProgressPosition(progress) > 10; }));
    EXPECT_EQ(WindowReader::ProgressRange(progress), std::make_pair(0, count + 1));
    program.PostClose();

    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(ProgramKey::Text(L"LastFolder"), std::optional<std::wstring>(Folder().Path()));
    for (const wchar_t* option : {L"Conversion", L"Subfolders", L"Modified", L"IgnoreReadonly"}) {
        EXPECT_EQ(ProgramKey::Option(option), std::optional<DWORD>(1)) << ToUtf8(option);
    }
    int renamed = 0;
    const std::vector<std::pair<std::wstring, DWORD>> entries = Entries(Folder() / L"veel");
    EXPECT_EQ(entries.size(), static_cast<size_t>(count));
    for (const auto& [name, attributes] : entries) {
        EXPECT_TRUE(std::regex_match(name, std::wregex(L"[fF]\\d{4}"))) << ToUtf8(name);
        EXPECT_NE(attributes & FILE_ATTRIBUTE_READONLY, 0u) << ToUtf8(name);
        renamed += name[0] == L'F' ? 1 : 0;
    }
    EXPECT_GT(renamed, 0);
    EXPECT_LT(renamed, count);
}
