#pragma once

#include "app/CurrentFolder.h"
#include "app/FolderListing.h"
#include "app/ProcessingRun.h"
#include "platform/Handles.h"
#include "services/FileNotificationObserver.h"
#include "support/FormVarnookModel.h"
#include "support/RecordingWindowServices.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// The main window's procedures on the in-memory state, over a real folder,
// with recorded message boxes and shell requests.
class ProcessingTestBed : public testing::Test {
protected:
    struct IgnoredWatchEvents final : FileNotificationObserver {
        void FileChange() override {}
        void FolderChange() override {}
        void Terminate() override {}
        void HandlerFailed(std::exception_ptr) override {}
    };

    TempFolder temp;
    TempFolder logFolder;
    CurrentFolder folder;
    FormVarnookModel state;
    WindowHandle owner{::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
        ::GetModuleHandleW(nullptr), nullptr)};
    RecordingWindowServices window{owner.Get()};
    IgnoredWatchEvents watchEvents;
    FileNotification watch{watchEvents};
    Logging log;
    TempFolder journals;
    RunJournal journal{journals.Path()};
    std::wstring explorerFolder;
    RunRules rules;
    FolderListing listing{state, folder, rules};
    ProcessingRun run{state, window, listing, watch, log, journal, folder, rules, [this] { return explorerFolder; }};

    ProcessingTestBed()
    {
        folder.SetPath(temp.Path());
        log.SetFileName(logFolder / L"varnook.log");
        listing.RecordColumnWidths();
    }

    void List() { listing.FillFolderList(); }
    // The line that shows `name` ("map <DIR>" for a folder), and what it shows.
    ListItemState* Line(const std::wstring& name);
    [[nodiscard]] std::wstring Shown(const std::wstring& name, std::int32_t column)
    {
        return listing.RowText(Line(name)->Row(), column);
    }
    [[nodiscard]] std::vector<std::wstring> ShownNames();
    void Select(const std::wstring& text) { Line(text)->SetSelected(true); }
    // Files of these names in the folder, listed and every one selected.
    void ListAndSelectFiles(const std::vector<std::wstring>& names);
    void Choose(int style, bool modified);
    void SetMoment(int year, int month, int day, int hour, int minute, int second);
    [[nodiscard]] std::vector<std::wstring> WarningTexts() const;

    static std::set<std::wstring> NamesIn(const std::wstring& folder) { return TempFolder::NamesIn(folder); }
    static std::wstring Moment(const std::wstring& path);
    static int Attributes(const std::wstring& path);
};
