#pragma once

#include "app/CurrentFolder.h"
#include "app/FormVarnookState.h"
#include "app/WindowServices.h"
#include "services/FileSystem.h"
#include "settings/Settings.h"

// F1, F2 and F3 on the pickers while Modified is checked: F1 takes the
// moment of the selected line's item, F3 stores the pickers' moment and F2
// recalls it. Moments travel as dates, so an old item keeps its century
// whatever the regional short date looks like.
class DateShortcuts {
public:
    static constexpr const wchar_t* Failure = L"Fout bij het instellen van gewijzigd";

    DateShortcuts(FormVarnookState& state, WindowServices& window, Settings& settings, const CurrentFolder& folder);

    // A key released anywhere in the window.
    void KeyReleased(WPARAM key);

private:
    void TakeFromSelectedLine();
    void Recall();
    void Store();
    void ShowMoment(OleDate moment);

    FormVarnookState& state_;
    WindowServices& window_;
    Settings& settings_;
    const CurrentFolder& folder_;
    FileSystem fileSystem_;
};
