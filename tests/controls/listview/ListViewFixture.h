#pragma once

#include "controls/listview/ListView.h"
#include "platform/PendingMessages.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The list as the main window places it: its stored design, the Dutch
// column texts, in a shown host window, with every event recorded.
class ListViewTest : public testing::Test, public ListViewEvents {
protected:
    static PropertyStore MainWindowDesign()
    {
        return {{L"Count", std::int32_t{2}}, {L"FullRowSelect", true}, {L"HideSelection", false},
            {L"LabelEdit", std::int32_t{1}}, {L"MultiSelect", true}, {L"ColumnActualWidth(0)", std::int32_t{178}},
            {L"ColumnText(0)", std::wstring(L"Name")}, {L"ColumnActualWidth(1)", std::int32_t{131}},
            {L"ColumnText(1)", std::wstring(L"Modified")}};
    }

    explicit ListViewTest(FormSite::Mode mode = FormSite::Mode::Run) : host(mode)
    {
        list = std::make_unique<ListView>(host.Site(), L"ListViewFolderItems", RECT{16, 16, 329, 209}, 100);
        list->ReadProperties(MainWindowDesign());
        list->Column(0)->SetText(L"Naam");
        list->Column(1)->SetText(L"Gewijzigd");
        list->SetEvents(this);
        PendingMessages::AddNavigation(host.Hwnd());
        ::SetFocus(list->ControlHwnd());
        host.Site().ForgetChanges();
    }
    ~ListViewTest() override { PendingMessages::RemoveNavigation(host.Hwnd()); }

    [[nodiscard]] HWND Platform() const { return list->ControlHwnd(); }

    void AddRows(const std::vector<std::wstring>& texts)
    {
        for (const auto& text : texts) {
            list->ListItems().Add(text);
        }
    }
    [[nodiscard]] std::vector<std::wstring> RowTexts(std::int32_t column = 0)
    {
        std::vector<std::wstring> texts;
        for (std::int32_t row = 0; row < list->ListItems().Count(); ++row) {
            texts.push_back(list->ListItems().Item(row)->Text(column));
        }
        return texts;
    }

    // The middle of a row's column, in the list's client pixels.
    [[nodiscard]] POINT RowPoint(std::int32_t row, std::int32_t column = 0) const
    {
        RECT cell{LVIR_BOUNDS, column};
        ::SendMessageW(Platform(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        if (column == 0) {
            cell.right = cell.left + list->Column(0)->ActualWidth();
        }
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    // Mouse buttons as the platform delivers them to the list.
    void Click(POINT at, bool right = false, WPARAM keys = 0)
    {
        Press(at, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? WM_RBUTTONUP : WM_LBUTTONUP, keys);
    }
    void DoubleClick(POINT at, bool right = false)
    {
        Click(at, right);
        Press(at, right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0);
    }
    void Press(POINT at, UINT down, UINT up, WPARAM keys)
    {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        const WPARAM button = down == WM_RBUTTONDOWN || down == WM_RBUTTONDBLCLK ? MK_RBUTTON : MK_LBUTTON;
        ::PostMessageW(Platform(), up, keys, where);
        ::SendMessageW(Platform(), down, keys | button, where);
        (void)PendingMessages::Process();
    }

    // A key typed on the keyboard while the list has the focus.
    void Type(WPARAM key)
    {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        (void)PendingMessages::Process();
    }

    // Recorded events, one line each: "ItemClick 3 1".
    void AfterLabelEdit(bool& cancel, std::wstring& newString) override
    {
        events.push_back(L"AfterLabelEdit");
        cancel = cancelEdit;
        newString = replacement;
    }
    void BeforeLabelEdit(bool& cancel) override
    {
        events.push_back(L"BeforeLabelEdit");
        cancel = cancelEdit;
    }
    void Click(std::int16_t button) override { events.push_back(L"Click " + std::to_wstring(button)); }
    void DblClick(std::int16_t button) override { events.push_back(L"DblClick " + std::to_wstring(button)); }
    void ColumnClick(Column& column) override { events.push_back(L"ColumnClick " + column.Text()); }
    void ItemCheck(ListItem& item) override { events.push_back(L"ItemCheck " + std::to_wstring(item.Index())); }
    void ItemClick(ListItem& item, std::int16_t button) override
    {
        events.push_back(L"ItemClick " + std::to_wstring(item.Index()) + L" " + std::to_wstring(button));
    }
    void ItemDblClick(ListItem& item, std::int16_t button) override
    {
        events.push_back(L"ItemDblClick " + std::to_wstring(item.Index()) + L" " + std::to_wstring(button));
    }
    void KeyDown(std::int16_t keyCode) override { events.push_back(L"KeyDown " + std::to_wstring(keyCode)); }
    void KeyUp(std::int16_t keyCode) override
    {
        if (recordKeyUps) {
            events.push_back(L"KeyUp " + std::to_wstring(keyCode));
        }
    }
    void KeyPress(std::int16_t keyAscii) override { events.push_back(L"KeyPress " + std::to_wstring(keyAscii)); }

    TestHostWindow host;
    std::unique_ptr<ListView> list;
    std::vector<std::wstring> events;
    bool recordKeyUps = false;
    bool cancelEdit = false;
    std::wstring replacement;
};
