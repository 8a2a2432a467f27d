#pragma once

#include "platform/Win32.h"

#include <string>

enum class MouseButton { Left = 1, Middle = 2, Right = 3 };

// Real input, made by the X server (xdotool) so that it reaches the program
// exactly as a user's does: through Wine's event handling, the focus and the
// controls' own mouse and key handling. Without a window manager, Wine puts
// its windows at their screen coordinates on the X root window, so a point
// of a window is found with ClientToScreen. Each call returns once xdotool
// has handed the events to the X server; the program handles them on its
// own time, so a test then waits for their effect. A click moves the
// pointer and presses in one call: the server keeps the order of one
// client's requests, so the press lands where the pointer went (xdotool's
// --sync is not used: it waits forever when the pointer is already there).
class XInput {
public:
    // A click (or a double click with count 2) at a point of the window's client area.
    static void Click(HWND window, POINT client, MouseButton button = MouseButton::Left, int count = 1);
    static void ClickCentre(HWND window, MouseButton button = MouseButton::Left, int count = 1);
    static void ClickCentre(HWND window, const RECT& clientRect, MouseButton button = MouseButton::Left, int count = 1);
    static void MoveTo(HWND window, POINT client);
    // Presses the left button at one point of the window's client area,
    // moves to another in steps, and releases it there.
    static void Drag(HWND window, POINT from, POINT to);

    // Keys in xdotool's names, one chord or several separated by spaces:
    // "Return", "Down", "F1", "ctrl+a", "shift+Tab Tab". Alt is refused:
    // Wine misses its release, and every later key would reach the program
    // as a system key.
    static void Key(const std::string& keys);
    // Printable ASCII, key by key. Wine loses characters that xdotool has to
    // map to a spare key first, so other text is refused.
    static void Type(const std::string& text);

private:
    static POINT OnScreen(HWND window, POINT client);
};
