#include "controls/DateTimePicker.h"

#include "runtime/RuntimeError.h"
#include "services/Colors.h"

#include <optional>
#include <tuple>

namespace {

// The up-down and check-box bits exist only in a window's creation style;
// the format bits may change on a live window.
constexpr DWORD CreationBits = DTS_UPDOWN | DTS_SHOWNONE;
constexpr DWORD StyleMask = 0x0F;

using CalendarDay = std::tuple<int, int, int>;

CalendarDay DayOf(OleDate date)
{
    const SYSTEMTIME parts = date.ToSystemTime();
    return {parts.wYear, parts.wMonth, parts.wDay};
}

OleDate DefaultMaxDate()
{
    return *OleDate::FromParts(9999, 12, 31, 0, 0, 0);
}

OleDate DefaultMinDate()
{
    return *OleDate::FromParts(1601, 1, 1, 0, 0, 0);
}

// The default value: the present moment, to the second.
Variant Now()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const auto moment = OleDate::FromSystemTime(now);
    return moment ? Variant(*moment) : Variant();
}

// A stored value keeps its kind: a date stays a date, a text a text.
Variant ReadValue(const PropertyStore& store)
{
    const PropertyValue* stored = store.Find(L"Value");
    if (stored != nullptr) {
        if (const auto* date = std::get_if<OleDate>(stored)) {
            return Variant(*date);
        }
        if (const auto* text = std::get_if<std::wstring>(stored)) {
            return Variant(*text);
        }
    }
    return Now();
}

// The default is the present moment, so a date is stored unless it is that
// very second.
void WriteValue(PropertyStore& store, const Variant& value)
{
    if (value.GetKind() == Variant::Kind::Date) {
        store.Write<OleDate>(L"Value", value.ToDate(), Now().ToDate());
    } else if (value.GetKind() == Variant::Kind::Text) {
        store.Set(L"Value", value.ToText());
    } else {
        store.Remove(L"Value");
    }
}

DWORD FormatBits(std::int32_t format)
{
    switch (format) {
    case DateTimePicker::LongDate:
        return DTS_LONGDATEFORMAT;
    case DateTimePicker::Time:
        return DTS_TIMEFORMAT;
    default:
        return DTS_SHORTDATEFORMAT;
    }
}

// One step of an apply that fails (a stored date the platform cannot hold)
// leaves the other steps to run.
template <typename Step>
void Try(Step&& step)
{
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

// A key press for one window alone, as the keyboard would deliver it; the
// arrow keys are extended keys.
void PostArrowKey(HWND window, UINT key)
{
    const UINT scanCode = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scanCode) << 16) | (LPARAM{1} << 24);
    const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
    ::PostMessageW(window, WM_KEYDOWN, key, down);
    ::PostMessageW(window, WM_KEYUP, key, up);
}

} // namespace

DateTimePicker::DateTimePicker(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id)
    : VisualComponent(site, std::move(name), bounds, id), font_(site.HostFont()), maxDate_(DefaultMaxDate()),
      minDate_(DefaultMinDate()), value_(Now())
{
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    CreatePicker();
}

DateTimePicker::~DateTimePicker()
{
    keys_.Destroy();
    pickerSubclass_.Destroy();
    picker_.Reset();
}

void DateTimePicker::InitProperties()
{
    ReadProperties(PropertyStore());
}

void DateTimePicker::ReadProperties(const PropertyStore& store)
{
    calendarBackColor_ = store.Read<std::int32_t>(L"CalendarBackColor", DefaultCalendarBackColor);
    calendarForeColor_ = store.Read<std::int32_t>(L"CalendarForeColor", DefaultCalendarForeColor);
    calendarTitleBackColor_ = store.Read<std::int32_t>(L"CalendarTitleBackColor", DefaultCalendarTitleBackColor);
    calendarTitleForeColor_ = store.Read<std::int32_t>(L"CalendarTitleForeColor", DefaultCalendarTitleForeColor);
    calendarTrailingForeColor_ =
        store.Read<std::int32_t>(L"CalendarTrailingForeColor", DefaultCalendarTrailingForeColor);
    checkBox_ = store.Read<bool>(L"CheckBox", false);
    customFormat_ = store.Read<std::wstring>(L"CustomFormat", L"");
    enabled_ = store.Read<bool>(L"Enabled", true);
    font_ = store.Read<FontDesc>(L"Font", Site().HostFont());
    format_ = store.Read<std::int32_t>(L"Format", ShortDate);
    maxDate_ = store.Read<OleDate>(L"MaxDate", DefaultMaxDate());
    minDate_ = store.Read<OleDate>(L"MinDate", DefaultMinDate());
    upDown_ = store.Read<bool>(L"UpDown", false);
    value_ = ReadValue(store);
    ApplyProperties(PartEverything);
    InstallRunTimeHandling();
}

void DateTimePicker::WriteProperties(PropertyStore& store) const
{
    store.Write<std::int32_t>(L"CalendarBackColor", calendarBackColor_, DefaultCalendarBackColor);
    store.Write<std::int32_t>(L"CalendarForeColor", calendarForeColor_, DefaultCalendarForeColor);
    store.Write<std::int32_t>(L"CalendarTitleBackColor", calendarTitleBackColor_, DefaultCalendarTitleBackColor);
    store.Write<std::int32_t>(L"CalendarTitleForeColor", calendarTitleForeColor_, DefaultCalendarTitleForeColor);
    store.Write<std::int32_t>(
        L"CalendarTrailingForeColor", calendarTrailingForeColor_, DefaultCalendarTrailingForeColor);
    store.Write<bool>(L"CheckBox", checkBox_, false);
    store.Write<std::wstring>(L"CustomFormat", customFormat_, L"");
    store.Write<bool>(L"Enabled", enabled_, true);
    store.Write<FontDesc>(L"Font", font_, Site().HostFont());
    store.Write<std::int32_t>(L"Format", format_, ShortDate);
    store.Write<OleDate>(L"MaxDate", maxDate_, DefaultMaxDate());
    store.Write<OleDate>(L"MinDate", minDate_, DefaultMinDate());
    store.Write<bool>(L"UpDown", upDown_, false);
    WriteValue(store, value_);
}

void DateTimePicker::Resize()
{
    if (picker_) {
        ::MoveWindow(picker_.Get(), 0, 0, ClientWidth(), ClientHeight(), TRUE);
        FitSpinButtons();
    }
}

// Wine's picker gives its spin buttons 15 pixels at any DPI; they get at
// least a scroll bar's width at the picker's.
void DateTimePicker::FitSpinButtons()
{
    const HWND spin = ::FindWindowExW(picker_.Get(), nullptr, UPDOWN_CLASSW, nullptr);
    RECT shown{};
    if (spin == nullptr || !::GetWindowRect(spin, &shown)) {
        return;
    }
    const int wanted = ::GetSystemMetricsForDpi(SM_CXVSCROLL, Dpi());
    if (shown.right - shown.left >= wanted) {
        return;
    }
    RECT client{};
    ::GetClientRect(picker_.Get(), &client);
    ::SetWindowPos(spin, nullptr, client.right - wanted, 0, wanted, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

template <typename T>
void DateTimePicker::Assign(T& field, const T& value, const wchar_t* key, unsigned parts)
{
    field = value;
    MarkChanged(key);
    ApplyProperties(parts);
}

void DateTimePicker::SetCalendarBackColor(std::int32_t color)
{
    Assign(calendarBackColor_, color, L"CalendarBackColor", PartColors);
}

void DateTimePicker::SetCalendarForeColor(std::int32_t color)
{
    Assign(calendarForeColor_, color, L"CalendarForeColor", PartColors);
}

void DateTimePicker::SetCalendarTitleBackColor(std::int32_t color)
{
    Assign(calendarTitleBackColor_, color, L"CalendarTitleBackColor", PartColors);
}

void DateTimePicker::SetCalendarTitleForeColor(std::int32_t color)
{
    Assign(calendarTitleForeColor_, color, L"CalendarTitleForeColor", PartColors);
}

void DateTimePicker::SetCalendarTrailingForeColor(std::int32_t color)
{
    Assign(calendarTrailingForeColor_, color, L"CalendarTrailingForeColor", PartColors);
}

void DateTimePicker::SetCheckBox(bool checkBox)
{
    Assign(checkBox_, checkBox, L"CheckBox", PartFormat);
}

void DateTimePicker::SetCustomFormat(const std::wstring& format)
{
    Assign(customFormat_, format, L"CustomFormat", PartFormat);
}

void DateTimePicker::SetEnabled(bool enabled)
{
    Assign(enabled_, enabled, L"Enabled", PartEnabled);
}

void DateTimePicker::SetFont(const FontDesc& font)
{
    Assign(font_, font, L"Font", PartFont);
}

void DateTimePicker::SetFormat(std::int32_t format)
{
    if (format >= ShortDate && format <= Custom) {
        Assign(format_, format, L"Format", PartFormat);
    }
}

void DateTimePicker::SetMaxDate(OleDate date)
{
    Try([&] {
        if (DayOf(date) >= DayOf(minDate_)) {
            Assign(maxDate_, date, L"MaxDate", PartRange | PartValue);
        }
    });
}

void DateTimePicker::SetMinDate(OleDate date)
{
    Try([&] {
        if (DayOf(date) <= DayOf(maxDate_)) {
            Assign(minDate_, date, L"MinDate", PartRange | PartValue);
        }
    });
}

void DateTimePicker::SetUpDown(bool upDown)
{
    Assign(upDown_, upDown, L"UpDown", PartFormat);
}

// A value from code changes only the shown date: one message, whatever else
// the picker has.
void DateTimePicker::SetValue(const Variant& value)
{
    if (Accepts(value)) {
        Assign(value_, value, L"Value", PartValue);
    }
}

void DateTimePicker::Refresh()
{
    if (picker_) {
        ::InvalidateRect(picker_.Get(), nullptr, TRUE);
    }
}

// Only a date, or a text that reads as one, within the range by calendar day.
bool DateTimePicker::Accepts(const Variant& value) const
{
    const auto kind = value.GetKind();
    if (kind != Variant::Kind::Date && kind != Variant::Kind::Text) {
        return false;
    }
    try {
        const CalendarDay day = DayOf(value.ToDate());
        return day >= DayOf(minDate_) && day <= DayOf(maxDate_);
    } catch (const RuntimeError&) {
        return false;
    }
}

DWORD DateTimePicker::StyleBits() const noexcept
{
    return FormatBits(format_) | (upDown_ ? DTS_UPDOWN : 0) | (checkBox_ ? DTS_SHOWNONE : 0);
}

void DateTimePicker::CreatePicker()
{
    const bool hadFocus = picker_ && ::GetFocus() == picker_.Get();
    pickerSubclass_.Destroy();
    picker_.Reset();
    picker_ =
        CreatePlatformWindow(DATETIMEPICK_CLASSW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | StyleBits(), WS_EX_CLIENTEDGE);
    createdBits_ = StyleBits() & CreationBits;
    if (picker_) {
        FitSpinButtons();
    }
    if (picker_ && hadFocus) {
        ::SetFocus(picker_.Get());
    }
}

void DateTimePicker::ApplyProperties(unsigned parts)
{
    if ((parts & PartEnabled) != 0) {
        ::EnableWindow(Hwnd(), enabled_);
    }
    if (picker_ && (StyleBits() & CreationBits) != createdBits_) {
        CreatePicker();
        InstallRunTimeHandling();
        parts = PartEverything;
    }
    if (!picker_) {
        return;
    }
    if ((parts & PartFormat) != 0) {
        PushFormat();
    }
    if ((parts & PartColors) != 0) {
        PushColors();
    }
    if ((parts & PartEnabled) != 0) {
        ::EnableWindow(picker_.Get(), enabled_);
    }
    if ((parts & PartFont) != 0) {
        platformFont_.Apply(picker_.Get(), font_, Dpi());
    }
    if ((parts & PartRange) != 0) {
        Try([this] { PushRange(); });
    }
    if ((parts & PartValue) != 0) {
        Try([this] { PushValue(); });
    }
}

// Only the format bits are rewritten: clearing the up-down bit of a live
// picker takes its spin buttons away. The style goes first: a picker given
// no format string takes the one of the style it has at that moment.
void DateTimePicker::PushFormat()
{
    const HWND picker = picker_.Get();
    const LONG_PTR style = ::GetWindowLongPtrW(picker, GWL_STYLE);
    const LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(StyleMask)) | static_cast<LONG_PTR>(StyleBits());
    if (wanted != style) {
        ::SetWindowLongPtrW(picker, GWL_STYLE, wanted);
    }
    if (format_ == Custom) {
        ::SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(customFormat_.c_str()));
    } else if (format_ >= ShortDate && format_ < Custom) {
        ::SendMessageW(picker, DTM_SETFORMATW, 0, 0);
    }
}

void DateTimePicker::PushColors()
{
    const std::pair<int, std::int32_t> colors[] = {{MCSC_MONTHBK, calendarBackColor_}, {MCSC_TEXT, calendarForeColor_},
        {MCSC_TITLEBK, calendarTitleBackColor_}, {MCSC_TITLETEXT, calendarTitleForeColor_},
        {MCSC_TRAILINGTEXT, calendarTrailingForeColor_}};
    for (const auto& [index, color] : colors) {
        const std::int32_t rgb = ::Colors().Translate(color, Variant(0));
        ::SendMessageW(picker_.Get(), DTM_SETMCCOLOR, static_cast<WPARAM>(index), static_cast<LPARAM>(rgb));
    }
}

void DateTimePicker::PushRange()
{
    SYSTEMTIME range[2] = {minDate_.ToSystemTime(), maxDate_.ToSystemTime()};
    ::SendMessageW(picker_.Get(), DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

void DateTimePicker::PushValue()
{
    SYSTEMTIME time = value_.ToDate().ToSystemTime();
    ::SendMessageW(picker_.Get(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void DateTimePicker::InstallRunTimeHandling()
{
    if (!UserMode() || !picker_) {
        return;
    }
    keys_.SetControl(this);
    keys_.SetHandleSpecialKeys(true);
    keys_.SetTranslateSpecialKeys(false);
    keys_.Create(&plumbing::FilterTranslateAccelerator);
    pickerSubclass_.SetOwnerHwnd(picker_.Get());
    pickerSubclass_.SetWindowProc(L"DateTimePickerWindowProc");
    pickerSubclass_.Clear();
    pickerSubclass_.Add(L"DateTimePicker", this);
    pickerSubclass_.Create(&DateTimePicker::PickerWindowProc);
}

LRESULT DateTimePicker::OnMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        if (header != nullptr && picker_ && header->hwndFrom == picker_.Get()) {
            OnNotify(*header);
        }
        return 0;
    }
    case WM_SETFOCUS:
        OnFocus(reinterpret_cast<HWND>(wparam));
        return 0;
    default:
        return VisualComponent::OnMessage(message, wparam, lparam);
    }
}

void DateTimePicker::OnNotify(const NMHDR& header)
{
    switch (header.code) {
    case DTN_DATETIMECHANGE:
        OnDateTimeChange(*reinterpret_cast<const NMDATETIMECHANGE*>(&header));
        break;
    case DTN_DROPDOWN:
        if (events_ != nullptr) {
            events_->DropDown();
        }
        break;
    case DTN_CLOSEUP:
        OnCloseUp();
        break;
    default:
        break;
    }
}

// The record's date is kept as it is: written out as regional text and read
// back, a two-digit year would lose its century. The picker shows it
// already, so nothing goes back to it. A cleared check box carries no date,
// and Value keeps the last one.
void DateTimePicker::OnDateTimeChange(const NMDATETIMECHANGE& change)
{
    if (change.dwFlags == GDT_VALID) {
        const auto date = OleDate::FromSystemTime(change.st);
        if (date && Accepts(Variant(*date))) {
            value_ = Variant(*date);
            MarkChanged(L"Value");
        }
    }
    if (events_ != nullptr) {
        events_->Change();
    }
}

// After the calendar the picker's next field is selected, by a key meant for
// the picker alone: nothing goes into the system's input, where another
// program could receive it.
void DateTimePicker::OnCloseUp()
{
    if (events_ != nullptr) {
        events_->CloseUp();
    }
    if (picker_) {
        PostArrowKey(picker_.Get(), VK_RIGHT);
    }
}

// The own window never keeps the focus: coming from elsewhere it hands it
// to the picker; coming back from the picker, it moves on to the next
// control in tab order (the one before with Shift held), as Tab would.
void DateTimePicker::OnFocus(HWND previous)
{
    const HWND picker = picker_.Get();
    if (picker == nullptr) {
        return;
    }
    if (previous == nullptr || (previous != picker && !::IsChild(picker, previous))) {
        ::SetFocus(picker);
        return;
    }
    const HWND root = ::GetAncestor(Hwnd(), GA_ROOT);
    const HWND next = ::GetNextDlgTabItem(root, picker, ::GetKeyState(VK_SHIFT) < 0);
    ::SetFocus(next != nullptr && next != Hwnd() ? next : picker);
}

// Everything, notifications from the picker's own up-down and calendar
// included, goes on to the picker with the picker's answer returned: a
// refused change must stay refused.
LRESULT CALLBACK DateTimePicker::PickerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    const LRESULT result =
        plumbing::Subclassing::CallPrevious(window, L"DateTimePickerWindowProc", message, wparam, lparam);
    if (message == WM_SETFOCUS) {
        auto* picker = static_cast<DateTimePicker*>(::GetPropW(window, L"DateTimePicker"));
        if (picker != nullptr && picker->ControlHwnd() == window) {
            picker->OnPickerFocus();
        }
    }
    return result;
}
