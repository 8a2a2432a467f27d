#pragma once

#include "platform/Win32.h"

#include <string>
#include <utility>
#include <vector>

// Reads the state of another process's windows through messages the
// platform carries across processes (their answers are numbers, or text it
// copies back). Every message goes with a time-out, so a program that hangs
// fails the test instead of holding it. Text is read with WM_GETTEXT, never
// GetWindowText, which answers another process's edit or label from a copy
// its own text changes do not reach.
class WindowReader {
public:
    // Sends a message and waits at most a few seconds for the answer.
    static LRESULT Send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);

    [[nodiscard]] static std::wstring Text(HWND window);
    [[nodiscard]] static bool IsEnabled(HWND window);
    [[nodiscard]] static bool IsVisible(HWND window);
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    [[nodiscard]] static int CheckState(HWND button);
    [[nodiscard]] static bool IsChecked(HWND button) { return CheckState(button) == BST_CHECKED; }
    // The client area in the window's own pixels.
    [[nodiscard]] static SIZE ClientSize(HWND window);

    // -1 when nothing is selected.
    [[nodiscard]] static int ComboSelection(HWND combo);
    [[nodiscard]] static std::vector<std::wstring> ComboEntries(HWND combo);

    [[nodiscard]] static int ProgressPosition(HWND progress);
    // Low and high end, both 32-bit: the record form of PBM_GETRANGE is
    // avoided, its answer through wparam is enough.
    [[nodiscard]] static std::pair<int, int> ProgressRange(HWND progress);
};
