#include "ListBenchmark.h"

#include "ControlsBenchmark.h"

#include "app/FolderListing.h"
#include "controls/host/FormSite.h"
#include "controls/listview/ListView.h"
#include "engine/LetterCase.h"
#include "platform/Dpi.h"
#include "support/FormStateWithParts.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Entry {
    std::wstring Name;
    std::wstring Lowered;
};

std::wstring LocalText(const FILETIME& moment)
{
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&moment, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return {};
    }
    wchar_t date[80]{};
    wchar_t time[80]{};
    ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80, nullptr);
    ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &local, nullptr, time, 80);
    return std::wstring(date) + L" " + time;
}

void AddBareRow(HWND list, const std::wstring& text, const std::wstring& moment)
{
    LVITEMW item{LVIF_TEXT | LVIF_PARAM, static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))};
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.lParam = item.iItem;
    const auto row = static_cast<int>(::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    LVITEMW modified{LVIF_TEXT, row, 1};
    modified.pszText = const_cast<wchar_t*>(moment.c_str());
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&modified));
}

void SelectAll(HWND list, bool selected)
{
    LVITEMW all{LVIF_STATE};
    all.state = selected ? LVIS_SELECTED : 0;
    all.stateMask = LVIS_SELECTED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
}

} // namespace

// The listing's work without the program's classes: one directory search,
// folders and files each sorted once, each item's moment read and written
// as text, every row inserted into a list that does not paint meanwhile.
void BareFill(HWND list, const std::wstring& folder)
{
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    std::vector<Entry> folders;
    std::vector<Entry> files;
    WIN32_FIND_DATAW found;
    const FindHandle search(::FindFirstFileExW(
        (folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (search) {
        do {
            const std::wstring name = found.cFileName;
            if ((found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0 || name == L"." ||
                name == L"..") {
                continue;
            }
            auto& group = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? folders : files;
            group.push_back({name, LetterCase::ToLower(name)});
        } while (::FindNextFileW(search.Get(), &found));
    }
    for (auto* group : {&folders, &files}) {
        std::stable_sort(
            group->begin(), group->end(), [](const Entry& a, const Entry& b) { return a.Lowered < b.Lowered; });
        for (const Entry& entry : *group) {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            ::GetFileAttributesExW((folder + L"\\" + entry.Name).c_str(), GetFileExInfoStandard, &data);
            AddBareRow(list, group == &folders ? entry.Name + L" <DIR>" : entry.Name, LocalText(data.ftLastWriteTime));
        }
    }
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

WindowHandle BareList(HWND host, RECT bounds)
{
    WindowHandle list(::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, bounds.right + 8, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, host, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    ::SendMessageW(list.Get(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const int width : {178, 131}) {
        LVCOLUMNW column{LVCF_WIDTH, 0, width};
        ::SendMessageW(list.Get(), LVM_INSERTCOLUMNW, 2, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

void BenchmarkList(Benchmark& benchmark, const std::wstring& folder)
{
    const WindowHandle host = ShownHost();
    ::SetWindowPos(host.Get(), nullptr, 0, 0, 1100, 520, SWP_NOMOVE | SWP_NOZORDER);
    FormSite site(host.Get());
    const RECT bounds = Dpi::FromTwips(240, 1320, 4695, 2895, site.Dpi());
    ListView list(site, L"ListViewFolderItems", bounds, 100);
    list.ReadProperties({{L"Count", std::int32_t{2}}, {L"FullRowSelect", true}, {L"HideSelection", false},
        {L"LabelEdit", std::int32_t{1}}, {L"MultiSelect", true}, {L"ColumnActualWidth(0)", std::int32_t{178}},
        {L"ColumnActualWidth(1)", std::int32_t{131}}});
    FormVarnookModel model;
    FormStateWithParts state(model);
    state.Use(list);
    CurrentFolder shown;
    shown.SetPath(folder);
    const RunRules rules;
    FolderListing listing(state, shown, rules);
    list.SetRowTexts(&listing);
    listing.RecordColumnWidths();
    const WindowHandle bare = BareList(host.Get(), bounds);

    benchmark.Compare(
        L"FillFolderList, 30,000 files + 1,000 folders", [&] { listing.FillFolderList(); },
        [&] { BareFill(bare.Get(), folder); });
    if (list.ListItems().Count() != 31'000 || ::SendMessageW(bare.Get(), LVM_GETITEMCOUNT, 0, 0) != 31'000) {
        std::fwprintf(stderr, L"the listing folder must hold 30,000 files and 1,000 folders\n");
    }
    benchmark.Measure(
        L"Select all, 31,000 rows", [&] { SelectAll(list.ControlHwnd(), false); },
        [&] { SelectAll(list.ControlHwnd(), true); }, 0.5);
    list.SetSorted(true);
    benchmark.Measure(
        L"Sorting 31,000 rows", [&] { list.SetSortOrder(1 - list.SortOrder()); }, 1.0);
    // The selection is picked up again row by row, unless it is all or none.
    SelectAll(list.ControlHwnd(), false);
    for (std::int32_t row = 0; row < list.ListItems().Count(); row += 2) {
        list.ListItems().Item(row)->SetSelected(true);
    }
    benchmark.Measure(
        L"Sorting 31,000 rows, every other selected", [&] { list.SetSortOrder(1 - list.SortOrder()); }, 1.0);
}
