#include "controls/DateTimePickerModule.h"

#include "controls/DateTimePicker.h"
#include "controls/plumbing/Subclassing.h"

// Everything, notifications from the picker's own up-down and calendar
// included, goes on to the picker with the picker's answer returned: a
// refused change must stay refused.
LRESULT CALLBACK DateTimePickerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
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
