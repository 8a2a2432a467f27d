#include "Gallery.h"

#include "controls/listview/ListView.h"

#include <iterator>

namespace {

struct Line {
    const wchar_t* Name;
    const wchar_t* Modified;
    bool Folder;
};

// The main window's folder list as designed, filled as the listing fills it:
// folders first, a long name cut by its column, Greek, Cyrillic and CJK names, two lines
// selected, more lines than fit (so the last column makes room for the
// scroll bar).
void Build(GalleryWindow& window)
{
    auto& list = window.Add<ListView>(L"ListViewFolderItems", window.FromTwips(240, 240, 4695, 2895), 100);
    list.ReadProperties({{L"Count", std::int32_t{2}}, {L"FullRowSelect", true}, {L"HideSelection", false},
        {L"LabelEdit", std::int32_t{1}}, {L"MultiSelect", true}, {L"ColumnActualWidth(0)", std::int32_t{178}},
        {L"ColumnText(0)", std::wstring(L"Name")}, {L"ColumnActualWidth(1)", std::int32_t{131}},
        {L"ColumnText(1)", std::wstring(L"Modified")}});
    list.Column(0)->SetText(L"Naam");
    list.Column(1)->SetText(L"Gewijzigd");
    const Line lines[] = {
        {L"Archief", L"3-1-2025 09:12:44", true},
        {L"Facturen 2026", L"28-11-2026 16:40:02", true},
        {L"Φωτογραφίες", L"14-8-2026 11:05:37", true},
        {L"Jaarverslag over het boekjaar 2025 met alle bijlagen.docx", L"2-4-2026 10:20:00", false},
        {L"notities.txt", L"7-12-2026 14:03:05", false},
        {L"Ημερολόγιο εργασιών.xlsx", L"1-12-2026 08:30:15", false},
        {L"offerte-0412.pdf", L"4-12-2026 15:47:51", false},
        {L"planning.mpp", L"19-10-2026 13:02:09", false},
        {L"presentatie.pptx", L"22-11-2026 17:18:26", false},
        {L"scan_0001.tif", L"30-9-2026 07:55:40", false},
        {L"scan_0002.tif", L"30-9-2026 07:56:02", false},
        {L"überblick.txt", L"6-12-2026 20:11:59", false},
        {L"verslag-q3.docx", L"15-10-2026 12:00:00", false},
        {L"Вопросы.txt", L"2-12-2026 09:41:13", false},
        {L"werkblad.xlsx", L"5-12-2026 16:22:48", false},
        {L"会议记录.txt", L"3-12-2026 10:10:10", false},
    };
    {
        const ListUpdate update(list, static_cast<std::int32_t>(std::size(lines)));
        for (const Line& line : lines) {
            ListItem& item = *list.ListItems().Item(
                list.ListItems().Add(line.Folder ? std::wstring(line.Name) + L" <DIR>" : std::wstring(line.Name)));
            item.SetTag(line.Folder ? L"1" : L"0");
            item.SetText(1, line.Modified);
        }
    }
    if (list.GetVisibleCount() < list.ListItems().Count()) {
        list.Column(1)->SetActualWidth(list.Column(1)->ActualWidth() - 16);
    }
    list.ListItems().Item(2)->SetSelected(true);
    list.ListItems().Item(5)->SetSelected(true);
    ::SetFocus(list.ControlHwnd());
}

const SceneRegistration registration({L"list", 5175, 3375, &Build});

} // namespace
