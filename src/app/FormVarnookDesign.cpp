#include "app/FormVarnookDesign.h"

#include "resource.h"

namespace FormVarnookDesign {

std::vector<std::wstring> ConversionEntries()
{
    return {L"Current case", L"Upper case", L"Lower case", L"Proper case", L"Word case"};
}

PropertyStore SystemMenuVarnookSettings()
{
    return {{L"Count", std::int32_t{3}}, {L"SystemMenuItemText(0)", std::wstring(L"Undo the last run")},
        {L"SystemMenuItemStyle(1)", std::int32_t{1}}, {L"SystemMenuItemText(2)", std::wstring(L"&About Varnook...")}};
}

PropertyStore InfoFrameVarnookSettings()
{
    return {
        {L"ForeColor", std::int32_t{0x00FFFFFF}}, {L"Icon", IconRef{IDI_VARNOOK}}, {L"Text", std::wstring(L"Varnook")}};
}

PropertyStore ListViewFolderItemsSettings()
{
    return {{L"Count", std::int32_t{3}}, {L"FullRowSelect", true}, {L"HideSelection", false},
        {L"LabelEdit", std::int32_t{1}}, {L"MultiSelect", true}, {L"ColumnActualWidth(0)", std::int32_t{178}},
        {L"ColumnText(0)", std::wstring(L"Name")}, {L"ColumnActualWidth(1)", std::int32_t{131}},
        {L"ColumnText(1)", std::wstring(L"Modified")}, {L"ColumnActualWidth(2)", std::int32_t{178}},
        {L"ColumnText(2)", std::wstring(L"New name")}};
}

PropertyStore DateTimePickerModifiedDateSettings()
{
    return {};
}

PropertyStore DateTimePickerModifiedTimeSettings()
{
    return {{L"Format", std::int32_t{2}}, {L"UpDown", true}};
}

PropertyStore ProgressBarVarnookSettings()
{
    return {{L"Scrolling", std::int32_t{1}}};
}

} // namespace FormVarnookDesign
