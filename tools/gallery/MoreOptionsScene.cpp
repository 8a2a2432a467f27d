#include "Gallery.h"

#include "dialogs/FormMoreOptions.h"
#include "platform/Boundary.h"

namespace {

// Shown once the gallery's loop runs, with rules that fill every control: the
// longest source, a shift in every unit, a time left out. Closing the
// window ends the gallery.
void CALLBACK ShowMoreOptions(HWND gallery, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(gallery, timer);
    CallGuarded([gallery] {
        RunRules rules;
        rules.NameExtension = RunRules::Extension::Lower;
        rules.WordBreaks = RunRules::PunctuationBreaks;
        rules.Times = RunRules::Created | RunRules::Written;
        rules.Source = RunRules::TimeSource::Photo;
        rules.ShiftSeconds = -(2 * 86400 + 3 * 3600 + 45 * 60 + 30);
        FormMoreOptions options;
        options.ShowModal(gallery, rules);
    });
    ::PostMessageW(gallery, WM_CLOSE, 0, 0);
}

// The gallery stands in for the main window, the window's owner.
void Build(GalleryWindow& window)
{
    ::SetTimer(window.Hwnd(), 1, 100, &ShowMoreOptions);
}

const SceneRegistration registration({L"more-options", 7815, 4500, &Build});

} // namespace
