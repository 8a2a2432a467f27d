#pragma once

#include "controls/DateTimePickerEvents.h"
#include "controls/DateTimePickerState.h"
#include "controls/host/ComponentFont.h"
#include "controls/host/VisualComponent.h"
#include "controls/plumbing/Subclassing.h"
#include "controls/plumbing/TranslateMessage.h"
#include "platform/Handles.h"
#include "runtime/OleDate.h"
#include "runtime/Variant.h"

#include <cstdint>
#include <string>

// The date/time picker: a platform picker that keeps its settings itself and
// one value, a date (or a text that reads as one), which the owner reads and
// writes. A date the user picks is kept as a date, never as regional text on
// its way, so no century is lost to a two-digit-year format.
class DateTimePicker final : public VisualComponent, public DateTimePickerState, public plumbing::KeyTarget {
public:
    // The display formats; Custom shows CustomFormat.
    static constexpr std::int32_t ShortDate = 0;
    static constexpr std::int32_t LongDate = 1;
    static constexpr std::int32_t Time = 2;
    static constexpr std::int32_t Custom = 3;

    DateTimePicker(ComponentSite& site, std::wstring name, RECT bounds, UINT_PTR id);
    ~DateTimePicker() override;

    void InitProperties() override;
    void ReadProperties(const PropertyStore& store) override;
    void WriteProperties(PropertyStore& store) const override;
    void Resize() override;
    void DpiChanged() override { ApplyProperties(PartFont); }

    void SetEvents(DateTimePickerEvents* events) noexcept { events_ = events; }

    // The drop-down calendar's colours, as OLE colours.
    [[nodiscard]] std::int32_t CalendarBackColor() const noexcept { return calendarBackColor_; }
    void SetCalendarBackColor(std::int32_t color);
    [[nodiscard]] std::int32_t CalendarForeColor() const noexcept { return calendarForeColor_; }
    void SetCalendarForeColor(std::int32_t color);
    [[nodiscard]] std::int32_t CalendarTitleBackColor() const noexcept { return calendarTitleBackColor_; }
    void SetCalendarTitleBackColor(std::int32_t color);
    [[nodiscard]] std::int32_t CalendarTitleForeColor() const noexcept { return calendarTitleForeColor_; }
    void SetCalendarTitleForeColor(std::int32_t color);
    [[nodiscard]] std::int32_t CalendarTrailingForeColor() const noexcept { return calendarTrailingForeColor_; }
    void SetCalendarTrailingForeColor(std::int32_t color);

    // A check box left of the date; cleared, the picker holds no date.
    [[nodiscard]] bool CheckBox() const noexcept { return checkBox_; }
    void SetCheckBox(bool checkBox);
    [[nodiscard]] HWND ControlHwnd() const noexcept override { return picker_.Get(); }
    [[nodiscard]] const std::wstring& CustomFormat() const noexcept { return customFormat_; }
    void SetCustomFormat(const std::wstring& format);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);
    [[nodiscard]] const FontDesc& Font() const noexcept { return font_; }
    void SetFont(const FontDesc& font);
    // ShortDate, LongDate, Time or Custom; other values are ignored.
    [[nodiscard]] std::int32_t Format() const noexcept { return format_; }
    void SetFormat(std::int32_t format);
    // The range, by calendar day: a bound on the other's day is accepted,
    // one beyond it ignored.
    [[nodiscard]] OleDate MaxDate() const noexcept { return maxDate_; }
    void SetMaxDate(OleDate date);
    [[nodiscard]] OleDate MinDate() const noexcept { return minDate_; }
    void SetMinDate(OleDate date);
    // Spin buttons instead of the drop-down calendar.
    [[nodiscard]] bool UpDown() const noexcept { return upDown_; }
    void SetUpDown(bool upDown);

    [[nodiscard]] Variant Value() const override { return value_; }
    void SetValue(const Variant& value) override;

    void Refresh();

private:
    void FitSpinButtons();
    // Put in front of the picker's platform window: it finds its control
    // under the window property "DateTimePicker" and the procedure it
    // replaced under "DateTimePickerWindowProc".
    static LRESULT CALLBACK PickerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    // What an apply step pushes to the picker window.
    enum Part : unsigned {
        PartEnabled = 1,
        PartFormat = 2,
        PartColors = 4,
        PartFont = 8,
        PartRange = 16,
        PartValue = 32,
        PartEverything = 63
    };

    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void OnPlatformWindowGone() override { picker_.Release(); }
    void OnNotify(const NMHDR& header);
    void OnDateTimeChange(const NMDATETIMECHANGE& change);
    void OnCloseUp();
    void OnFocus(HWND previous);
    void OnPickerFocus() { keys_.Translate(); }

    template <typename T>
    void Assign(T& field, const T& value, const wchar_t* key, unsigned parts);
    [[nodiscard]] bool Accepts(const Variant& value) const;
    // Re-creates the picker when the style it was made with no longer fits,
    // then pushes `parts`, or everything to a new window.
    void ApplyProperties(unsigned parts);
    void CreatePicker();
    void InstallRunTimeHandling();
    [[nodiscard]] DWORD StyleBits() const noexcept;
    void PushFormat();
    void PushColors();
    void PushRange();
    void PushValue();

    std::int32_t format_ = ShortDate;
    std::int32_t calendarBackColor_ = DefaultCalendarBackColor;
    std::int32_t calendarForeColor_ = DefaultCalendarForeColor;
    std::int32_t calendarTitleBackColor_ = DefaultCalendarTitleBackColor;
    std::int32_t calendarTitleForeColor_ = DefaultCalendarTitleForeColor;
    std::int32_t calendarTrailingForeColor_ = DefaultCalendarTrailingForeColor;
    FontDesc font_;
    bool checkBox_ = false;
    bool enabled_ = true;
    bool upDown_ = false;
    OleDate maxDate_;
    OleDate minDate_;
    std::wstring customFormat_;
    Variant value_;
    DateTimePickerEvents* events_ = nullptr;
    ComponentFont platformFont_;
    WindowHandle picker_;
    // The up-down and check-box bits the picker window was made with: they
    // take effect only when a window is created.
    DWORD createdBits_ = 0;
    plumbing::Subclassing pickerSubclass_;
    plumbing::TranslateMessage keys_;

    static constexpr std::int32_t DefaultCalendarBackColor = static_cast<std::int32_t>(0x80000005);
    static constexpr std::int32_t DefaultCalendarForeColor = static_cast<std::int32_t>(0x80000012);
    static constexpr std::int32_t DefaultCalendarTitleBackColor = static_cast<std::int32_t>(0x8000000F);
    static constexpr std::int32_t DefaultCalendarTitleForeColor = static_cast<std::int32_t>(0x80000012);
    static constexpr std::int32_t DefaultCalendarTrailingForeColor = static_cast<std::int32_t>(0x80000011);
};
