#include "controls/DateTimePicker.h"

#include "controls/plumbing/Subclassing.h"
#include "platform/PendingMessages.h"
#include "support/TestHostWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// Failures show a tagged value as its kind and text.
static void PrintTo(const Variant& value, std::ostream* out)
{
    *out << (value.GetKind() == Variant::Kind::Text ? "text " : "value ");
    for (const wchar_t c : value.ToText()) {
        *out << static_cast<char>(c < 128 ? c : '?');
    }
}

namespace {

OleDate Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return *OleDate::FromParts(year, month, day, hour, minute, second);
}

OleDate Shown(HWND picker)
{
    SYSTEMTIME time{};
    ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return OleDate::FromSystemTime(time).value_or(OleDate());
}

std::wstring TextOf(HWND window)
{
    wchar_t text[128] = {};
    ::GetWindowTextW(window, text, 128);
    return text;
}

// The picker's messages that change what it shows, in the order they came.
std::vector<UINT> pushed;

LRESULT CALLBACK RecordPushes(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if ((message >= DTM_FIRST && message < DTM_FIRST + 0x80) || message == WM_SETFONT) {
        pushed.push_back(message);
    }
    return plumbing::Subclassing::CallPrevious(window, L"RecordPushesProc", message, wparam, lparam);
}

class Events final : public DateTimePickerEvents {
public:
    explicit Events(const DateTimePicker& picker) : picker_(picker) {}
    void Change() override { seen.push_back(L"Change " + picker_.Value().ToText()); }
    void CloseUp() override { seen.push_back(L"CloseUp"); }
    void DropDown() override { seen.push_back(L"DropDown"); }
    std::vector<std::wstring> seen;

private:
    const DateTimePicker& picker_;
};

// The main window's date picker, 1335 x 315 twips.
class DateTimePickerTest : public testing::Test {
protected:
    DateTimePickerTest() { picker.SetEvents(&events); }

    void RecordPushesToPicker()
    {
        recorder.SetOwnerHwnd(picker.ControlHwnd());
        recorder.SetWindowProc(L"RecordPushesProc");
        recorder.Create(&RecordPushes);
        pushed.clear();
    }

    // A user's edit in the focused picker: Right selects the first field, Up raises it.
    void RaiseFirstField()
    {
        const HWND control = picker.ControlHwnd();
        ::SetFocus(control);
        for (const WPARAM key : {VK_RIGHT, VK_UP}) {
            ::SendMessageW(control, WM_KEYDOWN, key, 1);
            ::SendMessageW(control, WM_KEYUP, key, 0xC0000001);
        }
    }

    TestHostWindow host;
    DateTimePicker picker{host.Site(), L"DateTimePickerModifiedDate", {56, 20, 145, 41}, 100};
    Events events{picker};
    plumbing::Subclassing recorder;
};

TEST_F(DateTimePickerTest, ANewPickerShowsThePresentMomentAsAShortDateOverTheWholeRange)
{
    picker.InitProperties();
    ASSERT_EQ(picker.Value().GetKind(), Variant::Kind::Date);
    const OleDate value = picker.Value().ToDate();
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    EXPECT_NEAR(value.Value(), OleDate::FromSystemTime(now)->Value(), 5.0 / 86400);
    EXPECT_EQ(Shown(picker.ControlHwnd()), value);
    EXPECT_EQ(TextOf(picker.ControlHwnd()), value.DateText());
    SYSTEMTIME range[2] = {};
    ::SendMessageW(picker.ControlHwnd(), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
    EXPECT_EQ(OleDate::FromSystemTime(range[0]), Moment(1601, 1, 1));
    EXPECT_EQ(OleDate::FromSystemTime(range[1]), Moment(9999, 12, 31));
    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(picker.ControlHwnd(), WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    ::GetObjectW(font, sizeof(logical), &logical);
    EXPECT_EQ(logical.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(DateTimePickerTest, EachFormatShowsItsPartAndOthersAreIgnored)
{
    picker.ReadProperties({{L"Value", Moment(1925, 5, 1, 14, 3, 5)}, {L"CustomFormat", std::wstring(L"yyyy")}});
    EXPECT_EQ(TextOf(picker.ControlHwnd()), L"1-5-1925");
    picker.SetFormat(DateTimePicker::LongDate);
    EXPECT_NE(TextOf(picker.ControlHwnd()).find(L"mei 1925"), std::wstring::npos) << TextOf(picker.ControlHwnd());
    picker.SetFormat(DateTimePicker::Custom);
    EXPECT_EQ(TextOf(picker.ControlHwnd()), L"1925");
    picker.SetFormat(4);
    EXPECT_EQ(picker.Format(), DateTimePicker::Custom);
    picker.SetFormat(DateTimePicker::Time);
    EXPECT_EQ(TextOf(picker.ControlHwnd()), L"14:03:05");

    // A stored format is not checked: one the picker does not know shows the short date.
    DateTimePicker stored(host.Site(), L"Stored", {56, 50, 145, 71}, 101);
    stored.ReadProperties({{L"Format", std::int32_t{7}}, {L"Value", Moment(1925, 5, 1)}});
    EXPECT_EQ(TextOf(stored.ControlHwnd()), L"1-5-1925");
}

TEST_F(DateTimePickerTest, SpinButtonsStayThroughFormatChangesAndTheCheckBoxMakesANewWindow)
{
    picker.ReadProperties({{L"Format", std::int32_t{DateTimePicker::Time}}, {L"UpDown", true}});
    const auto spinButtons = [this] {
        return ::FindWindowExW(picker.ControlHwnd(), nullptr, UPDOWN_CLASSW, nullptr) != nullptr;
    };
    EXPECT_TRUE(spinButtons());
    const HWND before = picker.ControlHwnd();
    for (const std::int32_t format : {DateTimePicker::ShortDate, DateTimePicker::LongDate, DateTimePicker::Custom}) {
        picker.SetFormat(format);
        EXPECT_TRUE(spinButtons()) << format;
    }
    EXPECT_EQ(picker.ControlHwnd(), before);

    const OleDate shown = Shown(before);
    picker.SetCheckBox(true);
    EXPECT_NE(picker.ControlHwnd(), before);
    EXPECT_NE(::GetWindowLongPtrW(picker.ControlHwnd(), GWL_STYLE) & DTS_SHOWNONE, 0);
    EXPECT_TRUE(spinButtons());
    EXPECT_EQ(Shown(picker.ControlHwnd()), shown);
    EXPECT_NE(::GetPropW(picker.ControlHwnd(), L"DateTimePicker"), nullptr);
}

TEST_F(DateTimePickerTest, StoresOnlyWhatDiffersFromTheDefaultsAndAStoredTextStaysText)
{
    picker.ReadProperties({{L"Format", std::int32_t{DateTimePicker::Time}}, {L"UpDown", true},
        {L"Value", std::wstring(L"7-12-2026 14:03:05")}});
    picker.SetEnabled(false);
    EXPECT_FALSE(::IsWindowEnabled(picker.ControlHwnd()));
    EXPECT_TRUE(host.Site().WasChanged(L"DateTimePickerModifiedDate", L"Enabled"));
    PropertyStore written;
    picker.WriteProperties(written);
    std::vector<std::wstring> keys;
    for (const auto& [key, value] : written.Entries()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"Enabled", L"Format", L"UpDown", L"Value"}));
    EXPECT_EQ(written.Read<std::wstring>(L"Value", L""), L"7-12-2026 14:03:05");
}

TEST_F(DateTimePickerTest, RangeAndValueTakeOnlyWhatFits)
{
    picker.InitProperties();
    picker.SetMinDate(Moment(2000, 6, 1, 12, 0, 0));
    picker.SetMaxDate(Moment(2000, 6, 1, 8, 0, 0));
    EXPECT_EQ(picker.MaxDate(), Moment(2000, 6, 1, 8, 0, 0));
    picker.SetMaxDate(Moment(2000, 5, 31, 23, 0, 0));
    picker.SetMinDate(Moment(2000, 6, 2));
    EXPECT_EQ(picker.MaxDate(), Moment(2000, 6, 1, 8, 0, 0));
    EXPECT_EQ(picker.MinDate(), Moment(2000, 6, 1, 12, 0, 0));

    picker.SetMaxDate(Moment(2030, 1, 1));
    picker.SetValue(Variant(Moment(2020, 2, 2)));
    for (const Variant& ignored : {Variant(L"geen datum"), Variant(Moment(2000, 5, 31, 23, 59, 59)),
             Variant(std::int32_t{40000}), Variant(true), Variant()}) {
        picker.SetValue(ignored);
    }
    EXPECT_EQ(picker.Value(), Variant(Moment(2020, 2, 2)));
    picker.SetValue(Variant(L"1-6-2000 23:00:00"));
    EXPECT_EQ(picker.Value(), Variant(L"1-6-2000 23:00:00"));
    EXPECT_EQ(Shown(picker.ControlHwnd()), Moment(2000, 6, 1, 23, 0, 0));
}

TEST_F(DateTimePickerTest, AValueFromCodeSendsOnlyTheDate)
{
    picker.ReadProperties({{L"Format", std::int32_t{DateTimePicker::Time}}, {L"UpDown", true}});
    RecordPushesToPicker();
    picker.SetValue(Variant(Moment(2026, 12, 7, 14, 3, 5)));
    EXPECT_EQ(pushed, std::vector<UINT>{DTM_SETSYSTEMTIME});
}

// The test's own regional settings with a two-digit year, as some users have them.
class TwoDigitYears {
public:
    TwoDigitYears()
    {
        ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_, 80);
        ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, L"d-M-yy");
    }
    ~TwoDigitYears() { ::SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_); }
    TwoDigitYears(const TwoDigitYears&) = delete;
    TwoDigitYears& operator=(const TwoDigitYears&) = delete;

private:
    wchar_t saved_[80] = {};
};

TEST_F(DateTimePickerTest, AUsersChangeKeepsItsCenturyAndIsNotSentBack)
{
    const TwoDigitYears regional;
    ASSERT_EQ(Moment(1925, 5, 1).DateText(), L"1-5-25");
    picker.InitProperties();
    picker.SetValue(Variant(Moment(1925, 5, 1, 14, 3, 5)));
    RecordPushesToPicker();
    RaiseFirstField();
    ASSERT_EQ(TextOf(picker.ControlHwnd()), L"2-5-25");
    ASSERT_EQ(events.seen.size(), 1u);
    const OleDate shown = Shown(picker.ControlHwnd());
    EXPECT_EQ(picker.Value(), Variant(shown));
    EXPECT_EQ(picker.Value().ToDate().Year(), 1925);
    EXPECT_EQ(events.seen[0], L"Change " + shown.ToText());
    EXPECT_EQ(std::count(pushed.begin(), pushed.end(), DTM_SETSYSTEMTIME), 0);
}

TEST_F(DateTimePickerTest, AClearedCheckBoxKeepsTheValueAndStillReportsAChange)
{
    const OleDate value = Moment(2026, 12, 7, 14, 3, 5);
    picker.ReadProperties({{L"CheckBox", true}, {L"Value", value}});
    // The record of a cleared box still carries a date, here another one.
    SYSTEMTIME other = Moment(2001, 1, 1).ToSystemTime();
    ::SendMessageW(picker.ControlHwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&other));
    const HWND checkBox = ::FindWindowExW(picker.ControlHwnd(), nullptr, WC_BUTTONW, nullptr);
    ASSERT_NE(checkBox, nullptr);
    ::SendMessageW(checkBox, BM_CLICK, 0, 0);
    SYSTEMTIME ignored{};
    EXPECT_EQ(::SendMessageW(picker.ControlHwnd(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&ignored)), GDT_NONE);
    EXPECT_EQ(picker.Value(), Variant(value));
    EXPECT_EQ(events.seen, std::vector<std::wstring>{L"Change " + value.ToText()});
}

TEST_F(DateTimePickerTest, AfterTheCalendarClosesOnlyThePickerGetsARightArrow)
{
    picker.InitProperties();
    const HWND control = picker.ControlHwnd();
    RECT client{};
    ::GetClientRect(control, &client);
    const LPARAM onButton = MAKELPARAM(client.right - 5, client.bottom / 2);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
    ::SendMessageW(control, WM_LBUTTONUP, 0, onButton);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, onButton);
    ::SendMessageW(control, WM_LBUTTONUP, 0, onButton);
    EXPECT_EQ(events.seen, (std::vector<std::wstring>{L"DropDown", L"CloseUp"}));

    std::vector<std::pair<UINT, WPARAM>> posted;
    MSG message;
    EXPECT_FALSE(::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE | PM_QS_INPUT));
    while (::PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        EXPECT_EQ(message.hwnd, control);
        posted.emplace_back(message.message, message.wParam);
    }
    EXPECT_EQ(posted, (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, VK_RIGHT}, {WM_KEYUP, VK_RIGHT}}));
}

TEST_F(DateTimePickerTest, FocusLeavingThePickerForItsParentMovesOnInTabOrder)
{
    picker.InitProperties();
    const WindowHandle button(::CreateWindowExW(0, WC_BUTTONW, L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 100, 80,
        25, host.Hwnd(), reinterpret_cast<HMENU>(101), ::GetModuleHandleW(nullptr), nullptr));
    ::SetFocus(button.Get());
    ::SetFocus(picker.Hwnd());
    EXPECT_EQ(::GetFocus(), picker.ControlHwnd());
    ::SetFocus(picker.Hwnd());
    EXPECT_EQ(::GetFocus(), button.Get());
}

LRESULT CALLBACK AnswerNotifications(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NOTIFY) {
        return 77;
    }
    return plumbing::Subclassing::CallPrevious(window, L"AnswerNotificationsProc", message, wparam, lparam);
}

TEST_F(DateTimePickerTest, NotificationsToThePickerKeepItsAnswerAndDesignModeInstallsNothing)
{
    plumbing::Subclassing below;
    below.SetOwnerHwnd(picker.ControlHwnd());
    below.SetWindowProc(L"AnswerNotificationsProc");
    below.Create(&AnswerNotifications);
    picker.InitProperties();
    ASSERT_NE(::GetPropW(picker.ControlHwnd(), L"DateTimePicker"), nullptr);
    NMHDR header{picker.ControlHwnd(), 0, static_cast<UINT>(UDN_DELTAPOS)};
    EXPECT_EQ(::SendMessageW(picker.ControlHwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 77);

    TestHostWindow designed(FormSite::Mode::Design);
    DateTimePicker atDesign(designed.Site(), L"DateTimePickerModifiedDate", {56, 20, 145, 41}, 100);
    atDesign.InitProperties();
    EXPECT_EQ(::GetPropW(atDesign.ControlHwnd(), L"DateTimePicker"), nullptr);
}

} // namespace
