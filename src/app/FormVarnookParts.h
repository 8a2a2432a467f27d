#pragma once

#include "app/DateShortcuts.h"
#include "app/FolderListing.h"
#include "app/FormVarnook.h"
#include "app/PlatformWindowServices.h"
#include "app/ProcessingRun.h"
#include "controls/DateTimePicker.h"
#include "controls/InfoFrame.h"
#include "controls/ProgressBar.h"
#include "controls/listview/ListView.h"
#include "controls/standard/CheckBox.h"
#include "controls/standard/ComboBox.h"
#include "controls/standard/CommandButton.h"
#include "controls/standard/Frame.h"
#include "controls/standard/Label.h"
#include "controls/sysmenu/SystemMenu.h"

// What the main window holds once its own window exists: its controls in
// layout order (which is also the tab order) and the procedures that work
// on them.
struct FormVarnook::Parts {
    explicit Parts(FormVarnook& form);

    PlatformWindowServices services;
    SystemMenu systemMenu;
    InfoFrame infoFrame;
    Frame frameFolder;
    CommandButton browse;
    Label folderLabel;
    ListView list;
    Frame frameModified;
    Label labelDate;
    DateTimePicker datePicker;
    Label labelTime;
    DateTimePicker timePicker;
    CommandButton process;
    CommandButton selectAll;
    CommandButton refresh;
    Frame frameOptions;
    ComboBox conversion;
    CheckBox log;
    CheckBox subfolders;
    CheckBox modified;
    CheckBox ignoreReadonly;
    CheckBox hiddenSystem;
    ProgressBar progress;
    FolderListing listing;
    ProcessingRun run;
    DateShortcuts shortcuts;
};
