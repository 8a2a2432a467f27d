#pragma once

#include "platform/Win32.h"

#include <string>
#include <vector>

// Finds windows of another process. Window handles are valid across
// processes, so finding needs no access to the process itself; a process's
// windows are told apart by its id, never by a title alone, because two
// instances of a program show the same title.
class WindowFinder {
public:
    // What a top-level window must match; empty texts match anything.
    struct Pattern {
        std::wstring className;
        std::wstring title;
        bool visibleOnly = true;
    };

    // Process id 0 stands for every process.
    [[nodiscard]] static std::vector<HWND> TopLevel(DWORD processId, const Pattern& pattern);
    // The first match, or null.
    [[nodiscard]] static HWND FirstTopLevel(DWORD processId, const Pattern& pattern);
    // A visible top-level window of any process with exactly this title, or null.
    [[nodiscard]] static HWND ByTitle(const std::wstring& title);

    [[nodiscard]] static DWORD ProcessOf(HWND window);
    // A direct child with the control identifier, or null.
    [[nodiscard]] static HWND Child(HWND parent, int id);
    // The first window of the class anywhere below `parent`, or null.
    [[nodiscard]] static HWND Descendant(HWND parent, const std::wstring& className);
    [[nodiscard]] static std::wstring ClassName(HWND window);
};
