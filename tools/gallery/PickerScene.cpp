#include "Gallery.h"

#include "controls/DateTimePicker.h"

namespace {

// The main window's two pickers as it has them, both enabled: the date in
// the default short-date format, the time with spin buttons.
void Build(GalleryWindow& window)
{
    const Variant moment(*OleDate::FromParts(2026, 12, 7, 14, 3, 5));
    auto& date = window.Add<DateTimePicker>(L"DateTimePickerModifiedDate", window.FromTwips(840, 300, 1335, 315), 100);
    date.InitProperties();
    date.SetValue(moment);
    auto& time = window.Add<DateTimePicker>(L"DateTimePickerModifiedTime", window.FromTwips(840, 660, 1335, 315), 101);
    time.ReadProperties({{L"Format", std::int32_t{DateTimePicker::Time}}, {L"UpDown", true}});
    time.SetValue(moment);
}

const SceneRegistration registration({L"pickers", 3600, 1140, &Build});

} // namespace
