#include "ProcessingTestBed.h"
#include "platform/PendingMessages.h"

#include "runtime/AnsiText.h"
#include "runtime/RuntimeError.h"
#include "services/FileStepSeam.h"
#include "support/ActionWindow.h"
#include "support/FormStateWithParts.h"

#include <regex>
#include <stdexcept>

namespace {

using ProcessingRunTest = ProcessingTestBed;

const std::wstring AccessError = L"Fout bij het verkrijgen van toegang tot ";

// The user's short-date format for the object's lifetime. It is the user's
// setting, so it is put back even when the test fails.
class UserShortDate {
public:
    explicit UserShortDate(const wchar_t* format)
    {
        wchar_t saved[80] = {};
        ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved, 80);
        saved_ = saved;
        ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format);
    }
    ~UserShortDate() { ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_.c_str()); }
    UserShortDate(const UserShortDate&) = delete;
    UserShortDate& operator=(const UserShortDate&) = delete;

private:
    std::wstring saved_;
};

} // namespace

TEST_F(ProcessingRunTest, NothingSelectedIsAnEmptyRun)
{
    temp.MakeFile(L"a.txt");
    List();
    Choose(1, true);
    state.CommandProcess().SetEnabled(true);
    run.Run();
    EXPECT_TRUE(window.warnings.empty());
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"a.txt"});
    EXPECT_FALSE(state.CommandProcess().Enabled());
    EXPECT_EQ(state.ProgressBarVarnook().Value(), 0);
    EXPECT_EQ(window.GetMousePointer(), MousePointer::Default);
    EXPECT_FALSE(run.InProgress());
}

TEST_F(ProcessingRunTest, CurrentCaseWithoutModifiedChangesNothingButDeselects)
{
    temp.MakeFile(L"mixed Case.txt");
    const auto before = Moment(temp / L"mixed Case.txt");
    List();
    Select(L"mixed Case.txt");
    Choose(0, false);
    run.Run();
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"mixed Case.txt"});
    EXPECT_EQ(Moment(temp / L"mixed Case.txt"), before);
    EXPECT_FALSE(Line(L"mixed Case.txt")->Selected());
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(ProcessingRunTest, StylesRenameTheWholeNameAndUpdateTheLine)
{
    const std::pair<int, std::wstring> styles[] = {
        {1, L"MY REPORT.TXT"}, {2, L"my report.txt"}, {3, L"My report.txt"}, {4, L"My Report.txt"}};
    for (const auto& [style, expected] : styles) {
        TempFolder own;
        folder.SetPath(own.Path());
        own.MakeFile(L"my report.TXT", "inhoud");
        List();
        Select(L"my report.TXT");
        Choose(style, false);
        run.Run();
        EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{expected}) << "style " << style;
        EXPECT_EQ(state.ListViewFolderItems().ListItems().Item(0)->Row().Name, expected);
        EXPECT_EQ(TempFolder::ReadAll(own / expected), "inhoud");
    }
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(ProcessingRunTest, NameAlreadyInTheStyleIsStillASuccess)
{
    temp.MakeFile(L"KLAAR.TXT");
    List();
    Select(L"KLAAR.TXT");
    Choose(1, false);
    run.Run();
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"KLAAR.TXT"});
    EXPECT_TRUE(window.warnings.empty());
}

TEST_F(ProcessingRunTest, RenamedItemGetsTheMomentUnderItsNewName)
{
    temp.MakeFile(L"oud.txt");
    temp.MakeFolder(L"map");
    List();
    Select(L"oud.txt");
    Select(L"map <DIR>");
    Choose(1, true);
    SetMoment(2026, 7, 15, 9, 30, 15);
    // The read-only test and the date step must look at the item under its
    // new name, not at the old spelling a case-blind file system would still
    // take for it.
    std::vector<std::wstring> looked;
    const FileStepSeam seam([&](FileStep step, const std::wstring& path) {
        if (step == FileStep::ReadAttributes || step == FileStep::WriteTimes) {
            looked.push_back(path);
        }
        return true;
    });
    run.Run();
    EXPECT_EQ(looked, (std::vector<std::wstring>{temp / L"MAP", temp / L"MAP", temp / L"OUD.TXT", temp / L"OUD.TXT"}));
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"OUD.TXT", L"MAP"}));
    EXPECT_EQ(FileSystem().GetFileDateTime(temp / L"OUD.TXT").ToText(), L"15-7-2026 09:30:15");
    EXPECT_EQ(Moment(temp / L"MAP"), L"15-7-2026 09:30:15");
    EXPECT_EQ(Shown(L"OUD.TXT", 1), L"15-7-2026 09:30:15");
    EXPECT_EQ(Shown(L"MAP <DIR>", 1), L"15-7-2026 09:30:15");
    EXPECT_TRUE(window.warnings.empty());
}

// Many users write the year with two digits. A moment that travelled as
// regional text would come back as 2025.
TEST_F(ProcessingRunTest, CenturyOfTheChosenDateIsKept)
{
    temp.MakeFile(L"oud.txt");
    List();
    Select(L"oud.txt");
    Choose(0, true);
    SetMoment(1925, 2, 3, 4, 5, 6);
    {
        const UserShortDate twoDigitYear(L"d-M-yy");
        ASSERT_EQ(OleDate::FromParts(1925, 2, 3, 0, 0, 0)->DateText(), L"3-2-25");
        run.Run();
    }
    EXPECT_EQ(FileSystem().GetFileDateTime(temp / L"oud.txt").ToText(), L"3-2-1925 04:05:06");
}

TEST_F(ProcessingRunTest, SubfoldersAreProcessedChildrenFirstAndKeepTheirMoment)
{
    temp.MakeFile(L"top\\a.txt");
    temp.MakeFile(L"top\\sub\\b.txt");
    temp.MakeFile(L"top\\sub\\deeper\\c.txt");
    temp.MakeFile(L"top\\other\\d.txt");
    temp.MakeFile(L"loose.txt");
    List();
    Select(L"top <DIR>");
    state.CheckOptionsSubfolders().SetValue(1);

    const auto inputs = run.TakeInputs();
    const auto work = run.BuildWorkList(RunEngine(inputs.Job), inputs.Folder);
    ASSERT_EQ(work.size(), 8u);
    EXPECT_EQ(work.back().Path, temp / L"top");
    EXPECT_EQ(work.back().ItemIndex, 0);
    for (size_t i = 0; i < work.size(); ++i) {
        for (size_t later = i + 1; later < work.size(); ++later) {
            EXPECT_NE(work[later].Path.rfind(work[i].Path + L"\\", 0), 0u)
                << testing::PrintToString(work[later].Path) << " comes after " << testing::PrintToString(work[i].Path);
        }
    }

    Choose(1, true);
    SetMoment(2024, 2, 29, 23, 59, 58);
    run.Run();
    EXPECT_TRUE(window.warnings.empty());
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"TOP", L"loose.txt"}));
    EXPECT_EQ(NamesIn(temp / L"TOP"), (std::set<std::wstring>{L"A.TXT", L"SUB", L"OTHER"}));
    EXPECT_EQ(NamesIn(temp / L"TOP\\SUB\\DEEPER"), std::set<std::wstring>{L"C.TXT"});
    for (const auto* below : {L"TOP", L"TOP\\SUB", L"TOP\\SUB\\DEEPER", L"TOP\\OTHER", L"TOP\\SUB\\B.TXT"}) {
        EXPECT_EQ(Moment(temp / below), L"29-2-2024 23:59:58") << testing::PrintToString(std::wstring(below));
    }
    EXPECT_EQ(Shown(L"TOP <DIR>", 1), L"29-2-2024 23:59:58");
    EXPECT_EQ(Shown(L"loose.txt", 0), L"loose.txt");
}

TEST_F(ProcessingRunTest, WithoutSubfoldersOnlyTheFolderItself)
{
    temp.MakeFile(L"top\\inner.txt");
    List();
    Select(L"top <DIR>");
    Choose(1, false);
    run.Run();
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"TOP"});
    EXPECT_EQ(NamesIn(temp / L"TOP"), std::set<std::wstring>{L"inner.txt"});
}

TEST_F(ProcessingRunTest, HiddenAndSystemItemsFollowTheOption)
{
    const auto hidden = temp.MakeFile(L"top\\hidden.txt");
    const auto system = temp.MakeFolder(L"top\\system");
    temp.MakeFile(L"top\\system\\inside.txt");
    temp.MakeFile(L"top\\plain.txt");
    FileSystem().SetFileAttributes(hidden, FILE_ATTRIBUTE_HIDDEN);
    FileSystem().SetFolderAttributes(system, FILE_ATTRIBUTE_SYSTEM);
    List();
    Select(L"top <DIR>");
    state.CheckOptionsSubfolders().SetValue(1);
    Choose(1, false);
    run.Run();
    EXPECT_EQ(NamesIn(temp / L"TOP"), (std::set<std::wstring>{L"hidden.txt", L"system", L"PLAIN.TXT"}));
    EXPECT_EQ(NamesIn(temp / L"TOP\\system"), std::set<std::wstring>{L"inside.txt"});

    state.CheckOptionsHiddensystem().SetValue(1);
    List();
    Select(L"TOP <DIR>");
    run.Run();
    EXPECT_EQ(NamesIn(temp / L"TOP"), (std::set<std::wstring>{L"HIDDEN.TXT", L"SYSTEM", L"PLAIN.TXT"}));
    EXPECT_EQ(NamesIn(temp / L"TOP\\SYSTEM"), std::set<std::wstring>{L"INSIDE.TXT"});
    EXPECT_EQ(Attributes(temp / L"TOP\\HIDDEN.TXT"), FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(ProcessingRunTest, ReadOnlyItemsKeepTheirMomentUnlessIgnored)
{
    const auto file = temp.MakeFile(L"alleen lezen.txt");
    FileSystem().SetFileAttributes(file, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    const auto before = Moment(file);
    state.CheckOptionsHiddensystem().SetValue(1);
    List();
    Select(L"alleen lezen.txt");
    Choose(4, true);
    SetMoment(2011, 11, 11, 11, 11, 11);
    run.Run();
    const auto renamed = temp / L"Alleen Lezen.txt";
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"Alleen Lezen.txt"});
    EXPECT_EQ(Moment(renamed), before);
    EXPECT_EQ(WarningTexts(), (std::vector<std::wstring>{AccessError + renamed, L"1 ontoegankelijk object gevonden"}));

    state.CheckOptionsIgnorereadonly().SetValue(1);
    Select(L"Alleen Lezen.txt");
    run.Run();
    EXPECT_EQ(Moment(renamed), L"11-11-2011 11:11:11");
    EXPECT_EQ(Attributes(renamed), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(window.warnings.size(), 2u);
}

TEST_F(ProcessingRunTest, FailedRenameFollowedByADateChangeCountsOnceAsAFailure)
{
    const auto file = temp.MakeFile(L"bezet.txt");
    // Another program holds the file open without letting it be renamed.
    const FileHandle holder(::CreateFileW(
        file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    List();
    Select(L"bezet.txt");
    Choose(1, true);
    SetMoment(2015, 5, 5, 5, 5, 5);
    run.Run();
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"bezet.txt"});
    EXPECT_EQ(Moment(file), L"5-5-2015 05:05:05");
    EXPECT_EQ(WarningTexts(), (std::vector<std::wstring>{AccessError + file, L"1 ontoegankelijk object gevonden"}));
}

// A rename whose second step and undoing both failed leaves the item under a
// temporary name; the message and the log line say where.
TEST_F(ProcessingRunTest, AnItemLeftUnderATemporaryNameIsReportedThere)
{
    for (const bool logged : {false, true}) {
        SCOPED_TRACE(logged);
        TempFolder own;
        folder.SetPath(own.Path());
        own.MakeFile(L"foto.jpg", "beeld");
        List();
        Select(L"foto.jpg");
        Choose(1, false);
        state.CheckOptionsLog().SetValue(logged ? 1 : 0);
        window.warnings.clear();
        log.Clear();
        std::wstring temporary;
        {
            const FileStepSeam seam([&](FileStep step, const std::wstring& path) {
                if (step == FileStep::MoveToTemporaryName) {
                    temporary = path;
                }
                return step != FileStep::MoveToNewName && step != FileStep::MoveBackToOldName;
            });
            run.Run();
        }
        if (temporary.empty()) {
            GTEST_SKIP() << "this file system renames case-only in place";
        }
        const std::wstring report = AccessError + (own / L"foto.jpg") + L", dat nu " + temporary + L" heet";
        EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{FileSystem().ExtractFileTitle(temporary)});
        if (logged) {
            EXPECT_NE(TempFolder::ReadAll(log.FileName()).find(AnsiText::Encode(report, CP_UTF8)), std::string::npos);
        } else {
            EXPECT_EQ(WarningTexts(), (std::vector<std::wstring>{report, L"1 ontoegankelijk object gevonden"}));
        }
    }
}

TEST_F(ProcessingRunTest, LoggedFailuresAreSummedUpWithTheOfferToOpenTheLog)
{
    const auto first = temp.MakeFile(L"een.txt");
    const auto second = temp.MakeFile(L"twee.txt");
    FileSystem().SetFileAttributes(first, FILE_ATTRIBUTE_READONLY);
    FileSystem().SetFileAttributes(second, FILE_ATTRIBUTE_READONLY);
    List();
    Select(L"een.txt");
    Select(L"twee.txt");
    Choose(0, true);
    state.CheckOptionsLog().SetValue(1);
    window.warningAnswers = {MessageBoxChoice::Yes};
    run.Run();

    EXPECT_EQ(WarningTexts(), std::vector<std::wstring>{L"2 ontoegankelijke objecten gevonden, logboek bekijken?"});
    EXPECT_EQ(window.warnings[0].buttons, MessageBoxButtons::YesNo);
    ASSERT_EQ(window.openedDocuments.size(), 1u);
    EXPECT_EQ(window.openedDocuments[0].document, log.FileName());
    const std::string content = TempFolder::ReadAll(log.FileName());
    const std::string stamp = R"(\d\d-\d\d-\d{4} \d\d:\d\d:\d\d  Fout bij het verkrijgen van toegang tot [^\r]*)";
    EXPECT_TRUE(std::regex_match(content,
        std::regex("\xEF\xBB\xBF\\*\\*\\* Pellonar Varnook logboekbestand \\*\\*\\*\r\n-{39}\r\n" + stamp +
            "een\\.txt\r\n" + stamp + "twee\\.txt\r\n")))
        << content;
}

TEST_F(ProcessingRunTest, LogThatCannotBeOpenedFallsBackToMessageBoxes)
{
    const auto file = temp.MakeFile(L"een.txt");
    FileSystem().SetFileAttributes(file, FILE_ATTRIBUTE_READONLY);
    log.SetFileName(logFolder / L"no such folder\\varnook.log");
    List();
    Select(L"een.txt");
    Choose(0, true);
    state.CheckOptionsLog().SetValue(1);
    run.Run();
    EXPECT_EQ(WarningTexts(), (std::vector<std::wstring>{AccessError + file, L"1 ontoegankelijk object gevonden"}));
    EXPECT_TRUE(window.openedDocuments.empty());
}

TEST_F(ProcessingRunTest, ShellFailingToOpenTheLogIsReported)
{
    const auto file = temp.MakeFile(L"een.txt");
    FileSystem().SetFileAttributes(file, FILE_ATTRIBUTE_READONLY);
    List();
    Select(L"een.txt");
    Choose(0, true);
    state.CheckOptionsLog().SetValue(1);
    window.warningAnswers = {MessageBoxChoice::Yes};
    window.shellAnswers = {false};
    run.Run();
    EXPECT_EQ(WarningTexts(),
        (std::vector<std::wstring>{
            L"1 ontoegankelijk object gevonden, logboek bekijken?", L"Fout bij het openen van " + log.FileName()}));
}

TEST_F(ProcessingRunTest, ShowingTheFolderInTheFileManagerRefreshesItsViews)
{
    temp.MakeFile(L"a.txt");
    List();
    Select(L"a.txt");
    run.Run();
    EXPECT_EQ(window.associationChangedCount, 0);
    explorerFolder = folder.Path();
    Select(L"a.txt");
    run.Run();
    EXPECT_EQ(window.associationChangedCount, 1);
}

TEST_F(ProcessingRunTest, AnErrorInOneEntryLeavesTheOthersAndTheEndOfTheRun)
{
    temp.MakeFile(L"a.txt");
    temp.MakeFile(L"b.txt");
    List();
    Select(L"a.txt");
    Select(L"b.txt");
    Choose(1, true);
    // A picker value that is no date makes every date step raise an error.
    struct BrokenPicker final : DateTimePickerState {
        Variant Value() const override { throw TypeMismatchError(); }
        void SetValue(const Variant&) override {}
    } picker;
    FormStateWithParts broken(state);
    broken.Use(picker);
    ProcessingRun brokenRun{broken, window, listing, watch, log, journal, folder, rules, [] { return std::wstring(); }};
    state.CommandProcess().SetEnabled(true);
    brokenRun.Run();

    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"A.TXT", L"B.TXT"}));
    EXPECT_EQ(WarningTexts(),
        (std::vector<std::wstring>{
            AccessError + temp / L"A.TXT", AccessError + temp / L"B.TXT", L"2 ontoegankelijke objecten gevonden"}));
    EXPECT_FALSE(state.CommandProcess().Enabled());
    EXPECT_EQ(state.ProgressBarVarnook().Value(), 0);
    EXPECT_EQ(window.GetMousePointer(), MousePointer::Default);
}

// A re-listing, an Open or any other handler that runs inside the run's
// message processing hands the run's hourglass back when it ends.
TEST_F(ProcessingRunTest, AHandlerNestedInARunLeavesTheHourglassToTheRun)
{
    temp.MakeFolder(L"map");
    List();
    Select(L"map <DIR>");
    Choose(2, false);
    std::vector<MousePointer> afterNested;
    ActionWindow actions;
    actions.Post([&] {
        {
            const BusyPointer nested(window);
        }
        afterNested.push_back(window.GetMousePointer());
    });
    run.Run();
    EXPECT_EQ(afterNested, std::vector<MousePointer>{MousePointer::Hourglass});
    EXPECT_EQ(window.GetMousePointer(), MousePointer::Default);
}

// A run takes its inputs once: what the user changes in the window while it
// runs changes nothing in it.
TEST_F(ProcessingRunTest, InputsChangedDuringARunChangeNothingInIt)
{
    ListAndSelectFiles({L"a.txt", L"b.txt", L"c.txt"});
    Choose(1, true);
    SetMoment(2026, 7, 15, 9, 30, 15);
    ActionWindow actions;
    actions.Post([&] {
        Choose(2, false);
        SetMoment(2001, 1, 1, 1, 1, 1);
        state.CheckOptionsIgnorereadonly().SetValue(1);
    });
    run.Run();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"A.TXT", L"B.TXT", L"C.TXT"}));
    for (const wchar_t* name : {L"A.TXT", L"B.TXT", L"C.TXT"}) {
        EXPECT_EQ(Moment(temp / name), L"15-7-2026 09:30:15") << testing::PrintToString(std::wstring(name));
    }
}

// Stopped, a run ends after the entry in hand: told by the user, it says how
// far it came; told by the ending session, it says nothing.
TEST_F(ProcessingRunTest, AStoppedRunEndsAfterTheEntryInHand)
{
    for (const bool silently : {false, true}) {
        const TempFolder own;
        folder.SetPath(own.Path());
        ListAndSelectFiles({L"a.txt", L"b.txt", L"c.txt"});
        Choose(1, false);
        window.warnings.clear();
        // The stop comes while the first entry is in hand.
        const FileStepSeam stopping([&](FileStep, const std::wstring&) {
            run.Stop(silently);
            return true;
        });
        run.Run();
        EXPECT_EQ(NamesIn(own.Path()), (std::set<std::wstring>{L"A.TXT", L"b.txt", L"c.txt"}));
        EXPECT_EQ(WarningTexts(),
            silently ? std::vector<std::wstring>{}
                     : std::vector<std::wstring>{L"Verwerking gestopt na 1 van 3 objecten."});
    }
}

TEST_F(ProcessingRunTest, ARunThatCannotWriteItsJournalChangesNothing)
{
    temp.MakeFile(L"a.txt");
    RunJournal nowhere(logFolder.MakeFile(L"geen map") + L"\\Varnook");
    ProcessingRun blocked{state, window, listing, watch, log, nowhere, folder, rules, [] { return std::wstring(); }};
    List();
    Select(L"a.txt");
    Choose(1, true);
    blocked.Run();
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"a.txt"});
    ASSERT_EQ(WarningTexts().size(), 1U);
    EXPECT_EQ(WarningTexts()[0], ProcessingRun::JournalError + nowhere.FileName());
}

TEST_F(ProcessingRunTest, WhileRunningASecondRunIsRefusedAndARelistingWaits)
{
    temp.MakeFile(L"a.txt");
    temp.MakeFile(L"b.txt");
    List();
    Select(L"a.txt");
    Select(L"b.txt");
    Choose(1, false);
    ActionWindow actions;
    std::int32_t linesDuringRun = -1;
    actions.Post([&] {
        run.Run();
        temp.MakeFile(L"new.txt");
        listing.FillFolderList();
        linesDuringRun = state.ListViewFolderItems().ListItems().Count();
        EXPECT_EQ(Line(L"b.txt")->Selected(), true);
    });
    run.Run();
    EXPECT_EQ(linesDuringRun, 2);
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"A.TXT", L"B.TXT", L"new.txt"}));
    // The re-listing asked for during the run came after it.
    EXPECT_EQ(state.ListViewFolderItems().ListItems().Count(), 3);
    EXPECT_FALSE(Line(L"new.txt")->Row().IsFolder);
    EXPECT_EQ(state.ListViewFolderItems().ListItems().SelectedCount(), 0);
}

// The re-listing put off until the run's end fails: the failure reaches the
// caller, and the run has still ended and put the window back.
TEST_F(ProcessingRunTest, ARelistingThatFailsAfterTheRunIsReportedAndTheRunStillEnds)
{
    struct FailingLabel final : LabelState {
        LabelState& label;
        bool failing = false;
        explicit FailingLabel(LabelState& shown) : label(shown) {}
        std::wstring Caption() const override { return label.Caption(); }
        void SetCaption(const std::wstring& caption) override
        {
            if (failing) {
                throw std::runtime_error("listing failed");
            }
            label.SetCaption(caption);
        }
        std::wstring ToolTipText() const override { return label.ToolTipText(); }
        void SetToolTipText(const std::wstring& text) override { label.SetToolTipText(text); }
        std::int32_t Width() const override { return label.Width(); }
        HFONT Font() const override { return label.Font(); }
    } label(state.LabelFolderCurrentfolder());
    FormStateWithParts failingState(state);
    failingState.Use(label);
    FolderListing failingListing{failingState, folder, rules};
    ProcessingRun failingRun{
        failingState, window, failingListing, watch, log, journal, folder, rules, [] { return std::wstring(); }};
    temp.MakeFile(L"a.txt");
    failingListing.RecordColumnWidths();
    failingListing.FillFolderList();
    Select(L"a.txt");
    Choose(1, false);
    state.CommandProcess().SetEnabled(true);
    ActionWindow actions;
    actions.Post([&] {
        failingListing.FillFolderList();
        label.failing = true;
    });
    EXPECT_THROW(failingRun.Run(), std::runtime_error);
    EXPECT_EQ(NamesIn(folder.Path()), std::set<std::wstring>{L"A.TXT"});
    EXPECT_FALSE(failingRun.InProgress());
    EXPECT_FALSE(state.CommandProcess().Enabled());
    EXPECT_EQ(state.ProgressBarVarnook().Value(), 0);
    EXPECT_EQ(window.GetMousePointer(), MousePointer::Default);

    label.failing = false;
    failingListing.FillFolderList();
    EXPECT_EQ(ShownNames(), std::vector<std::wstring>{L"A.TXT"});
}

// Closing the program while a run works: the run stops after the entry in
// hand, closes its log and shows no summary; every item keeps either its old
// or its new name, with its attributes; the quit request stays queued for
// the main loop.
TEST_F(ProcessingRunTest, AQuitRequestStopsTheRunAfterTheCurrentEntry)
{
    const auto first = temp.MakeFile(L"a.txt");
    for (const auto* name : {L"b.txt", L"c.txt", L"d.txt"}) {
        temp.MakeFile(name);
    }
    FileSystem().SetFileAttributes(first, FILE_ATTRIBUTE_READONLY);
    List();
    for (const auto* name : {L"a.txt", L"b.txt", L"c.txt", L"d.txt"}) {
        Select(name);
    }
    Choose(1, true);
    SetMoment(2012, 12, 12, 12, 12, 12);
    state.CheckOptionsLog().SetValue(1);
    // The request arrives while the second entry is being dated, and the run
    // looks at the queue again once its period is over (the wait allows for
    // a coarse tick count).
    const FileStepSeam seam([&](FileStep step, const std::wstring& path) {
        if (step == FileStep::WriteTimes && path == temp / L"B.TXT") {
            ::PostQuitMessage(3);
            ::Sleep(static_cast<DWORD>(PendingMessages::BusyLoopPeriod) + 20);
        }
        return true;
    });
    run.Run();
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);

    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"A.TXT", L"B.TXT", L"c.txt", L"d.txt"}));
    EXPECT_EQ(Attributes(temp / L"A.TXT"), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Attributes(temp / L"B.TXT"), 0);
    EXPECT_EQ(Moment(temp / L"B.TXT"), L"12-12-2012 12:12:12");
    EXPECT_TRUE(window.warnings.empty());
    EXPECT_TRUE(FileHandle(::CreateFileW(log.FileName().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)))
        << "the log is still open";
    EXPECT_NE(TempFolder::ReadAll(log.FileName()).find(AnsiText::Encode(AccessError + temp / L"A.TXT", CP_UTF8)),
        std::string::npos);
    EXPECT_FALSE(run.InProgress());
    EXPECT_EQ(state.ProgressBarVarnook().Value(), 0);
}

TEST_F(ProcessingRunTest, AHundredThousandEntriesAreAllWorkedThrough)
{
    const std::wstring many = SessionFixture(L"many-files");
    if (many.empty()) {
        GTEST_SKIP() << "the test session made no folder of many files";
    }
    folder.SetPath(FileSystem().ExtractFolder(many));
    List();
    Select(L"many-files <DIR>");
    state.CheckOptionsSubfolders().SetValue(1);
    Choose(0, false);
    run.Run();
    EXPECT_EQ(state.ProgressBarVarnook().Max(), 100'001);
    EXPECT_TRUE(window.warnings.empty());
    EXPECT_FALSE(Line(L"many-files <DIR>")->Selected());
}

// The rules of Meer opties reach the list's new names and the run alike, and
// an entry without the date asked for fails with its own message.
TEST_F(ProcessingRunTest, TheFurtherRulesShapeTheNewNamesAndTheRun)
{
    temp.MakeFile(L"Report-final.DOC");
    temp.MakeFile(L"IMG_20240715_134500.jpg");
    rules.NameExtension = RunRules::Extension::Lower;
    rules.WordBreaks = L" -";
    rules.Source = RunRules::TimeSource::Name;
    rules.Times = RunRules::Written;
    Choose(4, true);
    List();
    EXPECT_EQ(Shown(L"Report-final.DOC", FolderListing::NewNameColumn), L"Report-Final.doc");
    Select(L"Report-final.DOC");
    Select(L"IMG_20240715_134500.jpg");
    run.Run();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::wstring>{L"Report-Final.doc", L"Img_20240715_134500.jpg"}));
    EXPECT_EQ(Moment(temp / L"Img_20240715_134500.jpg"), L"15-7-2024 13:45:00");
    EXPECT_EQ(Shown(L"Img_20240715_134500.jpg", 1), L"15-7-2024 13:45:00");
    EXPECT_EQ(WarningTexts(),
        (std::vector<std::wstring>{
            L"Geen datum gevonden in de naam van " + temp / L"Report-Final.doc", L"1 ontoegankelijk object gevonden"}));
}
