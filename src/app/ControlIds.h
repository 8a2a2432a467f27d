#pragma once

// The main window's control identifiers. They start at 100: dialog
// navigation turns Enter and Esc into commands 1 and 2 (IDOK, IDCANCEL),
// which must never be a control's. A component's own window carries the
// identifier; the platform control inside it is found by its class.
namespace ControlIds {

constexpr int InfoFrameVarnook = 100;
constexpr int FrameFolder = 101;
constexpr int CommandFolderBrowse = 102;
constexpr int LabelFolderCurrentfolder = 103;
constexpr int ListViewFolderItems = 104;
constexpr int FrameModified = 105;
constexpr int LabelModifiedDate = 106;
constexpr int DateTimePickerModifiedDate = 107;
constexpr int LabelModifiedTime = 108;
constexpr int DateTimePickerModifiedTime = 109;
constexpr int CommandProcess = 110;
constexpr int CommandSelectall = 111;
constexpr int CommandRefresh = 112;
constexpr int FrameOptions = 113;
constexpr int ComboOptionsConversion = 114;
constexpr int CheckOptionsLog = 115;
constexpr int CheckOptionsSubfolders = 116;
constexpr int CheckOptionsModified = 117;
constexpr int CheckOptionsIgnorereadonly = 118;
constexpr int CheckOptionsHiddensystem = 119;
constexpr int ProgressBarVarnook = 120;
constexpr int LabelStatus = 121;
constexpr int CommandMoreOptions = 122;

} // namespace ControlIds
