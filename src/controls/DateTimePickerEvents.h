#pragma once

// What a date/time picker tells its owner.
class DateTimePickerEvents {
public:
    // The user picked or edited a date, or cleared the picker's check box;
    // Value already holds the new date.
    virtual void Change() {}
    // The drop-down calendar closed.
    virtual void CloseUp() {}
    // The drop-down calendar is about to open.
    virtual void DropDown() {}

protected:
    ~DateTimePickerEvents() = default;
};
