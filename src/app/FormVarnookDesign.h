#pragma once

#include "controls/host/PropertyStore.h"
#include "platform/Win32.h"

#include <string>
#include <vector>

// The main window as designed: where each control lies (left, top, width,
// height in twips of the client area; controls drawn inside a frame are
// placed by the frame's origin) with its design caption, and the stored
// settings of each component.
namespace FormVarnookDesign {

struct Placement {
    int Left;
    int Top;
    int Width;
    int Height;
};

// A control placed inside a frame, by the frame's own coordinates.
constexpr Placement Within(Placement frame, Placement offset)
{
    return {frame.Left + offset.Left, frame.Top + offset.Top, offset.Width, offset.Height};
}

constexpr int ClientWidth = 7815;
constexpr int ClientHeight = 7080;

constexpr Placement InfoFrameVarnook{0, 0, 7815, 945};
constexpr Placement FrameFolder{120, 990, 5175, 4455};
constexpr Placement CommandFolderBrowse = Within(FrameFolder, {240, 360, 1215, 375});
constexpr Placement LabelFolderCurrentfolder = Within(FrameFolder, {240, 930, 4695, 255});
constexpr Placement ListViewFolderItems = Within(FrameFolder, {240, 1320, 4695, 2895});
constexpr Placement FrameModified{120, 5460, 5175, 1140};
constexpr Placement LabelModifiedDate = Within(FrameModified, {240, 360, 495, 255});
constexpr Placement DateTimePickerModifiedDate = Within(FrameModified, {840, 300, 1335, 315});
constexpr Placement LabelModifiedTime = Within(FrameModified, {240, 720, 495, 255});
constexpr Placement DateTimePickerModifiedTime = Within(FrameModified, {840, 660, 1335, 315});
constexpr Placement CommandProcess{6120, 1080, 1575, 375};
constexpr Placement CommandSelectall{6120, 1560, 1575, 375};
constexpr Placement CommandRefresh{6120, 2040, 1575, 375};
constexpr Placement FrameOptions{5400, 4020, 2295, 2580};
constexpr Placement ComboOptionsConversion = Within(FrameOptions, {240, 300, 1815, 315});
constexpr Placement CheckOptionsLog = Within(FrameOptions, {240, 720, 1815, 255});
constexpr Placement CheckOptionsSubfolders = Within(FrameOptions, {240, 1080, 1815, 255});
constexpr Placement CheckOptionsModified = Within(FrameOptions, {240, 1440, 1935, 255});
constexpr Placement CheckOptionsIgnorereadonly = Within(FrameOptions, {240, 1800, 1815, 255});
constexpr Placement CheckOptionsHiddensystem = Within(FrameOptions, {240, 2160, 1815, 255});
constexpr Placement ProgressBarVarnook{120, 6720, 7575, 255};

// The letter-case styles in their fixed order: the position is the style.
[[nodiscard]] std::vector<std::wstring> ConversionEntries();

[[nodiscard]] PropertyStore SystemMenuVarnookSettings();
[[nodiscard]] PropertyStore InfoFrameVarnookSettings();
[[nodiscard]] PropertyStore ListViewFolderItemsSettings();
[[nodiscard]] PropertyStore DateTimePickerModifiedDateSettings();
[[nodiscard]] PropertyStore DateTimePickerModifiedTimeSettings();
[[nodiscard]] PropertyStore ProgressBarVarnookSettings();

} // namespace FormVarnookDesign
