#pragma once

#include "app/ControlIds.h"
#include "controls/host/PropertyStore.h"
#include "platform/Win32.h"

#include <string>
#include <vector>

// The main window as designed: each control with where it lies (left, top,
// width, height in twips of the client area; controls drawn inside a frame
// are placed by the frame's origin), its design caption and its identifier;
// the stored settings of each component; and the Dutch captions the user
// sees in place of the design's English ones.
namespace FormVarnookDesign {

struct Placement {
    int Left;
    int Top;
    int Width;
    int Height;
};

// How a control follows the window's client area when it grows beyond the
// design size: its edges either stay where they are or move with the right
// or the bottom edge of the client area by as much as it grew.
enum Anchor : unsigned {
    Fixed = 0,
    MovesRight = 1,
    MovesDown = 2,
    GrowsWide = 4,
    GrowsTall = 8,
};

struct Control {
    Placement Place;
    const wchar_t* Caption;
    int Id;
    unsigned Anchors = Fixed;
};

// A control placed inside a frame, by the frame's own coordinates.
constexpr Placement Within(const Control& frame, Placement offset)
{
    return {frame.Place.Left + offset.Left, frame.Place.Top + offset.Top, offset.Width, offset.Height};
}

constexpr int ClientWidth = 7815;
constexpr int ClientHeight = 7080;

namespace Id = ControlIds;

constexpr Control InfoFrameVarnook{{0, 0, 7815, 945}, L"", Id::InfoFrameVarnook, GrowsWide};
constexpr Control FrameFolder{{120, 990, 5175, 4455}, L"Folder", Id::FrameFolder, GrowsWide | GrowsTall};
constexpr Control CommandFolderBrowse{Within(FrameFolder, {240, 360, 1215, 375}), L"Browse", Id::CommandFolderBrowse};
constexpr Control LabelFolderCurrentfolder{
    Within(FrameFolder, {240, 930, 4695, 255}), L"", Id::LabelFolderCurrentfolder, GrowsWide};
constexpr Control ListViewFolderItems{
    Within(FrameFolder, {240, 1320, 4695, 2895}), L"", Id::ListViewFolderItems, GrowsWide | GrowsTall};
constexpr Control FrameModified{{120, 5460, 5175, 1140}, L"Modified", Id::FrameModified, MovesDown};
constexpr Control LabelModifiedDate{
    Within(FrameModified, {240, 360, 600, 255}), L"Date:", Id::LabelModifiedDate, MovesDown};
constexpr Control DateTimePickerModifiedDate{
    Within(FrameModified, {840, 300, 1335, 315}), L"", Id::DateTimePickerModifiedDate, MovesDown};
constexpr Control LabelModifiedTime{
    Within(FrameModified, {240, 720, 600, 255}), L"Time:", Id::LabelModifiedTime, MovesDown};
constexpr Control DateTimePickerModifiedTime{
    Within(FrameModified, {840, 660, 1335, 315}), L"", Id::DateTimePickerModifiedTime, MovesDown};
constexpr Control CommandProcess{{6120, 1080, 1575, 375}, L"Process", Id::CommandProcess, MovesRight};
constexpr Control CommandSelectall{{6120, 1560, 1575, 375}, L"Select All", Id::CommandSelectall, MovesRight};
constexpr Control CommandRefresh{{6120, 2040, 1575, 375}, L"Refresh", Id::CommandRefresh, MovesRight};
constexpr Control FrameOptions{{5400, 4020, 2295, 2580}, L"Options", Id::FrameOptions, MovesRight | MovesDown};
constexpr Control ComboOptionsConversion{
    Within(FrameOptions, {240, 300, 1815, 315}), L"", Id::ComboOptionsConversion, MovesRight | MovesDown};
constexpr Control CheckOptionsLog{
    Within(FrameOptions, {240, 720, 1995, 255}), L"Log", Id::CheckOptionsLog, MovesRight | MovesDown};
constexpr Control CheckOptionsSubfolders{
    Within(FrameOptions, {240, 1080, 1995, 255}), L"Subfolders", Id::CheckOptionsSubfolders, MovesRight | MovesDown};
constexpr Control CheckOptionsModified{
    Within(FrameOptions, {240, 1440, 1995, 255}), L"Modified", Id::CheckOptionsModified, MovesRight | MovesDown};
constexpr Control CheckOptionsIgnorereadonly{Within(FrameOptions, {240, 1800, 1995, 255}), L"Ignore Read-only",
    Id::CheckOptionsIgnorereadonly, MovesRight | MovesDown};
constexpr Control CheckOptionsHiddensystem{Within(FrameOptions, {240, 2160, 1995, 255}), L"Hidden/System",
    Id::CheckOptionsHiddensystem, MovesRight | MovesDown};
constexpr Control ProgressBarVarnook{{120, 6720, 7575, 255}, L"", Id::ProgressBarVarnook, MovesDown | GrowsWide};
// How far a run is, and how it ended.
constexpr Control LabelStatus{{6120, 2535, 1575, 735}, L"", Id::LabelStatus, MovesRight};
// The run's further rules, in a window of their own.
constexpr Control CommandMoreOptions{{6120, 3555, 1575, 375}, L"More Options...", Id::CommandMoreOptions, MovesRight};

// Every control on the form, in the order of the layout.
inline constexpr const Control* Layout[] = {&InfoFrameVarnook, &FrameFolder, &CommandFolderBrowse,
    &LabelFolderCurrentfolder, &ListViewFolderItems, &FrameModified, &LabelModifiedDate, &DateTimePickerModifiedDate,
    &LabelModifiedTime, &DateTimePickerModifiedTime, &CommandProcess, &CommandSelectall, &CommandRefresh, &LabelStatus,
    &CommandMoreOptions, &FrameOptions, &ComboOptionsConversion, &CheckOptionsLog, &CheckOptionsSubfolders,
    &CheckOptionsModified, &CheckOptionsIgnorereadonly, &CheckOptionsHiddensystem, &ProgressBarVarnook};

// Controls that join the group of the control before them, so that the
// arrow keys move between them; every other control starts a group.
inline constexpr int JoinsGroupBefore[] = {Id::CommandSelectall, Id::CommandRefresh, Id::CheckOptionsSubfolders,
    Id::CheckOptionsModified, Id::CheckOptionsIgnorereadonly, Id::CheckOptionsHiddensystem};

// The list's menu, opened from the keyboard.
inline constexpr const wchar_t* DutchListMenu[] = {L"&Openen", L"&Eigenschappen", L"&Alles selecteren", L"&Vernieuwen"};

// The letter-case styles in their fixed order: the position is the style.
[[nodiscard]] std::vector<std::wstring> ConversionEntries();

[[nodiscard]] PropertyStore SystemMenuVarnookSettings();
[[nodiscard]] PropertyStore InfoFrameVarnookSettings();
[[nodiscard]] PropertyStore ListViewFolderItemsSettings();
[[nodiscard]] PropertyStore DateTimePickerModifiedDateSettings();
[[nodiscard]] PropertyStore DateTimePickerModifiedTimeSettings();
[[nodiscard]] PropertyStore ProgressBarVarnookSettings();

// The Dutch captions, put on the controls at load. The styles replace the
// design's entries in place, so a stored style index means the same style.
struct Caption {
    int Id;
    const wchar_t* Text;
};
// Each control a user acts on has its own access key; a label's and a
// frame's key move the focus to the control that follows them.
inline constexpr Caption DutchCaptions[] = {
    {Id::FrameFolder, L"Map"},
    {Id::CommandFolderBrowse, L"&Bladeren"},
    {Id::FrameModified, L"Gewijzigd"},
    {Id::LabelModifiedDate, L"&Datum:"},
    {Id::LabelModifiedTime, L"&Tijd:"},
    {Id::CommandProcess, L"&Verwerken"},
    {Id::CommandSelectall, L"&Alles Selecteren"},
    {Id::CommandRefresh, L"Ver&nieuwen"},
    {Id::CommandMoreOptions, L"&Meer opties..."},
    {Id::FrameOptions, L"&Opties"},
    {Id::CheckOptionsLog, L"&Logboek"},
    {Id::CheckOptionsSubfolders, L"&Submappen"},
    {Id::CheckOptionsModified, L"&Gewijzigd"},
    {Id::CheckOptionsIgnorereadonly, L"Alleen-l&ezen Negeren"},
    {Id::CheckOptionsHiddensystem, L"Verborgen/S&ysteem"},
};
// What a screen reader names the controls without a caption of their own,
// after the caption that goes with them.
inline constexpr Caption DutchAccessibleNames[] = {
    {Id::ListViewFolderItems, L"Map"},
    {Id::DateTimePickerModifiedDate, L"Datum"},
    {Id::DateTimePickerModifiedTime, L"Tijd"},
    {Id::ProgressBarVarnook, L"Voortgang"},
};
inline constexpr const wchar_t* DutchColumns[] = {L"Naam", L"Gewijzigd", L"Nieuwe naam"};
inline constexpr const wchar_t* DutchStyles[] = {
    L"Huidige letter", L"Grote letter", L"Kleine letter", L"Begin letter", L"Woord letter"};
// The system menu's entries: undo above the separator, About last, its
// text these around the product's name.
constexpr std::int32_t UndoEntry = 0;
constexpr std::int32_t AboutEntry = 2;
inline constexpr const wchar_t* DutchUndo = L"Laatste verwerking ongedaan maken";
inline constexpr const wchar_t* DutchAboutBefore = L"&Over ";
inline constexpr const wchar_t* DutchAboutAfter = L"...";

} // namespace FormVarnookDesign
