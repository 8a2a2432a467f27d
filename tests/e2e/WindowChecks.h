#pragma once

#include "app/ControlIds.h"
#include "probe/ProgramUnderTest.h"
#include "probe/XInput.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Short forms the tests of the main window share: what a user sees of a
// control, moments on disk and in the pickers, and answers the program
// gives in its own time.
namespace WindowChecks {

[[nodiscard]] std::wstring TextOf(const ProgramUnderTest& program, int id);
[[nodiscard]] bool EnabledOf(const ProgramUnderTest& program, int id);
[[nodiscard]] bool CheckedOf(const ProgramUnderTest& program, int id);
// Waits for the condition, so that a check reads the program's answer rather than its state before it.
[[nodiscard]] bool Becomes(const std::function<bool()>& condition);

// Real clicks on a line's cell, and below the last line (which focuses the list and clears its selection).
void ClickLine(const ListViewReader& list, int line, int column, MouseButton button = MouseButton::Left, int count = 1);
void ClickBelowTheLines(const ListViewReader& list);

// The texts of every window below `window`, in creation order.
[[nodiscard]] std::vector<std::wstring> ChildTexts(HWND window);

// A wall-clock moment in the session's time zone.
[[nodiscard]] SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second);
void SetLastWrite(const std::wstring& path, const SYSTEMTIME& local);
// Equal to the second; a picker that holds nothing equals nothing.
[[nodiscard]] bool SameMoment(const std::optional<SYSTEMTIME>& shown, const SYSTEMTIME& expected);

} // namespace WindowChecks
